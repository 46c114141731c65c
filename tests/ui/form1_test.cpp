#include "ui/form1.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_fenster.hpp"

namespace pz {
namespace {

using B = Feld;  // keeps the tables below readable

std::u16string PrüfZiffern(const test::FakeFenster& f) {
  return f.Text(B::txtPZBKZ_Seriennr) + u"|" + f.Text(B::txtPZGeburt) + u"|" +
         f.Text(B::txtPZAblauf) + u"|" + f.Text(B::txtPZgesamt);
}

TEST(Form1, TypingLeftToRightMovesOnAndFillsEachCheckDigit) {
  test::FakeFenster f;
  struct Schritt {
    std::u16string tasten;
    Feld fokus;
    std::u16string prüfziffern;
  };
  for (const auto& s : std::vector<Schritt>{
           {u"12a -\r\x1B\x16"
            u"34",
            B::txtSeriennr, u"|||"},  // non-digits are cancelled
           {u"56789", B::txtGeburt, u"7|||"},
           {u"520727", B::txtAblauf, u"7|3||"},
           {u"1012319", B::txtAblauf, u"7|3|2|6"},  // the last field keeps the focus
       }) {
    f.Tippe(s.tasten);
    EXPECT_EQ(f.fokus, s.fokus);
    EXPECT_EQ(PrüfZiffern(f), s.prüfziffern);
  }
  EXPECT_EQ(f.Text(B::txtAblauf), u"101231");
}

// What a full field still takes: the authority code is left to its maximum length, the
// others take nothing typed, not even Backspace, only the Delete key.
TEST(Form1, FullFields) {
  struct Fall {
    Feld feld;
    std::u16string überTippen;  // the field after typing 9 over its first character
    bool backspace;             // whether Backspace shortens the full field
    Feld geleert;
  };
  for (const Fall& fall : {Fall{B::txtBehördenKennZahl, u"9234", true, B::txtPZBKZ_Seriennr},
                           Fall{B::txtSeriennr, u"56789", false, B::txtPZBKZ_Seriennr},
                           Fall{B::txtGeburt, u"520727", false, B::txtPZGeburt},
                           Fall{B::txtAblauf, u"101231", false, B::txtPZAblauf}}) {
    test::FakeFenster f;
    f.Tippe(u"1234567895207271012312");
    f.fokus = fall.feld;
    const int vorher = f.änderungen;
    f.Tippe(u"5");  // a fifth digit is refused without any change
    f.Markiere(0, 1);
    f.Tippe(f.Text(fall.feld).substr(0, 1));  // the same digit over itself is no change
    EXPECT_EQ(f.änderungen, vorher);
    EXPECT_EQ(f.fokus, fall.feld);
    f.Markiere(0, 1);
    f.Tippe(u"9");
    EXPECT_EQ(f.Text(fall.feld), fall.überTippen);
    f.fokus = fall.feld;
    const std::u16string voll = f.Text(fall.feld);
    const std::u16string gesamt = f.Text(B::txtPZgesamt);
    f.Tippe(u"\b");
    EXPECT_EQ(f.Text(fall.feld).size(), voll.size() - fall.backspace);
    f.Entf(0);
    EXPECT_EQ(f.Text(fall.geleert), u"");
    EXPECT_EQ(f.fokus, fall.feld);
    EXPECT_EQ(f.Text(B::txtPZgesamt), gesamt) << "the overall digit keeps its last value";
  }
}

TEST(Form1, RetypingABlockRecomputesAll) {
  test::FakeFenster f;
  f.Tippe(u"1234567895207271012312");
  f.fokus = B::txtGeburt;
  f.Entf(0);
  EXPECT_EQ(PrüfZiffern(f), u"7||2|6");
  f.Tippe(u"6");
  EXPECT_EQ(f.Text(B::txtGeburt), u"207276");
  EXPECT_EQ(f.fokus, B::txtAblauf);
  EXPECT_EQ(PrüfZiffern(f), u"7|2|2|4");
}

TEST(Form1, PastedTextIsCutToTheLimitAndComputedUnfiltered) {
  test::FakeFenster f;
  f.Einfügen(u"12a4");
  EXPECT_EQ(f.fokus, B::txtSeriennr);
  f.Einfügen(u"1234567");
  EXPECT_EQ(f.Text(B::txtSeriennr), u"12345");
  EXPECT_EQ(f.fokus, B::txtGeburt);
  EXPECT_EQ(f.Text(B::txtPZBKZ_Seriennr), u"4");  // 7+6+0+28+3+2+21+12+5 = 84
}

TEST(Form1, CommandsCopyClearAndShowTheAboutBox) {
  test::FakeFenster f;
  f.Tippe(u"1234567895207271012312");
  const std::u16string blöcke[] = {u"1234567897", u"5207273", u"10123126"};
  for (std::int16_t i = 0; i < 3; ++i) {
    f.form.cb_ZA_Click(i);
    EXPECT_EQ(f.zwischenablage, blöcke[i]);
  }
  f.form.cb_ZA_alles_Click();
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");

  // A busy clipboard is reported, and nothing changes.
  f.belegt = true;
  f.form.cb_ZA_Click(1);
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");
  f.form.Form_DblClick();
  EXPECT_EQ(f.meldungen, (std::vector<std::u16string>{
                             std::u16string(FensterTitel) + u"|" +
                                 std::u16string(ZwischenablageBelegtText) + u"|48",
                             u"MORVAs Voveduzaz|" + std::u16string(InfoText) + u"|64"}));
  EXPECT_EQ(PrüfZiffern(f), u"7|3|2|6");

  // Clearing empties the number but not "D", the clipboard or the focus.
  f.fokus = B::txtGeburt;
  f.form.cb_löschen_Click();
  EXPECT_EQ(PrüfZiffern(f), u"|||");
  f.belegt = false;
  f.form.cb_ZA_alles_Click();
  EXPECT_EQ(f.zwischenablage, u"D");
  EXPECT_EQ(f.fokus, B::txtGeburt);
  f.form.Form_Activate();
  EXPECT_EQ(f.fokus, B::txtBehördenKennZahl);
}

}  // namespace
}  // namespace pz
