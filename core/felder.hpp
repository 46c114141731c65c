#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace pz {

// The nine text fields of the window, in the order the number row shows them.
enum class Feld {
  txtBehördenKennZahl,
  txtSeriennr,
  txtPZBKZ_Seriennr,
  Text1,
  txtGeburt,
  txtPZGeburt,
  txtAblauf,
  txtPZAblauf,
  txtPZgesamt,
};

inline constexpr std::size_t AnzahlFelder = 9;

// A field's position in the number row, for arrays that hold something per field.
inline constexpr std::size_t FeldIndex(Feld f) {
  return static_cast<std::size_t>(f);
}

// What the number asks of each of the four fields the user types into. Everything else
// about them (maximum lengths, the lengths the refresh tests, where the focus goes) is
// derived from this table.
struct Eingabefeld {
  Feld feld;
  std::size_t volleLänge;        // complete at exactly this many units; also its maximum
  Feld prüfziffer;               // kept empty while this field is incomplete
  std::optional<Feld> nächstes;  // takes the focus once this field is complete
  bool vollNimmtNichts;          // while full, typing is cancelled, Backspace included
};

inline constexpr std::array<Eingabefeld, 4> Eingabefelder = {{
    {Feld::txtBehördenKennZahl, 4, Feld::txtPZBKZ_Seriennr, Feld::txtSeriennr, false},
    {Feld::txtSeriennr, 5, Feld::txtPZBKZ_Seriennr, Feld::txtGeburt, true},
    {Feld::txtGeburt, 6, Feld::txtPZGeburt, Feld::txtAblauf, true},
    {Feld::txtAblauf, 6, Feld::txtPZAblauf, std::nullopt, true},
}};

// The input field's row, or nullptr for a display field.
constexpr const Eingabefeld* EingabefeldVon(Feld f) {
  for (const Eingabefeld& e : Eingabefelder) {
    if (e.feld == f) {
      return &e;
    }
  }
  return nullptr;
}

constexpr bool IstEingabefeld(Feld f) {
  for (const Eingabefeld& e : Eingabefelder) {
    if (e.feld == f) {
      return true;
    }
  }
  return false;
}

// 0 for a display field, which has no full length.
constexpr std::size_t VolleLänge(Feld eingabefeld) {
  const Eingabefeld* e = EingabefeldVon(eingabefeld);
  return e != nullptr ? e->volleLänge : 0;
}

// What the check digit engine needs of a window: read a field's text and set it.
// Texts are UTF-16 because that is what window systems count a field's length in.
class FeldAnsicht {
 public:
  virtual ~FeldAnsicht() = default;
  virtual std::u16string Text(Feld feld) const = 0;
  virtual void SetzeText(Feld feld, const std::u16string& text) = 0;

 protected:
  FeldAnsicht() = default;
  FeldAnsicht(const FeldAnsicht&) = default;
  FeldAnsicht& operator=(const FeldAnsicht&) = default;
};

}  // namespace pz
