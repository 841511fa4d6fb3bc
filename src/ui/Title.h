// The application title derived from the program file's path: the directory removed, the name
// cut at its first ".", and every character after the first lower-cased.
#pragma once

#include <string>
#include <string_view>

namespace apostila::ui {

std::string titleFromProgramPath(std::string_view path);

}  // namespace apostila::ui
