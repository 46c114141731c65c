#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fenster_port.hpp"
#include "pruefziffer.hpp"
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
  void Change(Feld feld);
  void Click(const Steuerelement& knopf);

  // The window was shown or activated. The first time runs Form_Activate; later, from
  // another program or a message box, the focus goes back where it was.
  void Aktiviert();
  // A control took the input focus.
  void FokusErhalten(const Steuerelement& element);

  // What a field takes of text that arrives by paste, middle click or drop, with room for
  // platz more units: up to the first line break or NUL, as a single-line field on Windows
  // takes it, and cut to the room without splitting a surrogate pair, so that no half
  // character ever stands in a field.
  static std::u16string_view Einfügbar(std::u16string_view text, std::size_t platz);

  const PrüfRechner& Rechner() const { return rechner_; }

 private:
  void InZwischenablage(const std::u16string& text);
  void Tastenfilter(Feld feld, std::int16_t& KeyAscii) const;
  void Änderungsregel(Feld feld);
  void Melden(std::u16string_view text, Meldungsart art);

  FensterPort& port_;
  PrüfRechner rechner_;
  bool aktiviert_ = false;
  const Steuerelement* fokus_ = nullptr;
};

}  // namespace pz
