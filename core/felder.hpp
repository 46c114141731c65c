#pragma once

#include <array>
#include <cstddef>
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

inline constexpr std::array<Feld, 4> Eingabefelder = {Feld::txtBehördenKennZahl, Feld::txtSeriennr,
                                                      Feld::txtGeburt, Feld::txtAblauf};

inline constexpr std::size_t Nummer(Feld f) {
  return static_cast<std::size_t>(f);
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
