#include "ui/steuerelemente.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/nummer.hpp"

namespace pz {
namespace {

// Tab skips labels and disabled fields; the authority code comes last in the cycle.
TEST(Steuerelemente, TabCycleVisitsNineControlsInOrder) {
  std::vector<const Steuerelement*> zyklus;
  for (const auto& s : Steuerelemente) {
    if (s.art != Art::Beschriftung && s.aktiviert) {
      zyklus.push_back(&s);
    }
  }
  std::stable_sort(zyklus.begin(), zyklus.end(),
                   [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  std::vector<std::string> namen;
  for (const auto* s : zyklus) {
    namen.push_back(ObjektName(*s));
  }
  EXPECT_EQ(namen, (std::vector<std::string>{"cb_ZA_alles", "cb_löschen", "cb_ZA_0", "cb_ZA_1",
                                             "cb_ZA_2", "txtSeriennr", "txtGeburt", "txtAblauf",
                                             "txtBehördenKennZahl"}));
}

// The change rules count on a field never holding more than its full length.
TEST(Steuerelemente, InputFieldsStopAtTheirFullLengthAndAllNamesAreUnique) {
  std::set<std::string> namen;
  for (const auto& s : Steuerelemente) {
    EXPECT_TRUE(namen.insert(ObjektName(s)).second) << ObjektName(s);
  }
  for (Feld e : Eingabefelder) {
    EXPECT_TRUE(ZeileVon(e).aktiviert);
    EXPECT_EQ(static_cast<std::size_t>(ZeileVon(e).maxLänge), VolleLänge(e));
  }
}

bool Getrennt(const PixelRechteck& a, const PixelRechteck& b) {
  return a.x + a.breite <= b.x || b.x + b.breite <= a.x || a.y + a.höhe <= b.y ||
         b.y + b.höhe <= a.y;
}

// Edges are converted rather than sizes, so controls that nearly touch in twips (15 twips
// between the serial number and its check digit) neither overlap nor leave the window at
// any dpi.
TEST(Pixel, ControlsNeverOverlapAndStayInsideAtAnyDpi) {
  struct Fall {
    int dpi, breite, höhe;
  };
  for (const Fall& f : {Fall{96, 428, 113}, Fall{110, 490, 129}, Fall{120, 535, 141},
                        Fall{144, 642, 170}, Fall{192, 856, 226}}) {
    EXPECT_EQ(InPixel(FensterBreite, f.dpi), f.breite);
    EXPECT_EQ(InPixel(FensterHöhe, f.dpi), f.höhe);
    for (std::size_t i = 0; i < Steuerelemente.size(); ++i) {
      const auto a = InPixel(Steuerelemente[i], f.dpi);
      EXPECT_TRUE(a.breite > 0 && a.x + a.breite < f.breite && a.y + a.höhe < f.höhe);
      for (std::size_t j = i + 1; j < Steuerelemente.size(); ++j) {
        EXPECT_TRUE(Getrennt(a, InPixel(Steuerelemente[j], f.dpi)))
            << f.dpi << " dpi: " << ObjektName(Steuerelemente[i]) << " / "
            << ObjektName(Steuerelemente[j]);
      }
    }
  }
  EXPECT_EQ(InPixel(ZeileVon(Feld::txtSeriennr), 96), (PixelRechteck{56, 56, 63, 26}));
  EXPECT_EQ(InPixel(ZeileVon(Feld::txtPZBKZ_Seriennr), 96).x, 56 + 63 + 1);
}

}  // namespace
}  // namespace pz
