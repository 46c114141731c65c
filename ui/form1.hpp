#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/pruefziffer.hpp"
#include "fenster_port.hpp"
#include "steuerelemente.hpp"

namespace pz {

// The program's one window, free of any window system. A front end creates the controls
// from the table, implements FensterPort, and forwards each event to a handler here.
class Form1 {
 public:
  explicit Form1(FensterPort& port) : port_(port) {}

  void Form_Load();
  void Form_Activate();
  void Form_DblClick();

  void txtBehördenKennZahl_KeyPress(std::int16_t& KeyAscii);
  void txtSeriennr_KeyPress(std::int16_t& KeyAscii);
  void txtGeburt_KeyPress(std::int16_t& KeyAscii);
  void txtAblauf_KeyPress(std::int16_t& KeyAscii);

  void txtBehördenKennZahl_Change();
  void txtSeriennr_Change();
  void txtGeburt_Change();
  void txtAblauf_Change();

  void cb_ZA_Click(std::int16_t Index);
  void cb_ZA_alles_Click();
  void cb_löschen_Click();

  // Routing for front ends, which know a control by its table row rather than by name.
  // Only input fields have KeyPress and Change handlers; other fields are ignored.
  void KeyPress(Feld feld, std::int16_t& KeyAscii);
  // Runs the field's change handler if its text differs from when it last ran, and says
  // whether it did. Window systems also report changes that change nothing (a keystroke
  // refused by the limit, a character typed over the same one); those end here.
  bool Change(Feld feld);
  void Click(const Steuerelement& knopf);

  const PrüfRechner& Rechner() const { return rechner_; }

 private:
  void InZwischenablage(const std::u16string& text);
  void Tastenfilter(Feld feld, std::int16_t& KeyAscii) const;
  void Änderungsregel(Feld feld);

  FensterPort& port_;
  PrüfRechner rechner_;
  std::array<std::u16string, AnzahlFelder> gemeldet_{};  // texts as their handlers last saw them
};

}  // namespace pz
