#include "pruefziffer.hpp"

#include <cstddef>

#include "nummer.hpp"

namespace pz {

std::u16string OhneLeerzeichen(const std::u16string& text) {
  const auto anfang = text.find_first_not_of(u' ');
  if (anfang == std::u16string::npos) {
    return {};
  }
  const auto ende = text.find_last_not_of(u' ');
  return text.substr(anfang, ende - anfang + 1);
}

void PrüfRechner::Laden() {
  gewichte_[1] = 7;
  gewichte_[2] = 3;
  gewichte_[0] = 1;
}

std::u16string PrüfRechner::PrüfZiffer(std::u16string& Ziffernkette) const {
  Ziffernkette = OhneLeerzeichen(Ziffernkette);

  // Only the last decimal digit of the weighted sum matters, so the sum is kept
  // reduced modulo 10: no text, however long or however many nines, can overflow it.
  unsigned summe = 0;
  for (std::size_t i = 1; i <= Ziffernkette.size(); ++i) {
    const char16_t zeichen = Ziffernkette[i - 1];
    const unsigned wert =
        (zeichen >= u'0' && zeichen <= u'9') ? static_cast<unsigned>(zeichen - u'0') : 0U;
    const auto gewicht = static_cast<unsigned>(gewichte_[i % 3]);
    summe = (summe + gewicht * wert) % 10U;
  }
  return std::u16string(1, static_cast<char16_t>(u'0' + summe));
}

void PrüfRechner::PZs(FeldAnsicht& felder) {
  // Each step reads the fields afresh, so the last step sees what the first three wrote.
  arbeitstext_ = felder.Text(Feld::txtBehördenKennZahl) + felder.Text(Feld::txtSeriennr);
  if (arbeitstext_.size() ==
      VolleLänge(Feld::txtBehördenKennZahl) + VolleLänge(Feld::txtSeriennr)) {
    // The length test counts blanks; the computation trims each field by itself.
    std::u16string zwischen = OhneLeerzeichen(felder.Text(Feld::txtBehördenKennZahl)) +
                              OhneLeerzeichen(felder.Text(Feld::txtSeriennr));
    felder.SetzeText(Feld::txtPZBKZ_Seriennr, PrüfZiffer(zwischen));
  }

  if (std::u16string geburt = felder.Text(Feld::txtGeburt);
      geburt.size() == VolleLänge(Feld::txtGeburt)) {
    felder.SetzeText(Feld::txtPZGeburt, PrüfZiffer(geburt));
  }

  if (std::u16string ablauf = felder.Text(Feld::txtAblauf);
      ablauf.size() == VolleLänge(Feld::txtAblauf)) {
    felder.SetzeText(Feld::txtPZAblauf, PrüfZiffer(ablauf));
  }

  arbeitstext_ = felder.Text(Feld::txtPZBKZ_Seriennr) + felder.Text(Feld::txtPZGeburt) +
                 felder.Text(Feld::txtPZAblauf);
  if (arbeitstext_.size() == AnzahlBlöcke) {  // one digit per block
    arbeitstext_ = felder.Text(Feld::txtBehördenKennZahl) + felder.Text(Feld::txtSeriennr) +
                   felder.Text(Feld::txtPZBKZ_Seriennr) + felder.Text(Feld::txtGeburt) +
                   felder.Text(Feld::txtPZGeburt) + felder.Text(Feld::txtAblauf) +
                   felder.Text(Feld::txtPZAblauf);
    felder.SetzeText(Feld::txtPZgesamt, PrüfZiffer(arbeitstext_));
  }
}

}  // namespace pz
