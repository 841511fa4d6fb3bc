// Messages shown to an author carry names and bytes taken from files; this makes them safe to
// print: control bytes, invalid UTF-8 and invisible format characters (a byte-order mark, a
// direction override) are written as escapes instead of acting on the terminal or hiding.
#pragma once

#include <string>
#include <string_view>

namespace apostila::tools {

std::string printable(std::string_view text);

}  // namespace apostila::tools
