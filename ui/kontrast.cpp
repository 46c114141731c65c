#include "kontrast.hpp"

#include <algorithm>
#include <cmath>

namespace pz {

namespace {

double Leuchtdichte(Farbe f) {
  const auto linear = [](std::uint8_t kanal) {
    const double c = kanal / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(f.rot) + 0.7152 * linear(f.grün) + 0.0722 * linear(f.blau);
}

double KleinsterKontrast(Farbe f, std::span<const Farbe> gründe) {
  double kleinster = 21.0;
  for (const Farbe grund : gründe) {
    kleinster = std::min(kleinster, Kontrast(f, grund));
  }
  return kleinster;
}

std::uint8_t Mischen(std::uint8_t von, std::uint8_t zu, int schritt) {
  return static_cast<std::uint8_t>(von + std::lround((zu - von) * schritt / 255.0));
}

}  // namespace

double Kontrast(Farbe a, Farbe b) {
  const double la = Leuchtdichte(a);
  const double lb = Leuchtdichte(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Farbe LesbaresGrau(Farbe grau, std::span<const Farbe> gründe, Farbe schrift) {
  if (KleinsterKontrast(grau, gründe) >= LesbarerKontrast) {
    return grau;
  }
  Farbe ziel = schrift;
  if (KleinsterKontrast(ziel, gründe) < LesbarerKontrast) {
    constexpr Farbe Schwarz{0, 0, 0}, Weiß{255, 255, 255};
    ziel = KleinsterKontrast(Schwarz, gründe) >= KleinsterKontrast(Weiß, gründe) ? Schwarz : Weiß;
  }
  for (int schritt = 1; schritt < 255; ++schritt) {
    const Farbe f{Mischen(grau.rot, ziel.rot, schritt), Mischen(grau.grün, ziel.grün, schritt),
                  Mischen(grau.blau, ziel.blau, schritt)};
    if (KleinsterKontrast(f, gründe) >= LesbarerKontrast) {
      return f;
    }
  }
  return ziel;
}

}  // namespace pz
