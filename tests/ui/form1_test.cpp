#include "form1.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <tuple>

#include "nummer.hpp"
#include "test_fenster.hpp"

namespace pz {
namespace {

using enum Feld;
using test::Meldung;
using test::TestFenster;

const std::u16string GanzeEingabe = u"1234567895207271012312";

TEST(Form1, TippenVonLinksNachRechts) {
  TestFenster f;
  const std::tuple<const char*, std::u16string, Feld, std::u16string> schritte[] = {
      {"non-digits are cancelled", u"12a -\r\x1B\x16\x03\x18\x1A 34", txtSeriennr, u"1234D"},
      {"serial number", u"56789", txtGeburt, u"1234567897D"},
      {"date of birth", u"520727", txtAblauf, u"1234567897D5207273"},
      {"the last field keeps the focus", u"1012319", txtAblauf, u"1234567897D520727310123126"},
  };
  for (const auto& [name, tasten, fokus, nummer] : schritte) {
    SCOPED_TRACE(name);
    f.Tippe(tasten);
    EXPECT_EQ(f.FokusFeld(), fokus);
    EXPECT_EQ(GanzeNummer(f), nummer);
  }
}

// What a full field still takes. The authority code is left to its maximum length, so a
// digit typed over a selected one gets through, and it is a change even when it is the same
// digit. The other fields take nothing typed while full, not even Backspace. Delete types no
// character and still works; paste is not filtered, and over a selection it is a change
// even of the same text. An incomplete block empties its own check digit only.
TEST(Form1, VolleFelder) {
  // field, after 9 typed over its selected first digit, change events of a fifth digit, the
  // first one typed over itself and that 9, whether Backspace shortens it, its check digit
  const std::tuple<Feld, std::u16string, int, bool, Feld> fälle[] = {
      {txtBehördenKennZahl, u"9234", 2, true, txtPZBKZ_Seriennr},
      {txtSeriennr, u"56789", 0, false, txtPZBKZ_Seriennr},
      {txtGeburt, u"520727", 0, false, txtPZGeburt},
      {txtAblauf, u"101231", 0, false, txtPZAblauf},
  };
  for (const auto& [feld, nachÜberTippen, änderungen, backspace, prüfziffer] : fälle) {
    SCOPED_TRACE(ZeileVon(feld).name);
    TestFenster f;
    f.Tippe(GanzeEingabe);
    f.SetzeFokus(feld);
    const int vorher = f.änderungen;
    f.Tippe(u"5");
    f.Markiere(feld, 0, 1);
    f.Tippe(f.Text(feld).substr(0, 1));
    f.Markiere(feld, 0, 1);
    f.Tippe(u"9");
    EXPECT_EQ(f.änderungen - vorher, änderungen);
    EXPECT_EQ(f.Text(feld), nachÜberTippen);
    f.Markiere(feld, 0, nachÜberTippen.size());
    f.Einfügen(nachÜberTippen);
    EXPECT_EQ(f.änderungen - vorher, änderungen + 1);
    const Eingabefeld* e = EingabefeldVon(feld);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(f.FokusFeld(), e->nächstes.value_or(feld));
    f.SetzeFokus(feld);
    const std::u16string gesamt = f.Text(txtPZgesamt);
    f.Tippe(u"\b");
    EXPECT_EQ(f.Text(feld).size(), nachÜberTippen.size() - backspace);
    f.Entf(0);
    EXPECT_EQ(f.Text(prüfziffer), u"");
    EXPECT_EQ(f.Text(txtPZgesamt), gesamt) << "the overall digit keeps its last value";
  }
}

// Every command of the window: what it puts on the clipboard or which message it shows.
// None moves the focus for good, and only clear changes the number, never the "D".
TEST(Form1, Befehle) {
  const Meldung info{InfoText, FensterTitel, Meldungsart::Information};
  const Meldung belegt{ZwischenablageBelegtText, FensterTitel, Meldungsart::Warnung};
  const auto za = [](std::int16_t i) { return [i](Form1& f) { f.cb_ZA_Click(i); }; };
  const auto alles = &Form1::cb_ZA_alles_Click, leeren = &Form1::cb_löschen_Click;
  const std::u16string nummer = u"1234567897D520727310123126";
  // name, clipboard busy, command, clipboard after it (nullopt: untouched), message
  const std::tuple<const char*, bool, std::function<void(Form1&)>, std::optional<std::u16string>,
                   std::optional<Meldung>>
      fälle[] = {
          {"block 0", false, za(0), u"1234567897", {}},
          {"block 1", false, za(1), u"5207273", {}},
          {"block 2 ends with the overall digit", false, za(2), u"10123126", {}},
          {"whole number", false, alles, nummer, {}},
          {"busy clipboard", true, za(2), {}, belegt},
          {"clear", false, leeren, {}, {}},
          {"double click", false, &Form1::Form_DblClick, {}, info},
      };
  for (const auto& [name, ablageBelegt, befehl, ablage, meldung] : fälle) {
    SCOPED_TRACE(name);
    TestFenster f;
    f.Tippe(GanzeEingabe);
    f.belegt = ablageBelegt;
    f.SetzeFokus(txtGeburt);
    befehl(f.form);
    EXPECT_EQ(f.zwischenablage, ablage);
    EXPECT_EQ(f.meldungen, meldung ? std::vector{*meldung} : std::vector<Meldung>{});
    EXPECT_EQ(f.FokusFeld(), txtGeburt);
    EXPECT_EQ(GanzeNummer(f), name == std::string_view("clear") ? u"D" : nummer);
    EXPECT_EQ(f.Text(Text1), u"D");
  }
}

// The first activation puts the focus into the authority code; later ones give it back to
// the control that had it, a button too.
TEST(Form1, AktivierungGibtDenFokusZurück) {
  TestFenster f;
  EXPECT_EQ(f.FokusFeld(), txtBehördenKennZahl);
  f.Tippe(u"12345");
  const Steuerelement& knopf =
      *std::ranges::find(Steuerelemente, "cb_ZA_alles", &Steuerelement::name);
  f.form.FokusErhalten(knopf);
  f.fokus = nullptr;  // another program took it
  f.form.Aktiviert();
  EXPECT_EQ(f.fokus, &knopf);
}

TEST(Form1, EinfügbarerText) {
  const std::tuple<const char*, std::u16string, std::size_t, std::u16string> fälle[] = {
      {"cut to the room", u"1234567", 5, u"12345"},
      {"up to the line feed", u"12\n34", 4, u"12"},
      {"up to a lone carriage return", u"12\r34", 4, u"12"},
      {"up to the NUL", std::u16string(u"1\0a4", 4), 4, u"1"},
      {"no half of a pair", u"123\U0001F600", 4, u"123"},
      {"a whole pair fits", u"12\U0001F600", 4, u"12\U0001F600"},
      {"a lone low surrogate is kept as it is", u"123\xDE00", 4, u"123\xDE00"},
  };
  for (const auto& [name, text, platz, soll] : fälle) {
    EXPECT_EQ(Form1::Einfügbar(text, platz), soll) << name;
  }
}

// Long random sessions of typing, Backspace, Delete, selecting, pasting, clearing and copying
// with a clipboard that may be busy. After every step each block's check digit is empty
// while an input of its block is incomplete, and otherwise that of the block as it stands;
// no field passes its maximum length (the test window checks every write).
TEST(Form1, InvariantenNachJedemSchritt) {
  const std::u16string tasten = u"0123456789 a\b\x16";
  const std::u16string einfügen[] = {u"12a4", u" 123", u"1234567", u"12\r\n34", u"123\U0001F600"};
  PrüfRechner r;
  r.Laden();
  const auto ziffer = [&r](std::u16string text) { return r.PrüfZiffer(text); };
  for (unsigned seed = 1; seed <= 40 && !testing::Test::HasFailure(); ++seed) {
    std::mt19937 zufall(seed);
    TestFenster f;
    for (int schritt = 0; schritt < 400 && !testing::Test::HasFailure(); ++schritt) {
      const auto w = zufall();
      const Feld feld = Eingabefelder[w / 8 % 4].feld;
      switch (w % 8) {
        case 0:
          f.SetzeFokus(feld);
          break;
        case 1:
          f.Entf(w / 32 % 7);
          break;
        case 2:
          f.Einfügen(einfügen[w / 8 % std::size(einfügen)]);
          break;
        case 3:
          f.belegt = w / 8 % 3 == 0;
          (w / 32 % 6 == 0) ? f.form.cb_löschen_Click() : f.form.cb_ZA_alles_Click();
          break;
        case 4:
          f.Markiere(feld, w / 32 % 6, 1 + w / 256 % 2);
          break;
        default:
          f.Tippe(std::u16string(1, tasten[w / 8 % tasten.size()]));
      }
      if (f.fokus == nullptr) {
        f.SetzeFokus(feld);
      }
      SCOPED_TRACE(testing::Message() << "seed " << seed << " step " << schritt);
      const auto bkz = f.Text(txtBehördenKennZahl), ser = f.Text(txtSeriennr);
      const auto geb = f.Text(txtGeburt), abl = f.Text(txtAblauf);
      EXPECT_EQ(f.Text(txtPZBKZ_Seriennr), bkz.size() == 4 && ser.size() == 5
                                               ? ziffer(OhneLeerzeichen(bkz) + OhneLeerzeichen(ser))
                                               : u"");
      EXPECT_EQ(f.Text(txtPZGeburt), geb.size() == 6 ? ziffer(geb) : u"");
      EXPECT_EQ(f.Text(txtPZAblauf), abl.size() == 6 ? ziffer(abl) : u"");
      EXPECT_LE(f.Text(txtPZgesamt).size(), 1U);
    }
  }
}

}  // namespace
}  // namespace pz
