#include "ui/form1.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fake_fenster.hpp"

namespace pz {
namespace {

class Form1Test : public testing::Test {
 protected:
  void SetUp() override { f.Starte(); }

  std::u16string PrüfZiffern() const {
    return f.Text(Feld::txtPZBKZ_Seriennr) + u"|" + f.Text(Feld::txtPZGeburt) + u"|" +
           f.Text(Feld::txtPZAblauf) + u"|" + f.Text(Feld::txtPZgesamt);
  }

  test::FakeFenster f;
};

TEST_F(Form1Test, TypingLeftToRightMovesOnAndFillsEachCheckDigit) {
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
  EXPECT_EQ(f.Text(Feld::Text1), u"D");
  struct Schritt {
    std::u16string tasten;
    Feld fokus;
    std::u16string prüfziffern;
  };
  for (const auto& s : std::vector<Schritt>{
           {u"123", Feld::txtBehördenKennZahl, u"|||"},
           {u"4", Feld::txtSeriennr, u"|||"},  // the serial number is still missing
           {u"56789", Feld::txtGeburt, u"7|||"},
           {u"520727", Feld::txtAblauf, u"7|3||"},
           {u"10123", Feld::txtAblauf, u"7|3||"},
           {u"1", Feld::txtAblauf, u"7|3|2|6"},  // the last field keeps the focus
       }) {
    f.Tippe(s.tasten);
    EXPECT_EQ(f.Fokus(), s.fokus);
    EXPECT_EQ(PrüfZiffern(), s.prüfziffern);
  }
}

// Every input field, half full and full, against the characters a user may type.
TEST_F(Form1Test, KeyFilterLetsDigitsAndBackspaceThroughOnly) {
  const std::vector<std::int16_t> durch = {48, 53, 57, 8};
  const std::vector<std::int16_t> nie = {
      0x41, 0x61, 0x20, 0x2B,   0x2D, 13, 27, 9,  // letters, blank, signs, Enter, Esc, Tab
      3,    22,   24,   26,                       // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z
      47,   58,   0xDC, 0x0661, -1};              // neighbours of the digits, Ü, other digit
  struct Fall {
    Feld feld;
    std::u16string voll;
    bool vollNimmtZiffern;  // only the authority code leaves a full field to its limit
  };
  for (const Fall& fall :
       {Fall{Feld::txtBehördenKennZahl, u"1234", true}, Fall{Feld::txtSeriennr, u"12345", false},
        Fall{Feld::txtGeburt, u"123456", false}, Fall{Feld::txtAblauf, u"123456", false}}) {
    for (const bool voll : {false, true}) {
      f.SetzeText(fall.feld, voll ? fall.voll : u"12");
      for (std::int16_t c : durch) {
        std::int16_t code = c;
        f.form().KeyPress(fall.feld, code);
        EXPECT_EQ(code, (!voll || fall.vollNimmtZiffern) ? c : 0)
            << "field " << Nummer(fall.feld) << " full " << voll << " code " << c;
      }
      for (std::int16_t c : nie) {
        std::int16_t code = c;
        f.form().KeyPress(fall.feld, code);
        EXPECT_EQ(code, 0) << "field " << Nummer(fall.feld) << " code " << c;
      }
    }
  }
}

TEST_F(Form1Test, TypingIntoAFullFieldOrOverASelection) {
  f.Tippe(u"1234567895207271012");
  f.Tippe(u"31");
  // A fifth digit passes the filter but not the limit: no change, no rule, focus stays.
  f.Klicke(Feld::txtBehördenKennZahl);
  const int vorher = f.Änderungen(Feld::txtBehördenKennZahl);
  f.Tippe(u'5');
  EXPECT_EQ(f.Änderungen(Feld::txtBehördenKennZahl), vorher);
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
  // The same digit over itself is no change either.
  f.Markiere(0, 1);
  f.Tippe(u'1');
  EXPECT_EQ(f.Änderungen(Feld::txtBehördenKennZahl), vorher);
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
  // Another digit over a selection of the full authority code replaces it and moves on:
  // 9234 56789 differs from 1234 56789 by 7*8 = 56, so 7 becomes 3.
  f.Markiere(0, 1);
  f.Tippe(u'9');
  EXPECT_EQ(f.Text(Feld::txtBehördenKennZahl), u"9234");
  EXPECT_EQ(f.Fokus(), Feld::txtSeriennr);
  EXPECT_EQ(f.Text(Feld::txtPZBKZ_Seriennr), u"3");
  // A full date takes no digit even over a selection.
  f.Klicke(Feld::txtGeburt);
  f.Markiere(0, 1);
  f.Tippe(u'6');
  EXPECT_EQ(f.Text(Feld::txtGeburt), u"520727");
}

TEST_F(Form1Test, BackspaceAndDeleteInFullFields) {
  struct Fall {
    Feld feld;
    std::u16string text;
    bool backspaceWirkt;
    Feld geleert;
  };
  for (const Fall& fall : {Fall{Feld::txtBehördenKennZahl, u"1234", true, Feld::txtPZBKZ_Seriennr},
                           Fall{Feld::txtSeriennr, u"56789", false, Feld::txtPZBKZ_Seriennr},
                           Fall{Feld::txtGeburt, u"520727", false, Feld::txtPZGeburt},
                           Fall{Feld::txtAblauf, u"101231", false, Feld::txtPZAblauf}}) {
    f.form().cb_löschen_Click();
    f.Klicke(Feld::txtBehördenKennZahl);
    f.Tippe(u"1234567895207271012312");
    f.Klicke(fall.feld);
    f.Cursor(fall.text.size());
    f.Tippe(u'\b');
    if (!fall.backspaceWirkt) {
      EXPECT_EQ(f.Text(fall.feld), fall.text) << "Backspace took a character of a full field";
      f.Cursor(0);
      f.Entf();  // Delete types no character, so the full field still gives way
    }
    EXPECT_EQ(f.Text(fall.feld).size(), fall.text.size() - 1);
    EXPECT_EQ(f.Text(fall.geleert), u"");
    EXPECT_EQ(f.Fokus(), fall.feld);
    EXPECT_EQ(f.Text(Feld::txtPZgesamt), u"6") << "the overall digit keeps its last value";
  }
}

TEST_F(Form1Test, ShorteningOneBlockEmptiesOnlyItsDigitAndRetypingRecomputesAll) {
  f.Tippe(u"1234567895207271012312");
  f.Klicke(Feld::txtGeburt);
  f.Markiere(0, 1);
  f.Entf();
  EXPECT_EQ(PrüfZiffern(), u"7||2|6");
  f.Drücke("cb_ZA_alles");
  EXPECT_EQ(f.zwischenablage, u"1234567897D2072710123126");
  f.Klicke(Feld::txtGeburt);
  f.Cursor(0);
  f.Tippe(u'6');
  EXPECT_EQ(f.Fokus(), Feld::txtAblauf);
  EXPECT_EQ(PrüfZiffern(), u"7|0|2|0");
}

TEST_F(Form1Test, PastedTextIsCutToTheLimitAndComputedUnfiltered) {
  f.Einfügen(u"12a4");
  EXPECT_EQ(f.Fokus(), Feld::txtSeriennr);
  f.Einfügen(u"1234567");
  EXPECT_EQ(f.Text(Feld::txtSeriennr), u"12345");
  EXPECT_EQ(f.Fokus(), Feld::txtGeburt);
  // 12a4 12345: 7+6+0+28+3+2+21+12+5 = 84.
  EXPECT_EQ(f.Text(Feld::txtPZBKZ_Seriennr), u"4");
}

TEST_F(Form1Test, CopyButtonsPutTheirBlocksOnTheClipboard) {
  f.Tippe(u"1234567895207271012312");
  const std::u16string blöcke[] = {u"1234567897", u"5207273", u"10123126"};
  for (std::int16_t i = 0; i < 3; ++i) {
    f.Drücke("cb_ZA", i);
    EXPECT_EQ(f.zwischenablage, blöcke[i]) << "block " << i;
  }
  f.Drücke("cb_ZA_alles");
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");
  EXPECT_TRUE(f.meldungen.empty());
}

TEST_F(Form1Test, ABusyClipboardIsReportedAndChangesNothing) {
  f.Tippe(u"1234567895207271012312");
  f.zwischenablage = u"vorher";
  f.zwischenablageBelegt = true;
  f.Drücke("cb_ZA_alles");
  f.Drücke("cb_ZA", 1);
  ASSERT_EQ(f.meldungen.size(), 2U);
  for (const auto& m : f.meldungen) {
    EXPECT_EQ(m.text, ZwischenablageBelegtText);
    EXPECT_EQ(m.titel, FensterTitel);
    EXPECT_EQ(m.art, Meldungsart::Warnung);
  }
  EXPECT_EQ(f.zwischenablage, u"vorher");
  EXPECT_EQ(PrüfZiffern(), u"7|3|2|6");
  f.zwischenablageBelegt = false;  // once the other program lets go, the same button works
  f.Drücke("cb_ZA_alles");
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");
}

TEST_F(Form1Test, ClearEmptiesTheNumberButNotTheLetterTheClipboardOrTheFocus) {
  f.Tippe(u"1234567895207271012312");
  f.Drücke("cb_ZA_alles");
  f.Klicke(Feld::txtGeburt);
  f.form().cb_löschen_Click();  // as by the keyboard: the focus stays in the field
  EXPECT_EQ(PrüfZiffern(), u"|||");
  for (Feld e : Eingabefelder) {
    EXPECT_EQ(f.Text(e), u"");
  }
  EXPECT_EQ(f.Text(Feld::Text1), u"D");
  EXPECT_EQ(f.Fokus(), Feld::txtGeburt);
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");
  // On an empty number it changes nothing.
  const int vorher = f.Änderungen(Feld::txtBehördenKennZahl);
  f.Drücke("cb_löschen");
  EXPECT_EQ(f.Änderungen(Feld::txtBehördenKennZahl), vorher);
}

TEST_F(Form1Test, DoubleClickShowsTheAboutBoxAndActivationTheAuthorityCode) {
  f.Tippe(u"1234");
  f.form().Form_DblClick();
  ASSERT_EQ(f.meldungen.size(), 1U);
  EXPECT_EQ(f.meldungen[0].text, InfoText);
  EXPECT_EQ(f.meldungen[0].titel, u"MORVAs Voveduzaz");
  EXPECT_EQ(static_cast<int>(f.meldungen[0].art), 64);
  EXPECT_EQ(f.Fokus(), Feld::txtSeriennr);
  f.form().Form_Activate();
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
}

}  // namespace
}  // namespace pz
