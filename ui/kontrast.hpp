#pragma once

#include <cstdint>
#include <span>

namespace pz {

struct Farbe {
  std::uint8_t rot, grün, blau;
  friend bool operator==(const Farbe&, const Farbe&) = default;
};

// The contrast of two colours as WCAG measures it: from 1:1 (the same) to 21:1 (black on
// white).
double Kontrast(Farbe a, Farbe b);

// What text needs to be readable against its ground.
inline constexpr double LesbarerKontrast = 4.5;

// The colour in which the display fields draw their text: the platform's disabled grey,
// where it reads on every ground it may stand on; otherwise that grey moved toward the
// normal text colour just far enough (toward black or white, where even the text colour
// would not read), so that the fields still look disabled.
Farbe LesbaresGrau(Farbe grau, std::span<const Farbe> gründe, Farbe schrift);

}  // namespace pz
