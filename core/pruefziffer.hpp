#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "felder.hpp"

namespace pz {

// Removes spaces (U+0020 only) at both ends; a tab or any other character stays.
std::u16string OhneLeerzeichen(const std::u16string& text);

// The state the check digit computation needs, owned by the window for its lifetime.
class PrüfRechner {
 public:
  // Fills the weight table the way the window's load step does it.
  void Laden();

  // Trims the caller's text in place and returns its 7-3-1 check digit as one
  // character "0"-"9". Every non-digit counts 0 and keeps its position.
  std::u16string PrüfZiffer(std::u16string& Ziffernkette) const;

  // Brings every check digit field up to date from the input fields. Never
  // empties a field; a step whose input is incomplete leaves its field alone.
  void PZs(FeldAnsicht& felder);

  const std::array<std::int16_t, 3>& Gewichte() const { return gewichte_; }

 private:
  std::array<std::int16_t, 3> gewichte_{};
  std::u16string arbeitstext_;  // scratch of PZs, read by nothing between calls
};

}  // namespace pz
