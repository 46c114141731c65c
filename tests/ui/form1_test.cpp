#include "form1.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "fake_fenster.hpp"

namespace pz {
namespace {

using B = Feld;  // keeps the tables below readable
using test::FakeFenster;
using test::Meldung;

const std::u16string GanzeEingabe = u"1234567895207271012312";

std::u16string PrüfZiffern(const FakeFenster& f) {
  return f.Text(B::txtPZBKZ_Seriennr) + u"|" + f.Text(B::txtPZGeburt) + u"|" +
         f.Text(B::txtPZAblauf) + u"|" + f.Text(B::txtPZgesamt);
}

TEST(Form1, TippenVonLinksNachRechts) {
  FakeFenster f;
  struct Schritt {
    const char* name;
    std::u16string tasten;
    Feld fokus;
    std::u16string prüfziffern;
  };
  for (const auto& s : std::vector<Schritt>{
           {"non-digits are cancelled", u"12a -\r\x1B\x16\x03\x18\x1A 34", B::txtSeriennr, u"|||"},
           {"serial number", u"56789", B::txtGeburt, u"7|||"},
           {"date of birth", u"520727", B::txtAblauf, u"7|3||"},
           {"the last field keeps the focus", u"1012319", B::txtAblauf, u"7|3|2|6"},
       }) {
    SCOPED_TRACE(s.name);
    f.Tippe(s.tasten);
    EXPECT_EQ(f.FokusFeld(), s.fokus);
    EXPECT_EQ(PrüfZiffern(f), s.prüfziffern);
  }
  EXPECT_EQ(f.Text(B::txtAblauf), u"101231");
}

// What a full field still takes. The authority code is left to its maximum length, so a
// digit typed over a selected one gets through, and it is a change even when it is the
// same digit: the focus moves on again. The other fields take nothing typed while full,
// not even Backspace; the Delete key types no character and still works.
TEST(Form1, VolleFelder) {
  struct Fall {
    Feld feld;
    std::u16string nachÜberTippen;  // after 9 typed over the selected first character
    int änderungen;                 // change events of the fifth digit, 1, and 9 typed over
    Feld danachFokus;               // after typing over the selection
    bool backspace;                 // whether Backspace shortens the full field
    Feld geleert;
  };
  for (const Fall& fall :
       {Fall{B::txtBehördenKennZahl, u"9234", 2, B::txtSeriennr, true, B::txtPZBKZ_Seriennr},
        Fall{B::txtSeriennr, u"56789", 0, B::txtSeriennr, false, B::txtPZBKZ_Seriennr},
        Fall{B::txtGeburt, u"520727", 0, B::txtGeburt, false, B::txtPZGeburt},
        Fall{B::txtAblauf, u"101231", 0, B::txtAblauf, false, B::txtPZAblauf}}) {
    SCOPED_TRACE(ZeileVon(fall.feld).name);
    FakeFenster f;
    f.Tippe(GanzeEingabe);
    f.Fokussiere(fall.feld);
    const int vorher = f.änderungen;
    f.Tippe(u"5");  // refused without a change
    EXPECT_EQ(f.FokusFeld(), fall.feld);
    f.Markiere(0, 1);
    f.Tippe(f.Text(fall.feld).substr(0, 1));
    f.Fokussiere(fall.feld);
    f.Markiere(0, 1);
    f.Tippe(u"9");
    EXPECT_EQ(f.änderungen - vorher, fall.änderungen);
    EXPECT_EQ(f.Text(fall.feld), fall.nachÜberTippen);
    EXPECT_EQ(f.FokusFeld(), fall.danachFokus);
    f.Fokussiere(fall.feld);
    const std::u16string voll = f.Text(fall.feld);
    const std::u16string gesamt = f.Text(B::txtPZgesamt);
    f.Tippe(u"\b");
    EXPECT_EQ(f.Text(fall.feld).size(), voll.size() - fall.backspace);
    f.Entf(0);
    EXPECT_EQ(f.Text(fall.geleert), u"");
    EXPECT_EQ(f.FokusFeld(), fall.feld);
    EXPECT_EQ(f.Text(B::txtPZgesamt), gesamt) << "the overall digit keeps its last value";
  }
}

// Text pasted over a selection of a full field, even the same text, runs the rule again.
TEST(Form1, EinfügenÜberEineMarkierungIstEineÄnderung) {
  FakeFenster f;
  f.Tippe(u"1234");
  f.Fokussiere(B::txtBehördenKennZahl);
  f.Markiere(0, 4);
  f.Einfügen(u"1234");
  EXPECT_EQ(f.FokusFeld(), B::txtSeriennr);
}

TEST(Form1, BlockNeuGetipptRechnetAllesNeu) {
  FakeFenster f;
  f.Tippe(GanzeEingabe);
  f.Fokussiere(B::txtGeburt);
  f.Entf(0);
  EXPECT_EQ(PrüfZiffern(f), u"7||2|6");
  f.Tippe(u"6");
  EXPECT_EQ(f.Text(B::txtGeburt), u"207276");
  EXPECT_EQ(f.FokusFeld(), B::txtAblauf);
  EXPECT_EQ(PrüfZiffern(f), u"7|2|2|4");
}

// Every command of the window: what it puts on the clipboard, or which message it shows.
TEST(Form1, Befehle) {
  const Meldung info{std::u16string(InfoText), std::u16string(FensterTitel),
                     Meldungsart::Information};
  const Meldung belegt{std::u16string(ZwischenablageBelegtText), std::u16string(FensterTitel),
                       Meldungsart::Warnung};
  struct Fall {
    const char* name;
    std::u16string eingabe;
    bool ablageBelegt;
    std::function<void(Form1&)> befehl;
    std::optional<std::u16string> ablage;  // nullopt: left as it was
    std::vector<Meldung> meldungen;
  };
  const auto za = [](std::int16_t i) { return [i](Form1& f) { f.cb_ZA_Click(i); }; };
  for (const Fall& fall : std::vector<Fall>{
           {"block 0", GanzeEingabe, false, za(0), u"1234567897", {}},
           {"block 1", GanzeEingabe, false, za(1), u"5207273", {}},
           {"block 2 ends with the overall digit", GanzeEingabe, false, za(2), u"10123126", {}},
           {"whole number",
            GanzeEingabe,
            false,
            &Form1::cb_ZA_alles_Click,
            u"1234567897D520727310123126",
            {}},
           {"incomplete block", u"1234", false, za(0), u"1234", {}},
           {"empty block", u"", false, za(1), u"", {}},
           {"whole number of an empty window", u"", false, &Form1::cb_ZA_alles_Click, u"D", {}},
           {"busy clipboard", GanzeEingabe, true, &Form1::cb_ZA_alles_Click, {}, {belegt}},
           {"busy clipboard, block", GanzeEingabe, true, za(2), {}, {belegt}},
           {"clear leaves the clipboard alone",
            GanzeEingabe,
            false,
            &Form1::cb_löschen_Click,
            {},
            {}},
           {"double click", GanzeEingabe, false, &Form1::Form_DblClick, {}, {info}},
       }) {
    SCOPED_TRACE(fall.name);
    FakeFenster f;
    f.Tippe(fall.eingabe);
    f.belegt = fall.ablageBelegt;
    f.Fokussiere(B::txtGeburt);
    fall.befehl(f.form);
    EXPECT_EQ(f.zwischenablage, fall.ablage);
    EXPECT_EQ(f.meldungen, fall.meldungen);
    EXPECT_EQ(f.FokusFeld(), B::txtGeburt) << "no command moves the focus for good";
  }
}

TEST(Form1, LöschenLeertDieNummerAberNichtDenBuchstaben) {
  FakeFenster f;
  f.Tippe(GanzeEingabe);
  f.form.cb_löschen_Click();
  EXPECT_EQ(PrüfZiffern(f), u"|||");
  for (const Eingabefeld& e : Eingabefelder) {
    EXPECT_EQ(f.Text(e.feld), u"");
  }
  EXPECT_EQ(f.Text(B::Text1), u"D");
  EXPECT_EQ(f.FokusFeld(), B::txtAblauf);
}

// The first activation puts the focus into the authority code; later ones give it back to
// the control that had it, a button too.
TEST(Form1, AktivierungGibtDenFokusZurück) {
  FakeFenster f;
  EXPECT_EQ(f.FokusFeld(), B::txtBehördenKennZahl);
  f.Tippe(u"12345");
  const Steuerelement& knopf =
      *std::ranges::find(Steuerelemente, "cb_ZA_alles", &Steuerelement::name);
  f.form.FokusErhalten(knopf);
  f.fokus = nullptr;  // another program took it
  f.form.Aktiviert();
  EXPECT_EQ(f.fokus, &knopf);
}

TEST(Form1, EinfügbarerText) {
  struct Fall {
    const char* name;
    std::u16string text;
    std::size_t platz;
    std::u16string soll;
  };
  for (const Fall& fall : std::vector<Fall>{
           {"fits", u"1234", 4, u"1234"},
           {"cut to the room", u"1234567", 5, u"12345"},
           {"up to the line feed", u"12\n34", 4, u"12"},
           {"up to the carriage return", u"12\r\n34", 4, u"12"},
           {"up to the NUL",
            std::u16string(u"1\0"
                           u"234",
                           5),
            4, u"1"},
           {"a line break first leaves nothing", u"\n1234", 4, u""},
           {"no half of a pair", u"123\U0001F600", 4, u"123"},
           {"a whole pair fits", u"12\U0001F600", 4, u"12\U0001F600"},
           {"a pair at the very start, one unit of room", u"\U0001F600", 1, u""},
           {"a lone low surrogate is kept as it is", u"123\xDE00", 4, u"123\xDE00"},
       }) {
    EXPECT_EQ(Form1::Einfügbar(fall.text, fall.platz), fall.soll) << fall.name;
  }
}

}  // namespace
}  // namespace pz
