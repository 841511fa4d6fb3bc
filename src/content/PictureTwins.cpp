// Reading the packed twins: the table is checked whole when the set is opened, and a twin is
// decompressed only when asked for.
#include "content/PictureTwins.h"

#include <zstd.h>

#include <algorithm>
#include <cstring>

#include "content/ByteReader.h"
#include "content/ReadError.h"
#include "content/TwinFormat.h"
#include "content/TwinSource.h"
#include "ui/EmbeddedBlob.h"

extern "C" {
extern const apostila::EmbeddedBlob apostila_twins[] __attribute__((weak));
extern const std::size_t apostila_twins_count __attribute__((weak));
}

namespace apostila::content {

namespace {

std::string name(ByteReader& r) {
  const std::uint16_t length = r.u16();
  if (length == 0) throw ReadError(msg::kInvalidStreamFormat);
  const auto bytes = r.take(length);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

PictureTwins::PictureTwins(std::span<const std::uint8_t> packed) {
  namespace f = twin_format;
  ByteReader r(packed);
  const auto magic = r.take(sizeof f::kMagic);
  if (std::memcmp(magic.data(), f::kMagic, sizeof f::kMagic) != 0 || r.u32() != f::kVersion)
    throw ReadError(msg::kInvalidStreamFormat);
  const std::uint32_t entries = r.u32(), twins = r.u32();
  // Each entry takes at least 8 bytes and each twin 14: counts the bytes cannot hold are refused
  // before anything is allocated for them.
  if (entries > r.remaining() / 8 || twins > r.remaining() / 14) throw ReadError(msg::kInvalidStreamFormat);
  std::vector<std::pair<std::string, std::uint32_t>> named;
  for (std::uint32_t i = 0; i < entries; ++i) {
    std::string key = name(r);
    key += "." + name(r);
    const std::uint32_t twin = r.u32();
    if (twin >= twins) throw ReadError(msg::kInvalidStreamFormat);
    named.emplace_back(std::move(key), twin);
  }
  struct Place {
    std::uint32_t offset, stored, size;
    std::string description;
  };
  std::vector<Place> places;
  for (std::uint32_t i = 0; i < twins; ++i) {
    Place p{r.u32(), r.u32(), r.u32(), {}};
    const auto words = r.take(r.u16());
    p.description.assign(words.begin(), words.end());
    places.push_back(std::move(p));
  }
  const std::span<const std::uint8_t> data = packed.subspan(r.position());
  for (Place& p : places) {
    if (p.offset > data.size() || p.stored > data.size() - p.offset || p.size == 0 || p.size > f::kMaxTwinBytes)
      throw ReadError(msg::kInvalidStreamFormat);
    twins_.push_back({data.subspan(p.offset, p.stored), p.size, std::move(p.description)});
  }
  for (auto& [key, twin] : named)
    if (!byElement_.emplace(std::move(key), twin).second) throw ReadError(msg::kInvalidStreamFormat);
}

const PictureTwins& PictureTwins::carried() {
  static const PictureTwins twins = [] {
    if (&apostila_twins_count == nullptr || apostila_twins_count == 0) return PictureTwins();
    return PictureTwins(apostila_twins[0].bytes());
  }();
  return twins;
}

void PictureTwins::installCarried() {
  static const BmpTwins twins([](const std::string& pageClass, const std::string& element) {
    return carried().find(pageClass, element);
  });
  setTwinSource(&twins);
}

std::string PictureTwins::description(const std::string& pageClass, const std::string& element) const {
  const auto it = byElement_.find(pageClass + "." + element);
  return it == byElement_.end() ? std::string() : twins_[it->second].description;
}

std::optional<std::vector<std::uint8_t>> PictureTwins::find(const std::string& pageClass,
                                                           const std::string& element) const {
  const auto it = byElement_.find(pageClass + "." + element);
  if (it == byElement_.end()) return std::nullopt;
  const Twin& t = twins_[it->second];
  std::vector<std::uint8_t> out(t.size);
  const std::size_t got = ZSTD_decompress(out.data(), out.size(), t.stored.data(), t.stored.size());
  if (ZSTD_isError(got) || got != t.size) throw ReadError(msg::kInvalidBitmap);
  return out;
}

}  // namespace apostila::content
