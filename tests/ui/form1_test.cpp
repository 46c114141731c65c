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

// Copying, the busy clipboard and the message boxes are tested through each front end.
TEST(Form1, ClearEmptiesTheNumberButNotTheLetterTheClipboardOrTheFocus) {
  test::FakeFenster f;
  f.Tippe(u"1234567895207271012312");
  f.form.cb_ZA_alles_Click();
  f.fokus = B::txtGeburt;
  f.form.cb_löschen_Click();
  EXPECT_EQ(PrüfZiffern(f), u"|||");
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");
  EXPECT_EQ(f.fokus, B::txtGeburt);
  f.form.cb_ZA_alles_Click();
  EXPECT_EQ(f.zwischenablage, u"D");
  f.form.Form_Activate();
  EXPECT_EQ(f.fokus, B::txtBehördenKennZahl);
}

}  // namespace
}  // namespace pz
