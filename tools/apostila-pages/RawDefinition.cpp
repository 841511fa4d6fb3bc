// Structural parse of definitions.
#include "RawDefinition.h"

#include "content/ByteReader.h"
#include "content/ReadError.h"
#include "content/ValueReader.h"

namespace apostila::tools {

namespace {
// Records nest only a few levels in real pages; a bound keeps hostile input from exhausting the stack.
constexpr int kMaxDepth = 64;

class RawParser {
 public:
  explicit RawParser(std::span<const std::uint8_t> data) : data_(data), in_(data), values_(in_) {}

  RawRecord run() {
    if (!content::hasSignature(in_.take(content::kSignature.size())))
      throw content::ReadError(content::msg::kInvalidStreamFormat);
    RawRecord root = record(0);
    if (!in_.atEnd())
      throw content::ReadError("data follows the root record at offset " + std::to_string(in_.position()));
    return root;
  }

 std::size_t offset() const { return in_.position(); }

 private:
  RawRecord record(int depth) {
    if (depth > kMaxDepth) throw content::ReadError("elements nest too deeply");
    RawRecord r;
    if (content::isPrefix(in_.peek())) {
      r.prefixed = true;
      r.flags = in_.u8() & ~content::kPrefixMark;
      if (r.flags & content::kPrefixPosition) {
        content::ValueCode c = values_.code();
        if (!content::ValueReader::isInteger(c)) throw content::ReadError(content::msg::kInvalidStreamFormat);
        r.positionCode = c;
        r.position = static_cast<int>(values_.integerPayload(c));
      }
    }
    r.className = in_.shortString();
    r.name = in_.shortString();
    while (in_.peek() != content::kEnd) {
      RawProperty p;
      p.path = in_.shortString();
      std::size_t start = in_.position();
      p.code = values_.code();
      std::size_t payloadStart = in_.position();
      values_.skipPayload(p.code);
      p.value = data_.subspan(start, in_.position() - start);
      p.payload = data_.subspan(payloadStart, in_.position() - payloadStart);
      r.properties.push_back(std::move(p));
    }
    in_.skip(1);
    while (in_.peek() != content::kEnd) r.children.push_back(record(depth + 1));
    in_.skip(1);
    return r;
  }

  std::span<const std::uint8_t> data_;
  content::ByteReader in_;
  content::ValueReader values_;
};
}  // namespace

RawRecord parseRawDefinition(std::span<const std::uint8_t> data) {
  RawParser p(data);
  try {
    return p.run();
  } catch (const content::ReadError& e) {
    throw content::ReadError(std::string(e.what()) + " (at byte " + std::to_string(p.offset()) + ")");
  }
}

}  // namespace apostila::tools
