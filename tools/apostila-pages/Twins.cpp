// Listing a page's pictures and packing their twins.
#include "Twins.h"

#include <zstd.h>

#include <map>
#include <optional>
#include <sstream>

#include "FileIo.h"
#include "content/Bitmap.h"
#include "content/ReadError.h"
#include "content/TwinFormat.h"

namespace apostila::tools {

namespace {

void walk(const std::string& pageClass, const SourceElement& e, std::string& out) {
  for (const SourceProperty& p : e.properties)
    if (p.value.kind == SourceValue::Kind::Picture && !p.value.file.empty())
      out += pageClass + "\t" + e.name + "\t" + std::filesystem::path(p.value.file).filename().string() + "\n";
  for (const SourceElement& child : e.children) walk(pageClass, child, out);
}

void u16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void text(std::vector<std::uint8_t>& out, const std::string& s) {
  u16(out, static_cast<std::uint16_t>(s.size()));
  out.insert(out.end(), s.begin(), s.end());
}

// The twin as the screen draws it: 32 bits a pixel, rows top-down, so that drawing it copies
// whole words rather than taking three-byte pixels apart. Any BMP the decoder reads will do.
std::vector<std::uint8_t> asScreenRows(const std::vector<std::uint8_t>& file) {
  const content::Bitmap bmp = content::Bitmap::decode(file);
  const auto w = static_cast<std::uint32_t>(bmp.width()), h = static_cast<std::uint32_t>(bmp.height());
  const std::uint64_t pixelBytes = std::uint64_t{w} * h * 4;
  if (bmp.empty() || 54 + pixelBytes > content::twin_format::kMaxTwinBytes) return {};
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(54 + pixelBytes));
  out.push_back('B');
  out.push_back('M');
  u32(out, static_cast<std::uint32_t>(54 + pixelBytes));
  u32(out, 0);
  u32(out, 54);
  u32(out, 40);
  u32(out, w);
  u32(out, static_cast<std::uint32_t>(-static_cast<std::int32_t>(h)));  // top-down
  u16(out, 1);
  u16(out, 32);
  u32(out, 0);  // no compression
  u32(out, static_cast<std::uint32_t>(pixelBytes));
  for (int i = 0; i < 4; ++i) u32(out, 0);
  std::vector<content::Bitmap::Rgb> row(w);
  for (std::uint32_t y = 0; y < h; ++y) {
    bmp.readRow(static_cast<int>(y), 0, static_cast<int>(w), row.data());
    for (const content::Bitmap::Rgb p : row) u32(out, p & 0xFFFFFFu);
  }
  return out;
}

}  // namespace

std::string pictureList(const SourceElement& page) {
  std::string out;
  walk(page.kind, page, out);
  return out;
}

static std::map<std::string, std::string> readDescriptions(const std::filesystem::path& file) {
  std::map<std::string, std::string> out;
  const auto bytes = readInput(file);
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    ++n;
    const std::size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string::npos || tab + 1 == line.size() || line.size() - tab - 1 > 0xFFFF)
      throw SourceError(file.string(), n, "expected a picture file and its description, tab-separated");
    if (!out.emplace(line.substr(0, tab), line.substr(tab + 1)).second)
      throw SourceError(file.string(), n, "a second description of " + line.substr(0, tab));
  }
  return out;
}

std::vector<std::uint8_t> packTwins(const std::filesystem::path& twinFolder, const std::filesystem::path& descriptions,
                                    const std::vector<std::filesystem::path>& lists) {
  namespace f = content::twin_format;
  const auto described = readDescriptions(descriptions);
  std::vector<std::string> words;
  struct Entry {
    std::string pageClass, element;
    std::uint32_t twin;
  };
  std::vector<Entry> entries;
  std::map<std::string, std::uint32_t> twinOf;  // a file's twin, stored once
  std::vector<std::vector<std::uint8_t>> stored;
  std::vector<std::uint32_t> sizes;
  for (const auto& list : lists) {
    const auto bytes = readInput(list);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    int n = 0;
    for (std::string line; std::getline(in, line);) {
      ++n;
      std::istringstream fields(line);
      std::string pageClass, element, file, rest;
      if (!std::getline(fields, pageClass, '\t') || !std::getline(fields, element, '\t') ||
          !std::getline(fields, file, '\t') || std::getline(fields, rest) || pageClass.empty() || element.empty() ||
          file.empty() || pageClass.size() > 255 || element.size() > 255)
        throw SourceError(list.string(), n, "expected a page class, an element and a picture file, tab-separated");
      auto [it, added] = twinOf.emplace(file, static_cast<std::uint32_t>(stored.size()));
      if (added) {
        const auto drawn = readInputIfPresent(twinFolder / file);
        if (!drawn) throw SourceError(list.string(), n, "the picture " + file + " has no twin in " + twinFolder.string());
        if (drawn->empty() || drawn->size() > f::kMaxTwinBytes)
          throw SourceError(list.string(), n, "the twin of " + file + " is empty or too large");
        std::optional<std::vector<std::uint8_t>> twin;
        try {
          twin = asScreenRows(*drawn);
        } catch (const content::ReadError& e) {
          throw SourceError(list.string(), n, "the twin of " + file + " is not a picture: " + e.what());
        }
        if (twin->empty()) throw SourceError(list.string(), n, "the twin of " + file + " is empty or too large");
        std::vector<std::uint8_t> packed(ZSTD_compressBound(twin->size()));
        const std::size_t got = ZSTD_compress(packed.data(), packed.size(), twin->data(), twin->size(), 19);
        if (ZSTD_isError(got)) throw FileError(file + ": " + ZSTD_getErrorName(got));
        packed.resize(got);
        stored.push_back(std::move(packed));
        sizes.push_back(static_cast<std::uint32_t>(twin->size()));
        const auto d = described.find(file);
        words.push_back(d == described.end() ? std::string() : d->second);
      }
      entries.push_back({pageClass, element, it->second});
    }
  }
  std::vector<std::uint8_t> out(std::begin(f::kMagic), std::end(f::kMagic));
  u32(out, f::kVersion);
  u32(out, static_cast<std::uint32_t>(entries.size()));
  u32(out, static_cast<std::uint32_t>(stored.size()));
  for (const Entry& e : entries) {
    text(out, e.pageClass);
    text(out, e.element);
    u32(out, e.twin);
  }
  std::uint32_t offset = 0;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    u32(out, offset);
    u32(out, static_cast<std::uint32_t>(stored[i].size()));
    u32(out, sizes[i]);
    text(out, words[i]);
    offset += static_cast<std::uint32_t>(stored[i].size());
  }
  for (const auto& s : stored) out.insert(out.end(), s.begin(), s.end());
  return out;
}

}  // namespace apostila::tools
