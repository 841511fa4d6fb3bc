// The class name of page N ("TForm5"), made at compile time so that every page class's table
// is a constant.
#pragma once

#include <array>
#include <string_view>

namespace apostila::pages {

template <int N>
struct PageClassName {
  static constexpr auto text = [] {
    std::array<char, 9> a{'T', 'F', 'o', 'r', 'm'};
    int digits = N >= 10 ? 2 : 1;
    if (digits == 2) {
      a[5] = static_cast<char>('0' + N / 10);
      a[6] = static_cast<char>('0' + N % 10);
    } else {
      a[5] = static_cast<char>('0' + N);
    }
    return a;
  }();
  static constexpr std::string_view view{text.data(), N >= 10 ? 7u : 6u};
};

}  // namespace apostila::pages
