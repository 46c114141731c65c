#include "ui/steuerelemente.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/nummer.hpp"

namespace pz {
namespace {

std::vector<std::string> Namen(const std::vector<const Steuerelement*>& liste) {
  std::vector<std::string> namen;
  for (const auto* s : liste) {
    namen.push_back(ObjektName(*s));
  }
  return namen;
}

TEST(Steuerelemente, NineFieldsEightLabelsFiveButtonsWithUniqueNames) {
  std::set<std::string> namen;
  int felder = 0, labels = 0, knöpfe = 0;
  std::set<Feld> gesehen;
  for (const auto& s : Steuerelemente) {
    EXPECT_TRUE(namen.insert(ObjektName(s)).second) << ObjektName(s);
    felder += s.art == Art::Textfeld;
    labels += s.art == Art::Beschriftung;
    knöpfe += s.art == Art::Knopf;
    if (s.art == Art::Textfeld) {
      EXPECT_TRUE(gesehen.insert(s.feld).second);
      EXPECT_EQ(ZeileVon(s.feld).name, s.name);
    }
  }
  EXPECT_EQ(felder, 9);
  EXPECT_EQ(labels, 8);
  EXPECT_EQ(knöpfe, 5);
}

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
  EXPECT_EQ(Namen(zyklus), (std::vector<std::string>{
                               "cb_ZA_alles", "cb_löschen", "cb_ZA_0", "cb_ZA_1", "cb_ZA_2",
                               "txtSeriennr", "txtGeburt", "txtAblauf", "txtBehördenKennZahl"}));
}

TEST(Steuerelemente, InputFieldsAreEnabledAndStopAtTheirFullLength) {
  for (const auto& s : Steuerelemente) {
    if (s.art != Art::Textfeld) {
      continue;
    }
    const bool eingabe =
        std::find(Eingabefelder.begin(), Eingabefelder.end(), s.feld) != Eingabefelder.end();
    EXPECT_EQ(s.aktiviert, eingabe) << s.name;
    if (eingabe) {
      EXPECT_EQ(static_cast<std::size_t>(s.maxLänge), VolleLänge(s.feld)) << s.name;
    }
    EXPECT_FALSE(ZugänglicherName(s).empty()) << s.name;
    EXPECT_EQ(s.text, s.feld == Feld::Text1 ? u"D" : u"") << s.name;
  }
}

TEST(Steuerelemente, NoTwoControlsOverlapAndAllFitWithTheirMargins) {
  for (std::size_t i = 0; i < Steuerelemente.size(); ++i) {
    const auto& a = Steuerelemente[i];
    EXPECT_GE(a.links, 120) << a.name;
    EXPECT_GE(a.oben, 120) << a.name;
    EXPECT_LE(a.links + a.breite, FensterBreite - 170) << a.name;
    EXPECT_LE(a.oben + a.höhe, FensterHöhe - 120) << a.name;
    for (std::size_t j = i + 1; j < Steuerelemente.size(); ++j) {
      const auto& b = Steuerelemente[j];
      const bool getrennt = a.links + a.breite <= b.links || b.links + b.breite <= a.links ||
                            a.oben + a.höhe <= b.oben || b.oben + b.höhe <= a.oben;
      EXPECT_TRUE(getrennt) << ObjektName(a) << " overlaps " << ObjektName(b);
    }
  }
}

// The number row in the order of the number, with the gaps between neighbours.
TEST(Steuerelemente, NumberRowStandsInTheOrderOfTheNumber) {
  const Feld reihe[] = {
      Feld::txtBehördenKennZahl, Feld::txtSeriennr, Feld::txtPZBKZ_Seriennr, Feld::Text1,
      Feld::txtGeburt,           Feld::txtPZGeburt, Feld::txtAblauf,         Feld::txtPZAblauf,
      Feld::txtPZgesamt};
  const int lücken[] = {60, 15, 138, 90, 60, 120, 60, 120};
  for (std::size_t i = 0; i + 1 < std::size(reihe); ++i) {
    const auto& a = ZeileVon(reihe[i]);
    const auto& b = ZeileVon(reihe[i + 1]);
    EXPECT_EQ(b.links - (a.links + a.breite), lücken[i]) << a.name << " to " << b.name;
    EXPECT_EQ(a.oben, 840);
    EXPECT_EQ(a.höhe, 396);
  }
}

TEST(Pixel, TwipsScaleWithTheScreen) {
  struct Fall {
    int dpi;
    int breite, höhe;
  };
  for (const Fall& f :
       {Fall{96, 428, 113}, Fall{120, 535, 141}, Fall{144, 642, 170}, Fall{192, 856, 226}}) {
    EXPECT_EQ(InPixel(FensterBreite, f.dpi), f.breite) << f.dpi;
    EXPECT_EQ(InPixel(FensterHöhe, f.dpi), f.höhe) << f.dpi;
  }
}

// Edges are converted, so neighbours that touch or nearly touch in twips keep their
// order and never overlap on screen, at any dpi.
TEST(Pixel, RectanglesNeverOverlapAtAnyDpi) {
  for (int dpi : {96, 110, 120, 144, 168, 192, 240}) {
    for (std::size_t i = 0; i < Steuerelemente.size(); ++i) {
      const auto a = InPixel(Steuerelemente[i], dpi);
      EXPECT_GT(a.breite, 0);
      EXPECT_GT(a.höhe, 0);
      for (std::size_t j = i + 1; j < Steuerelemente.size(); ++j) {
        const auto b = InPixel(Steuerelemente[j], dpi);
        const bool getrennt = a.x + a.breite <= b.x || b.x + b.breite <= a.x ||
                              a.y + a.höhe <= b.y || b.y + b.höhe <= a.y;
        EXPECT_TRUE(getrennt) << dpi << " dpi: " << ObjektName(Steuerelemente[i]) << " / "
                              << ObjektName(Steuerelemente[j]);
      }
    }
  }
  // At 96 dpi the serial number and its check digit stay one pixel apart (15 twips).
  const auto ser = InPixel(ZeileVon(Feld::txtSeriennr), 96);
  const auto pz = InPixel(ZeileVon(Feld::txtPZBKZ_Seriennr), 96);
  EXPECT_EQ(pz.x - (ser.x + ser.breite), 1);
  EXPECT_EQ(ser, (PixelRechteck{56, 56, 63, 26}));
}

}  // namespace
}  // namespace pz
