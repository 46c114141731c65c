// Ctrl+A, then the digit 5, then Delete, typed into an input field of a complete number,
// and what each key leaves, the same on every front end. Ctrl+A selects the whole text and
// is no edit: a full field must not pull the focus on, and the digit after it goes where
// the user looks. Rows for both kinds of field, the authority code, which takes a digit
// over a selection, and a date, which takes nothing once it is full.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "felder.hpp"
#include "steuerelemente.hpp"

namespace pz::test {

struct NachTaste {
  std::u16string text;        // the field's
  std::u16string prüfziffer;  // its check digit field's
  int änderungen;             // change events the key raised
};

struct StrgAFall {
  Feld feld, prüfziffer;
  std::u16string vorher;
  std::array<NachTaste, 3> nach;  // Ctrl+A, 5, Delete
};

// The number the fields are in before a row sets its own field's text.
inline constexpr std::u16string_view StrgAEingabe = u"123456789520727101231";

// clang-format off
inline const std::array<StrgAFall, 6> StrgAFälle = {{
  {Feld::txtBehördenKennZahl, Feld::txtPZBKZ_Seriennr, u"",       {{{u"",       u"",  0}, {u"5",      u"",  1}, {u"5", u"", 0}}}},
  {Feld::txtBehördenKennZahl, Feld::txtPZBKZ_Seriennr, u"12",     {{{u"12",     u"",  0}, {u"5",      u"",  1}, {u"5", u"", 0}}}},
  {Feld::txtBehördenKennZahl, Feld::txtPZBKZ_Seriennr, u"1234",   {{{u"1234",   u"7", 0}, {u"5",      u"",  1}, {u"5", u"", 0}}}},
  {Feld::txtGeburt,           Feld::txtPZGeburt,        u"",       {{{u"",       u"",  0}, {u"5",      u"",  1}, {u"5", u"", 0}}}},
  {Feld::txtGeburt,           Feld::txtPZGeburt,        u"520",    {{{u"520",    u"",  0}, {u"5",      u"",  1}, {u"5", u"", 0}}}},
  {Feld::txtGeburt,           Feld::txtPZGeburt,        u"520727", {{{u"520727", u"3", 0}, {u"520727", u"3", 0}, {u"",  u"", 1}}}},
}};
// clang-format on

// Runs the rows through a front end's real window. öffnen makes a fresh one with the number
// typed, sets the row's field, gives it the focus and counts its change events into
// änderungen; drücken presses the step's key on the focused control.
inline void StrgAPrüfen(const std::function<FeldAnsicht&(const StrgAFall&)>& öffnen,
                        const std::function<void(std::size_t schritt)>& drücken,
                        const std::function<bool(Feld)>& hatFokus, const int& änderungen) {
  for (const StrgAFall& fall : StrgAFälle) {
    SCOPED_TRACE(testing::Message()
                 << fall.vorher.size() << " units in " << ObjektName(ZeileVon(fall.feld)));
    FeldAnsicht& f = öffnen(fall);
    for (std::size_t schritt = 0; schritt < fall.nach.size(); ++schritt) {
      SCOPED_TRACE(schritt);
      const int bisher = änderungen;
      drücken(schritt);
      EXPECT_EQ(f.Text(fall.feld), fall.nach[schritt].text);
      EXPECT_EQ(f.Text(fall.prüfziffer), fall.nach[schritt].prüfziffer);
      EXPECT_EQ(änderungen - bisher, fall.nach[schritt].änderungen);
      EXPECT_TRUE(hatFokus(fall.feld));
    }
  }
}

}  // namespace pz::test
