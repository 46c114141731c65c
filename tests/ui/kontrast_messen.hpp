#pragma once

#include <algorithm>
#include <span>

#include "kontrast.hpp"

namespace pz::test {

// The contrast of text as drawn, from the pixels inside a field's frame: the most frequent
// colour is the ground, the one that stands out most against it the ink.
inline double GezeichneterKontrast(std::span<const Farbe> pixel) {
  const Farbe grund = *std::ranges::max_element(
      pixel, {}, [&](Farbe farbe) { return std::ranges::count(pixel, farbe); });
  double kontrast = 1.0;
  for (const Farbe farbe : pixel) {
    kontrast = std::max(kontrast, Kontrast(farbe, grund));
  }
  return kontrast;
}

}  // namespace pz::test
