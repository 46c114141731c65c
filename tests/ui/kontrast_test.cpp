#include "kontrast.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <tuple>
#include <vector>

namespace pz {
namespace {

constexpr Farbe Grau(std::uint8_t wert) {
  return {wert, wert, wert};
}

// The contrast as WCAG measures it. The grey stays where it reads; elsewhere it darkens or
// lightens just far enough to read on every ground.
TEST(Kontrast, LesbaresGrauNurSoWeitWieNötig) {
  // name, the platform's grey, the grounds, the text colour, whether the grey stays
  const std::tuple<const char*, Farbe, std::vector<Farbe>, Farbe, bool> fälle[] = {
      {"Windows on the dialog face", Grau(0x6D), {Grau(0xF0)}, Grau(0), true},
      {"Fusion, light", Grau(0xBE), {Grau(0xEF), Grau(0xEF)}, Grau(0), false},
      {"Wine", Grau(0xA6), {Grau(0xF5)}, Grau(0), false},
      {"a dark palette", Grau(0x7F), {Grau(0x2A), Grau(0x35)}, Grau(0xFF), false},
      {"field and window apart", Grau(0xBE), {Grau(0xFF), Grau(0xE0)}, Grau(0), false},
      {"a text colour that does not read", Grau(0x99), {Grau(0xFF)}, Grau(0xAA), false},
  };
  EXPECT_NEAR(Kontrast(Grau(0x76), Grau(255)), 4.54, 0.005);
  EXPECT_NEAR(Kontrast(Grau(255), {255, 0, 0}), 4.0, 0.005);
  for (const auto& [name, grau, gründe, schrift, bleibt] : fälle) {
    SCOPED_TRACE(name);
    const Farbe lesbar = LesbaresGrau(grau, gründe, schrift);
    EXPECT_EQ(lesbar == grau, bleibt);
    const double kleinster = std::ranges::min(
        gründe | std::views::transform([lesbar](Farbe grund) { return Kontrast(lesbar, grund); }));
    EXPECT_GE(kleinster, LesbarerKontrast);
    EXPECT_TRUE(bleibt || kleinster < LesbarerKontrast + 0.1) << kleinster;
  }
}

}  // namespace
}  // namespace pz
