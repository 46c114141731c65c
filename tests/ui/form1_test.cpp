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

// Only digits reach a field; each complete field moves the focus on, and the last keeps it
// and takes nothing more.
const std::u16string GanzeEingabe = u"12a/: -\r\x1B\x16\x03\x18\x1A 345678952072710123129";

// Every command of the window: what it puts on the clipboard or which message it shows.
// None moves the focus for good, and only clear changes the number, never the "D". The
// first activation has put the focus into the authority code.
TEST(Form1, Befehle) {
  const Meldung info{InfoText, FensterTitel, Meldungsart::Information};
  const Meldung belegt{ZwischenablageBelegtText, FensterTitel, Meldungsart::Warnung};
  const auto za = [](std::int16_t i) { return [i](TestFenster& f) { f.form.cb_ZA_Click(i); }; };
  // Later activations give the focus back to the control that had it.
  const auto zurück = [](TestFenster& f) {
    f.fokus = nullptr;
    f.form.Aktiviert();
  };
  const std::u16string nummer = u"1234567897D520727310123126";
  // name, clipboard busy, command, clipboard after it (nullopt: untouched), message
  const std::tuple<const char*, bool, std::function<void(TestFenster&)>,
                   std::optional<std::u16string>, std::optional<Meldung>>
      fälle[] = {
          {"block 0", false, za(0), u"1234567897", {}},
          {"block 1", false, za(1), u"5207273", {}},
          {"block 2 ends with the overall digit", false, za(2), u"10123126", {}},
          {"whole number", false, [](TestFenster& f) { f.form.cb_ZA_alles_Click(); }, nummer, {}},
          {"busy clipboard", true, za(2), {}, belegt},
          {"clear", false, [](TestFenster& f) { f.form.cb_löschen_Click(); }, {}, {}},
          {"double click", false, [](TestFenster& f) { f.form.Form_DblClick(); }, {}, info},
          {"back from another program", false, zurück, {}, {}},
      };
  for (const auto& [name, ablageBelegt, befehl, ablage, meldung] : fälle) {
    SCOPED_TRACE(name);
    TestFenster f;
    f.Tippe(GanzeEingabe);
    EXPECT_EQ(f.FokusFeld(), txtAblauf);
    f.belegt = ablageBelegt;
    f.SetzeFokus(txtGeburt);
    befehl(f);
    EXPECT_EQ(f.zwischenablage, ablage);
    EXPECT_EQ(f.meldungen, meldung ? std::vector{*meldung} : std::vector<Meldung>{});
    EXPECT_EQ(f.FokusFeld(), txtGeburt);
    EXPECT_EQ(GanzeNummer(f), name == std::string_view("clear") ? u"D" : nummer);
    EXPECT_EQ(f.Text(Text1), u"D");
  }
}

// What a field's key filter lets through to it, digits and Backspace, unchanged: into a full
// serial number or date nothing at all, while the full authority code leaves a fifth digit
// to its maximum length, as a digit typed over a selection must get through, and Backspace.
TEST(Form1, Tastenfilter) {
  // the field, its text; whether 5 and Backspace pass
  const std::tuple<Feld, std::u16string, bool, bool> fälle[] = {
      {txtBehördenKennZahl, u"", true, true}, {txtBehördenKennZahl, u"1234", true, true},
      {txtSeriennr, u"1234", true, true},     {txtSeriennr, u"12345", false, false},
      {txtGeburt, u"52072", true, true},      {txtAblauf, u"101231", false, false},
  };
  for (const auto& [feld, text, ziffer, rückschritt] : fälle) {
    TestFenster f;
    f.SetzeText(feld, text);
    for (const auto& [taste, durch] :
         {std::pair<std::int16_t, bool>{u'5', ziffer}, {8, rückschritt}}) {
      std::int16_t code = taste;
      f.form.KeyPress(feld, code);
      EXPECT_EQ(code, durch ? taste : 0) << ObjektName(ZeileVon(feld)) << " " << text.size();
    }
  }
}

TEST(Form1, EinfügbarerText) {
  const std::tuple<const char*, std::u16string, std::size_t, std::u16string> fälle[] = {
      // clang-format off
      {"cut to the room", u"1234567", 5, u"12345"}, {"up to the line feed", u"12\n34", 4, u"12"},
      {"up to a lone carriage return", u"12\r34", 4, u"12"},
      {"up to the NUL", std::u16string(u"1\0a4", 4), 4, u"1"},
      {"no half of a pair", u"123\U0001F600", 4, u"123"},
      {"a whole pair fits", u"12\U0001F600", 4, u"12\U0001F600"},
      {"a lone low surrogate is kept as it is", u"123\xDE00", 4, u"123\xDE00"},
      // clang-format on
  };
  for (const auto& [name, text, platz, soll] : fälle) {
    EXPECT_EQ(Form1::Einfügbar(text, platz), soll) << name;
  }
}

// Long random sessions of typing, Backspace, Delete, selecting, pasting, clearing and copying
// with a clipboard that may be busy. After every step each block's check digit is empty
// while an input of its block is incomplete, and otherwise that of the block as it stands;
// a full serial number or date has taken no typed character, not even Backspace; the
// overall digit has kept its value unless the number was cleared or is whole again;
// no field passes its maximum length or holds half a character (the test window checks
// every change).
TEST(Form1, InvariantenNachJedemSchritt) {
  const std::u16string tasten = u"0123456789 a\b\x16";
  const std::u16string einfügen[] = {u"12a4",     u" 123",          u"1234567",
                                     u"12\r\n34", u"123\U0001F600", u"\U0001F600\uFEFF\U0001F600"};
  PrüfRechner r;
  r.Laden();
  const auto ziffer = [&r](std::u16string text) { return r.PrüfZiffer(text); };
  for (unsigned seed = 1; seed <= 40 && !testing::Test::HasFailure(); ++seed) {
    std::mt19937 zufall(seed);
    TestFenster f;
    for (int schritt = 0; schritt < 400 && !testing::Test::HasFailure(); ++schritt) {
      const std::u16string gesamt = f.Text(txtPZgesamt);
      const auto w = zufall();
      const Feld feld = Eingabefelder[w / 8 % 4].feld;
      switch (w % 8) {
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
        default: {
          const Eingabefeld& e = *EingabefeldVon(f.FokusFeld());
          const std::u16string vorher = f.Text(e.feld);
          f.Tippe(std::u16string(1, tasten[w / 8 % tasten.size()]));
          EXPECT_TRUE(!e.vollNimmtNichts || vorher.size() < e.volleLänge ||
                      f.Text(e.feld) == vorher)
              << "a full field took a typed character";
        }
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
      const std::u16string pz =
          f.Text(txtPZBKZ_Seriennr) + f.Text(txtPZGeburt) + f.Text(txtPZAblauf);
      const std::u16string neu = f.Text(txtPZgesamt);
      EXPECT_TRUE(neu == gesamt || (neu.empty() && GanzeNummer(f) == u"D") ||
                  (pz.size() == 3 && neu == ziffer(bkz + ser + pz.substr(0, 1) + geb +
                                                   pz.substr(1, 1) + abl + pz.substr(2))))
          << "the overall digit changes only with a whole number, or when it is cleared";
    }
  }
}

}  // namespace
}  // namespace pz
