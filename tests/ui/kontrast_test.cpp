#include "kontrast.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pz {
namespace {

constexpr Farbe Grau(std::uint8_t wert) {
  return {wert, wert, wert};
}

TEST(Kontrast, WieWcagMisst) {
  const struct {
    Farbe a, b;
    double soll;
  } fälle[] = {
      {Grau(0), Grau(255), 21.0},     {Grau(200), Grau(200), 1.0},    {Grau(0x76), Grau(255), 4.54},
      {Grau(0xBE), Grau(0xEF), 1.62}, {Grau(0xA6), Grau(0xF5), 2.23}, {{255, 0, 0}, Grau(255), 4.0},
  };
  for (const auto& fall : fälle) {
    EXPECT_NEAR(Kontrast(fall.a, fall.b), fall.soll, 0.005) << fall.soll;
    EXPECT_DOUBLE_EQ(Kontrast(fall.a, fall.b), Kontrast(fall.b, fall.a));
  }
}

// The grey stays where it reads; elsewhere it darkens or lightens just far enough to read
// on every ground.
TEST(Kontrast, LesbaresGrauNurSoWeitWieNötig) {
  struct Fall {
    const char* name;
    Farbe grau;
    std::vector<Farbe> gründe;
    Farbe schrift;
    bool bleibt;
  };
  for (const Fall& fall : {
           Fall{"Windows on the dialog face", Grau(0x6D), {Grau(0xF0)}, Grau(0), true},
           Fall{"Fusion, light", Grau(0xBE), {Grau(0xEF), Grau(0xEF)}, Grau(0), false},
           Fall{"Wine", Grau(0xA6), {Grau(0xF5)}, Grau(0), false},
           Fall{"a dark palette", Grau(0x7F), {Grau(0x2A), Grau(0x35)}, Grau(0xFF), false},
           Fall{"field and window apart", Grau(0xBE), {Grau(0xFF), Grau(0xE0)}, Grau(0), false},
           Fall{"a text colour that does not read", Grau(0x99), {Grau(0xFF)}, Grau(0xAA), false},
       }) {
    SCOPED_TRACE(fall.name);
    const Farbe lesbar = LesbaresGrau(fall.grau, fall.gründe, fall.schrift);
    EXPECT_EQ(lesbar == fall.grau, fall.bleibt);
    double kleinster = 21.0;
    for (const Farbe grund : fall.gründe) {
      kleinster = std::min(kleinster, Kontrast(lesbar, grund));
    }
    EXPECT_GE(kleinster, LesbarerKontrast);
    EXPECT_TRUE(fall.bleibt || kleinster < LesbarerKontrast + 0.1) << kleinster;
  }
}

}  // namespace
}  // namespace pz
