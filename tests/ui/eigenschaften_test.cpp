#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "core/nummer.hpp"
#include "core/pruefziffer.hpp"
#include "fake_fenster.hpp"

namespace pz {
namespace {

// A fresh computation of a block's digit, independent of the window's state.
std::u16string Frisch(std::u16string text) {
  PrüfRechner r;
  r.Laden();
  return r.PrüfZiffer(text);
}

void PrüfeInvarianten(const test::FakeFenster& f, int schritt) {
  SCOPED_TRACE(testing::Message() << "after step " << schritt);
  for (Feld e : Eingabefelder) {
    const std::u16string text = f.Text(e);
    EXPECT_LE(text.size(), f.MaxLänge(e));
    if (text.size() < VolleLänge(e)) {
      EXPECT_EQ(f.Text(AbhängigePrüfziffer(e)), u"") << "incomplete field " << Nummer(e);
    }
  }
  for (Feld p :
       {Feld::txtPZBKZ_Seriennr, Feld::txtPZGeburt, Feld::txtPZAblauf, Feld::txtPZgesamt}) {
    const std::u16string text = f.Text(p);
    EXPECT_LE(text.size(), 1U);
    if (!text.empty()) {
      EXPECT_TRUE(text[0] >= u'0' && text[0] <= u'9');
    }
  }
  const std::u16string bkz = f.Text(Feld::txtBehördenKennZahl);
  const std::u16string ser = f.Text(Feld::txtSeriennr);
  if (bkz.size() == 4 && ser.size() == 5) {
    EXPECT_EQ(f.Text(Feld::txtPZBKZ_Seriennr), Frisch(OhneLeerzeichen(bkz) + OhneLeerzeichen(ser)));
  }
  for (auto [e, p] : {std::pair{Feld::txtGeburt, Feld::txtPZGeburt},
                      std::pair{Feld::txtAblauf, Feld::txtPZAblauf}}) {
    if (f.Text(e).size() == 6) {
      EXPECT_EQ(f.Text(p), Frisch(f.Text(e)));
    }
  }
  EXPECT_EQ(f.Text(Feld::Text1), u"D");
}

// Long random sessions of typing, Backspace, Delete, pasting, clearing and copying.
TEST(Eigenschaften, InvariantsHoldAfterEveryStep) {
  const std::u16string zeichen = u"0123456789 aZ-\b\r\x16";
  const std::array<std::u16string, 6> einfügungen = {u"1",       u"12a4", u" 123",
                                                     u"1234567", u"",     u"520727101231"};
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 zufall(seed);
    auto würfel = [&](std::size_t n) {
      return std::uniform_int_distribution<std::size_t>(0, n - 1)(zufall);
    };
    test::FakeFenster f;
    f.Starte();
    for (int schritt = 0; schritt < 400; ++schritt) {
      switch (würfel(10)) {
        case 0:
          f.Klicke(Eingabefelder[würfel(Eingabefelder.size())]);
          break;
        case 1:
          f.Cursor(würfel(7));
          break;
        case 2:
          f.Markiere(würfel(7), würfel(3));
          break;
        case 3:
          f.Entf();
          break;
        case 4:
          f.Einfügen(einfügungen[würfel(einfügungen.size())]);
          break;
        case 5:
          if (würfel(8) == 0) {
            f.Drücke("cb_löschen");
            f.Klicke(Eingabefelder[würfel(Eingabefelder.size())]);
          } else {
            f.zwischenablageBelegt = würfel(4) == 0;
            const auto vorher = f.zwischenablage;
            f.Drücke("cb_ZA_alles");
            if (f.zwischenablageBelegt) {
              EXPECT_EQ(f.zwischenablage, vorher);
            } else {
              EXPECT_EQ(f.zwischenablage, GanzeNummer(f));
            }
            f.Klicke(Eingabefelder[würfel(Eingabefelder.size())]);
          }
          break;
        default:
          f.Tippe(zeichen[würfel(zeichen.size())]);
          break;
      }
      PrüfeInvarianten(f, schritt);
      if (HasFailure()) {
        return;
      }
    }
  }
}

}  // namespace
}  // namespace pz
