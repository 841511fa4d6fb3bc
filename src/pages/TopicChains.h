// The thirteen topic chains of theory pages: consecutive pages FormN, from first to last.
#pragma once

#include <array>

namespace apostila::pages {

struct TopicChain {
  int first;
  int last;
};

inline constexpr std::array<TopicChain, 13> kTopicChains = {{
    {5, 6}, {7, 8}, {9, 12}, {13, 15}, {16, 18}, {19, 20}, {21, 22},
    {23, 25}, {26, 34}, {35, 41}, {42, 50}, {51, 60}, {61, 64},
}};

constexpr bool isFirstOfChain(int n) {
  for (const TopicChain& c : kTopicChains)
    if (c.first == n) return true;
  return false;
}
constexpr bool isLastOfChain(int n) {
  for (const TopicChain& c : kTopicChains)
    if (c.last == n) return true;
  return false;
}

}  // namespace apostila::pages
