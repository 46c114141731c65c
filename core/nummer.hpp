#pragma once

#include <cstddef>
#include <string>

#include "felder.hpp"

namespace pz {

// The nationality letter of the whole number. The window shows it in Text1 as well,
// but the number always takes this constant.
inline constexpr char16_t Nationalität = u'D';

inline constexpr std::size_t AnzahlBlöcke = 3;

// Block i of the number as the copy buttons put it on the clipboard: the fields joined
// exactly as they stand, untrimmed and untested; an empty field adds nothing.
std::u16string Block(const FeldAnsicht& felder, std::size_t index);

// The whole number: block 0, "D", block 1, block 2. 26 units when complete.
std::u16string GanzeNummer(const FeldAnsicht& felder);

}  // namespace pz
