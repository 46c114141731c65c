#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ranges>
#include <vector>

#include "kontrast.hpp"

namespace pz::test {

// The contrast of text as drawn, from the pixels inside a field's frame, two in from each
// edge, each as 0xRRGGBB: the most frequent colour is the ground, the one that stands out
// most against it the ink.
inline double GezeichneterKontrast(int breite, int höhe,
                                   const std::function<std::uint32_t(int x, int y)>& rgb) {
  std::vector<Farbe> pixel;
  for (int y = 2; y < höhe - 2; ++y) {
    for (int x = 2; x < breite - 2; ++x) {
      const std::uint32_t p = rgb(x, y);
      pixel.push_back({static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                       static_cast<std::uint8_t>(p)});
    }
  }
  const Farbe grund = *std::ranges::max_element(
      pixel, {}, [&](Farbe farbe) { return std::ranges::count(pixel, farbe); });
  return std::ranges::max(
      pixel | std::views::transform([grund](Farbe farbe) { return Kontrast(farbe, grund); }));
}

}  // namespace pz::test
