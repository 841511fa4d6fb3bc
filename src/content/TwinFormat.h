// The side table of the page pictures as the program carries it: for each picture a page shows,
// found by the page class and the element that shows it, the picture's twin drawn at twice the
// size (compressed) and the words that describe it to a learner who cannot see it. The build's
// packer writes it and PictureTwins reads it; both take the layout from here.
//
//   "APTW"  u32 version  u32 entries  u32 twins
//   entries × { u16 length, page class  u16 length, element name  u32 twin }
//   twins   × { u32 offset  u32 stored size  u32 size  u16 length, description (UTF-8) }
//   the twins' compressed bytes, one zstd frame each (offsets from the end of the twins' table)
//
// Numbers are little-endian. Pictures shown by several elements (the solution markers) are
// stored once and named by each.
#pragma once

#include <cstdint>

namespace apostila::content::twin_format {

inline constexpr char kMagic[4] = {'A', 'P', 'T', 'W'};
inline constexpr std::uint32_t kVersion = 2;
// Far above the largest twin (a full page at twice the size is about 4 MB).
inline constexpr std::uint32_t kMaxTwinBytes = 64u << 20;

}  // namespace apostila::content::twin_format
