#include "ui/steuerelemente.hpp"

#include <gtest/gtest.h>

#include "core/nummer.hpp"

namespace pz {
namespace {

// The change rules rely on a field never holding more than its full length.
TEST(Steuerelemente, InputFieldsStopAtTheirFullLength) {
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
