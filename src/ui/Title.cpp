// The title rule. Both separators count, so a path written either way gives the same title.
#include "ui/Title.h"

namespace apostila::ui {

std::string titleFromProgramPath(std::string_view path) {
  std::size_t slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  std::string title(name);
  for (std::size_t i = 1; i < title.size(); ++i)
    if (title[i] >= 'A' && title[i] <= 'Z') title[i] = static_cast<char>(title[i] - 'A' + 'a');
  return title;
}

}  // namespace apostila::ui
