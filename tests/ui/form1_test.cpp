#include "ui/form1.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fake_fenster.hpp"

namespace pz {
namespace {

using test::FakeFenster;

class Form1Test : public testing::Test {
 protected:
  void SetUp() override { f.Starte(); }

  // Types the four inputs left to right, as a user does without the mouse.
  void TippeNummer(const std::u16string& bkz = u"1234", const std::u16string& ser = u"56789",
                   const std::u16string& geb = u"520727", const std::u16string& abl = u"101231") {
    f.Tippe(bkz + ser + geb + abl);
  }

  std::u16string PrüfZiffern() const {
    return f.Text(Feld::txtPZBKZ_Seriennr) + u"|" + f.Text(Feld::txtPZGeburt) + u"|" +
           f.Text(Feld::txtPZAblauf) + u"|" + f.Text(Feld::txtPZgesamt);
  }

  FakeFenster f;
};

TEST_F(Form1Test, StartsEmptyWithTheFocusInTheAuthorityCode) {
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
  EXPECT_EQ(f.Text(Feld::Text1), u"D");
  EXPECT_EQ(PrüfZiffern(), u"|||");
  EXPECT_EQ(f.form().Rechner().Gewichte()[1], 7);
}

TEST_F(Form1Test, TypingLeftToRightMovesOnAndFillsEachCheckDigit) {
  struct Schritt {
    std::u16string tasten;
    Feld fokusDanach;
    std::u16string prüfziffern;
  };
  const std::vector<Schritt> schritte = {
      {u"123", Feld::txtBehördenKennZahl, u"|||"},
      {u"4", Feld::txtSeriennr, u"|||"},  // serial number still missing
      {u"5678", Feld::txtSeriennr, u"|||"},
      {u"9", Feld::txtGeburt, u"7|||"},
      {u"520727", Feld::txtAblauf, u"7|3||"},
      {u"10123", Feld::txtAblauf, u"7|3||"},
      {u"1", Feld::txtAblauf, u"7|3|2|6"},  // the last field keeps the focus
  };
  for (const auto& s : schritte) {
    f.Tippe(s.tasten);
    EXPECT_EQ(f.Fokus(), s.fokusDanach);
    EXPECT_EQ(PrüfZiffern(), s.prüfziffern);
  }
}

// Every input field, empty and full, against the characters a user may type.
TEST_F(Form1Test, KeyFilterLetsDigitsAndBackspaceThroughOnly) {
  const std::vector<std::int16_t> durch = {48, 49, 53, 57, 8};
  const std::vector<std::int16_t> nie = {
      0x41, 0x61, 0x20, 0x2B,   0x2D, 0x2E, 13, 27, 9,  // letters, blank, signs, Enter, Esc, Tab
      3,    22,   24,   26,                             // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z
      47,   58,   0xDC, 0x0661, -1};                    // neighbours of the digits, Ü, other digit
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

TEST_F(Form1Test, ControlCharactersAndLettersLeaveTheFieldUnchanged) {
  f.Tippe(u"12");
  f.Tippe(u"\x16\x03\x18\x1A a+\r\x1B");
  EXPECT_EQ(f.Text(Feld::txtBehördenKennZahl), u"12");
  EXPECT_EQ(f.Änderungen(Feld::txtBehördenKennZahl), 2);
}

TEST_F(Form1Test, AFifthDigitIsRefusedByTheLimitWithoutAChange) {
  f.Tippe(u"1234");
  f.Klicke(Feld::txtBehördenKennZahl);
  const int vorher = f.Änderungen(Feld::txtBehördenKennZahl);
  f.Tippe(u'5');
  EXPECT_EQ(f.Text(Feld::txtBehördenKennZahl), u"1234");
  EXPECT_EQ(f.Änderungen(Feld::txtBehördenKennZahl), vorher);
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
}

TEST_F(Form1Test, ADigitOverASelectionOfAFullAuthorityCodeRecomputes) {
  TippeNummer();
  f.Klicke(Feld::txtBehördenKennZahl);
  f.Markiere(0, 1);
  f.Tippe(u'9');
  EXPECT_EQ(f.Text(Feld::txtBehördenKennZahl), u"9234");
  EXPECT_EQ(f.Fokus(), Feld::txtSeriennr);
  // 9234 56789: weighted sum 7*9 + ... differs from 1234's by 7*8 = 56, so 7 becomes 3.
  EXPECT_EQ(f.Text(Feld::txtPZBKZ_Seriennr), u"3");

  // The same digit over itself is no change: no rule runs, the focus stays.
  f.Klicke(Feld::txtBehördenKennZahl);
  f.Markiere(0, 1);
  const int vorher = f.Änderungen(Feld::txtBehördenKennZahl);
  f.Tippe(u'9');
  EXPECT_EQ(f.Änderungen(Feld::txtBehördenKennZahl), vorher);
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
}

TEST_F(Form1Test, BackspaceAndDeleteInFullFields) {
  TippeNummer();
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
    TippeNummer();
    f.Klicke(fall.feld);
    f.Cursor(fall.text.size());
    f.Tippe(u'\b');
    if (fall.backspaceWirkt) {
      EXPECT_EQ(f.Text(fall.feld), fall.text.substr(0, fall.text.size() - 1));
      EXPECT_EQ(f.Text(fall.geleert), u"");
    } else {
      EXPECT_EQ(f.Text(fall.feld), fall.text) << "Backspace took a character of a full field";
      f.Cursor(0);
      f.Entf();  // Delete types no character, so the full field still gives way
      EXPECT_EQ(f.Text(fall.feld), fall.text.substr(1));
      EXPECT_EQ(f.Text(fall.geleert), u"");
    }
    EXPECT_EQ(f.Fokus(), fall.feld);
    EXPECT_EQ(f.Text(Feld::txtPZgesamt), u"6") << "the overall digit keeps its last value";
  }
}

TEST_F(Form1Test, ShorteningOneBlockEmptiesOnlyItsDigitAndRetypingRecomputesAll) {
  TippeNummer();
  f.Klicke(Feld::txtGeburt);
  f.Cursor(6);
  f.Markiere(5, 1);
  f.Entf();
  EXPECT_EQ(PrüfZiffern(), u"7||2|6");
  EXPECT_EQ(f.Fokus(), Feld::txtGeburt);
  f.Tippe(u'7');
  EXPECT_EQ(PrüfZiffern(), u"7|3|2|6");
  EXPECT_EQ(f.Fokus(), Feld::txtAblauf);

  // A different first digit of the date of birth changes the overall digit too.
  // A full field takes no digit even over a selection; the digit must go first.
  f.Klicke(Feld::txtGeburt);
  f.Markiere(0, 1);
  f.Tippe(u'6');
  EXPECT_EQ(f.Text(Feld::txtGeburt), u"520727");
  f.Entf();
  f.Tippe(u'6');
  EXPECT_EQ(f.Text(Feld::txtGeburt), u"620727");
  EXPECT_EQ(PrüfZiffern(), u"7|0|2|0");
}

TEST_F(Form1Test, PastedTextIsCutToTheLimitAndComputedWithUnfiltered) {
  f.Einfügen(u"12a4");
  EXPECT_EQ(f.Fokus(), Feld::txtSeriennr);
  f.Einfügen(u"1234567");
  EXPECT_EQ(f.Text(Feld::txtSeriennr), u"12345");
  EXPECT_EQ(f.Fokus(), Feld::txtGeburt);
  // 12a4 12345: 7+6+0+28+3+2+21+12+5 = 84.
  EXPECT_EQ(f.Text(Feld::txtPZBKZ_Seriennr), u"4");
}

TEST_F(Form1Test, PastedBlankBeforeTheAuthorityCode) {
  f.Einfügen(u" 123");
  f.Tippe(u"56789520727101231");
  EXPECT_EQ(PrüfZiffern(), u"9|3|2|4");
}

struct Kopie {
  const char* name;
  std::vector<std::u16string> eingaben;  // typed, or pasted where they are not digits
  std::u16string nachher;                // edits after typing: "geburt-1" drops a digit
  std::u16string block0, block1, block2, ganz;
};
void PrintTo(const Kopie& k, std::ostream* os) {
  *os << k.name;
}

class Kopieren : public Form1Test, public testing::WithParamInterface<Kopie> {};

TEST_P(Kopieren, EachButtonPutsItsTextOnTheClipboard) {
  const Kopie& k = GetParam();
  const Feld eingabe[] = {Feld::txtBehördenKennZahl, Feld::txtSeriennr, Feld::txtGeburt,
                          Feld::txtAblauf};
  for (std::size_t i = 0; i < k.eingaben.size(); ++i) {
    f.Klicke(eingabe[i]);
    f.Einfügen(k.eingaben[i]);
  }
  if (k.nachher == u"geburt-1") {
    f.Klicke(Feld::txtGeburt);
    f.Cursor(5);
    f.Entf();
  }
  const std::u16string erwartet[] = {k.block0, k.block1, k.block2};
  for (std::int16_t i = 0; i < 3; ++i) {
    f.zwischenablage = u"vorher";
    f.Drücke("cb_ZA", i);
    EXPECT_EQ(f.zwischenablage, erwartet[i]) << "block " << i;
  }
  f.Drücke("cb_ZA_alles");
  EXPECT_EQ(f.zwischenablage, k.ganz);
  EXPECT_TRUE(f.meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(Numbers, Kopieren,
                         testing::Values(Kopie{"Complete",
                                               {u"1234", u"56789", u"520727", u"101231"},
                                               u"",
                                               u"1234567897",
                                               u"5207273",
                                               u"10123126",
                                               u"1234567897D520727310123126"},
                                         Kopie{"Empty", {}, u"", u"", u"", u"", u"D"},
                                         Kopie{"BirthShortened",
                                               {u"1234", u"56789", u"520727", u"101231"},
                                               u"geburt-1",
                                               u"1234567897",
                                               u"52072",
                                               u"10123126",
                                               u"1234567897D5207210123126"},
                                         Kopie{"NoOverallDigitYet",
                                               {u"1234", u"56789", u"", u"101231"},
                                               u"",
                                               u"1234567897",
                                               u"",
                                               u"1012312",
                                               u"1234567897D1012312"},
                                         Kopie{"LetterPastedIntoSerial",
                                               {u"1234", u"5A789", u"520727", u"101231"},
                                               u"",
                                               u"12345A7891",
                                               u"5207273",
                                               u"10123128",
                                               u"12345A7891D520727310123128"}),
                         [](const testing::TestParamInfo<Kopie>& p) {
                           return std::string(p.param.name);
                         });

TEST_F(Form1Test, ABusyClipboardIsReportedAndChangesNothing) {
  TippeNummer();
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
  EXPECT_EQ(f.Text(Feld::txtGeburt), u"520727");

  // Once the other program lets go, the same button works.
  f.zwischenablageBelegt = false;
  f.Drücke("cb_ZA_alles");
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");
}

TEST_F(Form1Test, ClearEmptiesTheNumberButNotTheLetterTheClipboardOrTheFocus) {
  TippeNummer();
  f.Drücke("cb_ZA_alles");
  f.Klicke(Feld::txtGeburt);
  f.form().cb_löschen_Click();  // as by the keyboard: the focus stays in the field
  for (Feld feld :
       {Feld::txtBehördenKennZahl, Feld::txtSeriennr, Feld::txtPZBKZ_Seriennr, Feld::txtGeburt,
        Feld::txtPZGeburt, Feld::txtAblauf, Feld::txtPZAblauf, Feld::txtPZgesamt}) {
    EXPECT_EQ(f.Text(feld), u"") << Nummer(feld);
  }
  EXPECT_EQ(f.Text(Feld::Text1), u"D");
  EXPECT_EQ(f.Fokus(), Feld::txtGeburt);
  EXPECT_EQ(f.zwischenablage, u"1234567897D520727310123126");
  f.Drücke("cb_ZA_alles");
  EXPECT_EQ(f.zwischenablage, u"D");

  // On an empty number the clear command changes nothing at all.
  const int vorher = f.Änderungen(Feld::txtBehördenKennZahl);
  f.Drücke("cb_löschen");
  EXPECT_EQ(f.Änderungen(Feld::txtBehördenKennZahl), vorher);
  EXPECT_EQ(PrüfZiffern(), u"|||");
}

TEST_F(Form1Test, DoubleClickShowsTheAboutBoxAndLeavesTheFields) {
  TippeNummer();
  f.form().Form_DblClick();
  ASSERT_EQ(f.meldungen.size(), 1U);
  EXPECT_EQ(f.meldungen[0].text, InfoText);
  EXPECT_EQ(f.meldungen[0].titel, u"MORVAs Voveduzaz");
  EXPECT_EQ(f.meldungen[0].art, Meldungsart::Information);
  EXPECT_EQ(static_cast<int>(f.meldungen[0].art), 64);
  EXPECT_EQ(PrüfZiffern(), u"7|3|2|6");
  EXPECT_FALSE(f.zwischenablage.has_value());
}

TEST_F(Form1Test, EveryActivationPutsTheFocusIntoTheAuthorityCode) {
  f.Tippe(u"1234");
  ASSERT_EQ(f.Fokus(), Feld::txtSeriennr);
  f.form().Form_Activate();
  EXPECT_EQ(f.Fokus(), Feld::txtBehördenKennZahl);
}

}  // namespace
}  // namespace pz
