#include "nummer.hpp"

#include <cassert>

namespace pz {

std::u16string Block(const FeldAnsicht& felder, std::size_t index) {
  assert(index < AnzahlBlöcke);
  switch (index) {
    case 0:
      return felder.Text(Feld::txtBehördenKennZahl) + felder.Text(Feld::txtSeriennr) +
             felder.Text(Feld::txtPZBKZ_Seriennr);
    case 1:
      return felder.Text(Feld::txtGeburt) + felder.Text(Feld::txtPZGeburt);
    default:
      // The third block ends with the overall check digit.
      return felder.Text(Feld::txtAblauf) + felder.Text(Feld::txtPZAblauf) +
             felder.Text(Feld::txtPZgesamt);
  }
}

std::u16string GanzeNummer(const FeldAnsicht& felder) {
  return Block(felder, 0) + Nationalität + Block(felder, 1) + Block(felder, 2);
}

}  // namespace pz
