// A page definition parsed only as far as its structure: records, property paths and each
// value's stored bytes. The dump and JSON views are built from it without creating elements.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "content/StreamFormat.h"

namespace apostila::tools {

struct RawProperty {
  std::string path;
  content::ValueCode code;
  std::span<const std::uint8_t> value;    // code byte and payload
  std::span<const std::uint8_t> payload;  // payload only
};

struct RawRecord {
  bool prefixed = false;   // the record opens with a prefix byte
  std::uint8_t flags = 0;  // its flags (content::PrefixFlag), unknown ones included
  int position = -1;
  content::ValueCode positionCode = content::ValueCode::Null;  // how the position is stored
  std::string className;
  std::string name;
  std::vector<RawProperty> properties;
  std::vector<RawRecord> children;
};

// Throws content::ReadError for a stream that does not follow the format, with the byte offset.
RawRecord parseRawDefinition(std::span<const std::uint8_t> data);

}  // namespace apostila::tools
