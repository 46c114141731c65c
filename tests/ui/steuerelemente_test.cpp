#include "ui/steuerelemente.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/nummer.hpp"

namespace pz {
namespace {

// Tab skips labels and disabled fields, and the authority code comes last; the input
// fields stop at their full length, on which the change rules rely.
TEST(Steuerelemente, TabCycleAndLimits) {
  std::string zyklus;
  for (const auto& s : Steuerelemente) {  // listed in tab-index order
    if (s.art != Art::Beschriftung && s.aktiviert) {
      zyklus += ObjektName(s) + " ";
    }
  }
  EXPECT_EQ(zyklus,
            "cb_ZA_alles cb_löschen cb_ZA_0 cb_ZA_1 cb_ZA_2 txtSeriennr txtGeburt txtAblauf "
            "txtBehördenKennZahl ");
  for (Feld e : Eingabefelder) {
    EXPECT_EQ(static_cast<std::size_t>(ZeileVon(e).maxLänge), VolleLänge(e));
  }
}

// Edges are converted, not sizes, so controls 15 twips apart neither overlap nor leave
// the window at any dpi.
TEST(Steuerelemente, PixelsNeverOverlapAtAnyDpi) {
  for (int dpi : {96, 110, 120, 144, 192}) {
    for (const auto& a : Steuerelemente) {
      const auto p = InPixel(a, dpi);
      EXPECT_LE(p.x + p.breite, InPixel(FensterBreite, dpi));
      EXPECT_LE(p.y + p.höhe, InPixel(FensterHöhe, dpi));
      for (const auto& b : Steuerelemente) {
        const auto q = InPixel(b, dpi);
        EXPECT_TRUE(&a == &b || p.x + p.breite <= q.x || q.x + q.breite <= p.x ||
                    p.y + p.höhe <= q.y || q.y + q.höhe <= p.y)
            << dpi << " dpi: " << ObjektName(a) << " / " << ObjektName(b);
      }
    }
  }
  EXPECT_EQ(InPixel(ZeileVon(Feld::txtSeriennr), 96), (PixelRechteck{56, 56, 63, 26}));
  EXPECT_EQ(InPixel(FensterHöhe, 144), 170);
}

}  // namespace
}  // namespace pz
