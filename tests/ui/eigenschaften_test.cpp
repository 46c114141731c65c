#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>

#include "fake_fenster.hpp"

namespace pz {
namespace {

std::u16string Frisch(std::u16string text) {
  PrüfRechner r;
  r.Laden();
  return r.PrüfZiffer(text);
}

// Long random sessions of typing, Backspace, Delete, selecting, pasting, clearing and
// copying. After every step each block's check digit is empty while an input of the block
// is incomplete, and otherwise one digit, that of a fresh computation; no field passes its
// maximum length (the fake window checks that on every write).
TEST(Eigenschaften, InvariantenGeltenNachJedemSchritt) {
  const std::u16string tasten = u"0123456789 a\b\x16";
  const std::u16string einfügen[] = {u"12a4",         u" 123",     u"1234567",
                                     u"520727101231", u"12\r\n34", u"123\U0001F600"};
  for (unsigned seed = 1; seed <= 40 && !testing::Test::HasFailure(); ++seed) {
    std::mt19937 zufall(seed);
    test::FakeFenster f;
    for (int schritt = 0; schritt < 400 && !testing::Test::HasFailure(); ++schritt) {
      const auto w = zufall();
      switch (w % 8) {
        case 0:
          f.Fokussiere(Eingabefelder[w / 8 % 4].feld);
          break;
        case 1:
          f.Entf(w / 8 % 7);
          break;
        case 2:
          f.Einfügen(einfügen[w / 8 % std::size(einfügen)]);
          break;
        case 3:
          f.belegt = w / 8 % 3 == 0;
          (w / 32 % 6 == 0) ? f.form.cb_löschen_Click() : f.form.cb_ZA_alles_Click();
          break;
        case 4:
          f.Markiere(w / 8 % 6, 1 + w / 64 % 2);
          break;
        default:
          f.Tippe(std::u16string(1, tasten[w / 8 % tasten.size()]));
      }
      SCOPED_TRACE(testing::Message() << "seed " << seed << " step " << schritt);
      const auto bkz = f.Text(Feld::txtBehördenKennZahl), ser = f.Text(Feld::txtSeriennr);
      const auto geb = f.Text(Feld::txtGeburt), abl = f.Text(Feld::txtAblauf);
      EXPECT_EQ(f.Text(Feld::txtPZBKZ_Seriennr),
                bkz.size() == 4 && ser.size() == 5
                    ? Frisch(OhneLeerzeichen(bkz) + OhneLeerzeichen(ser))
                    : u"");
      EXPECT_EQ(f.Text(Feld::txtPZGeburt), geb.size() == 6 ? Frisch(geb) : u"");
      EXPECT_EQ(f.Text(Feld::txtPZAblauf), abl.size() == 6 ? Frisch(abl) : u"");
      EXPECT_LE(f.Text(Feld::txtPZgesamt).size(), 1U);
    }
  }
}

}  // namespace
}  // namespace pz
