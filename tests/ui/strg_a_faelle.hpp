// Ctrl+A, then the digit 5, then Delete, typed into an input field of a complete number,
// and what each key leaves, the same on every front end. Ctrl+A selects the whole text and
// is no edit: a full field must not pull the focus on, and the digit after it goes where
// the user looks. Rows for both kinds of field, the authority code, which takes a digit
// over a selection, and a date, which takes nothing once it is full.
#pragma once

#include <array>
#include <string>

#include "felder.hpp"

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

}  // namespace pz::test
