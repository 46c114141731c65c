#include "steuerelemente.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace pz {
namespace {

// Edges are converted, not sizes, so controls 15 twips apart neither overlap nor leave
// the window at any dpi.
TEST(Steuerelemente, PixelÜberlappenBeiKeinerDpi) {
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

// A stand-in for a font: every character is 0.7 of the size in points wide, in pixels at
// 96 dpi.
auto Schrift(int dpi) {
  return [dpi](std::u16string_view zeile, double punkt) {
    return static_cast<int>(std::ceil(static_cast<double>(zeile.size()) * punkt * 0.7 * dpi / 96));
  };
}

TEST(Steuerelemente, BeschriftungenNehmenDieStandardschriftWoSiePasst) {
  // label, dpi, default size, lines, width, size
  const std::tuple<const char*, int, double, std::vector<std::u16string>, int, double> fälle[] = {
      // 9 characters at 8 pt are 51 px; Label3 begins 56 px to the right, less 4.
      {"Label2", 96, 8.0, {u"Seriennr."}, 51, 8.0},
      // At 11 pt it would run into Label3: the largest quarter point that fits.
      {"Label2", 96, 11.0, {u"Seriennr."}, 52, 8.25},
      {"Label2", 192, 11.0, {u"Seriennr."}, 104, 8.25},
      // "PZ" over a check digit has only 20 px before the next label.
      {"Label5", 96, 11.0, {u"PZ"}, 16, 11.0},
      {"Label5", 96, 16.0, {u"PZ"}, 20, 14.25},
      // A wrapping label breaks at its design width of 42 px at the default size; a
      // wider word widens it, up to the room there is, then the font steps down.
      {"Label1", 96, 5.0, {u"Behörden-", u"Kenn- Zahl"}, 42, 5.0},
      {"Label1", 96, 7.0, {u"Behörden-", u"Kenn-", u"Zahl"}, 45, 7.0},
      {"Label1", 96, 9.0, {u"Behörden-", u"Kenn-", u"Zahl"}, 52, 8.25},
      // Nothing stands right of Label8 in its rows; only the window's edge limits it.
      {"Label8", 96, 16.0, {u"PZ", u"gesamt"}, 63, 15.0},
  };
  for (const auto& [label, dpi, standard, zeilen, breite, punkt] : fälle) {
    SCOPED_TRACE(testing::Message() << label << " at " << standard << " pt, " << dpi << " dpi");
    const Steuerelement& s = *std::ranges::find(Steuerelemente, label, &Steuerelement::name);
    const BeschriftungsSatz satz = BeschriftungSetzen(s, dpi, standard, Schrift(dpi));
    EXPECT_EQ(satz.zeilen, zeilen);
    EXPECT_EQ(satz.breite, breite);
    EXPECT_DOUBLE_EQ(satz.punkt, punkt);
    EXPECT_LE(satz.breite, BeschriftungsRaum(s, dpi));
  }
}

// A screen reader tells the fields and buttons apart by their names alone; each name
// begins with the caption the user sees. One control of each kind:
TEST(Steuerelemente, ZugänglicheNamenUndBeschreibungen) {
  // object, name, description
  const std::tuple<std::string_view, std::u16string_view, std::u16string_view> soll[] = {
      {"Label1", u"Behörden- Kenn- Zahl", u""},
      {"cb_löschen", u"X: Nummer leeren", u""},
      {"cb_ZA_2", u"ZA: Block in die Zwischenablage (Ablauf, PZ, PZ gesamt)", u""},
      {"txtPZBKZ_Seriennr", u"PZ: Prüfziffer über die BKZ und die Seriennr.", u""},
      {"txtPZgesamt", u"PZ gesamt", u"Prüfziffer über alle Ziffern"},
      {"Text1", u"Nationalitätenkennzeichen", u""}};
  for (const auto& [objekt, name, beschreibung] : soll) {
    const Steuerelement& s = *std::ranges::find(Steuerelemente, objekt, ObjektName);
    EXPECT_EQ(ZugänglicherName(s), name) << objekt;
    EXPECT_EQ(ZugänglicheBeschreibung(s), beschreibung) << objekt;
  }
  std::set<std::u16string> namen;
  for (const Steuerelement& s : Steuerelemente) {
    EXPECT_TRUE(s.art == Art::Beschriftung || namen.insert(ZugänglicherName(s)).second)
        << ObjektName(s);
  }
}

}  // namespace
}  // namespace pz
