#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/nummer.hpp"
#include "fake_fenster.hpp"

namespace pz {
namespace {

std::u16string Frisch(std::u16string text) {
  PrüfRechner r;
  r.Laden();
  return r.PrüfZiffer(text);
}

// Long random sessions of typing, Backspace, Delete, pasting, clearing and copying; after
// every step each incomplete input has an empty check digit, each check digit is at most
// one digit, and each complete block's digit equals a fresh computation.
TEST(Eigenschaften, InvariantsHoldAfterEveryStep) {
  const std::u16string tasten = u"0123456789 a\b\x16";
  const std::u16string einfügen[] = {u"12a4", u" 123", u"1234567", u"520727101231"};
  for (unsigned seed = 1; seed <= 40 && !testing::Test::HasFailure(); ++seed) {
    std::mt19937 zufall(seed);
    auto würfel = [&](std::size_t n) { return zufall() % n; };
    test::FakeFenster f;
    for (int schritt = 0; schritt < 400 && !testing::Test::HasFailure(); ++schritt) {
      switch (würfel(8)) {
        case 0:
          f.fokus = Eingabefelder[würfel(4)];
          break;
        case 1:
          f.Entf(würfel(7));
          break;
        case 2:
          f.Einfügen(einfügen[würfel(4)]);
          break;
        case 3:
          f.belegt = würfel(3) == 0;
          (würfel(6) == 0) ? f.form.cb_löschen_Click() : f.form.cb_ZA_alles_Click();
          break;
        default:
          f.Tippe(std::u16string(1, tasten[würfel(tasten.size())]));
      }
      SCOPED_TRACE(testing::Message() << "seed " << seed << " step " << schritt);
      for (Feld e : Eingabefelder) {
        if (f.Text(e).size() < VolleLänge(e)) {
          EXPECT_EQ(f.Text(AbhängigePrüfziffer(e)), u"");
        }
      }
      for (Feld p :
           {Feld::txtPZBKZ_Seriennr, Feld::txtPZGeburt, Feld::txtPZAblauf, Feld::txtPZgesamt}) {
        EXPECT_TRUE(f.Text(p).empty() ||
                    (f.Text(p).size() == 1 && f.Text(p) >= u"0" && f.Text(p) <= u"9"));
      }
      if (f.Text(Feld::txtPZBKZ_Seriennr).size() == 1) {
        EXPECT_EQ(f.Text(Feld::txtPZBKZ_Seriennr),
                  Frisch(OhneLeerzeichen(f.Text(Feld::txtBehördenKennZahl)) +
                         OhneLeerzeichen(f.Text(Feld::txtSeriennr))));
      }
      for (auto [e, p] : {std::pair{Feld::txtGeburt, Feld::txtPZGeburt},
                          std::pair{Feld::txtAblauf, Feld::txtPZAblauf}}) {
        if (f.Text(e).size() == 6) {
          EXPECT_EQ(f.Text(p), Frisch(f.Text(e)));
        }
      }
    }
  }
}

}  // namespace
}  // namespace pz
