#pragma once

#include <string>

#include "core/felder.hpp"

namespace pz {

// Message box styles as the window systems number them.
enum class Meldungsart : int {
  Warnung = 48,      // exclamation icon, OK button
  Information = 64,  // information icon, OK button
};

// The port through which Form1 talks to a window system. Every front end implements it
// and keeps this contract, so that Form1 behaves the same on each of them.
//
// Change event. A front end calls Form1::Change(feld) whenever the window system reports
// that an input field's text may have changed: by typing, deleting, cutting, pasting,
// dropping, or a program write through SetzeText. Form1 passes it on to the field's
// handler only when the text really differs, so a keystroke refused by the maximum
// length, or a character typed over the same one, reaches no handler.
//
// Key filter. Every typed character reaches Form1::KeyPress(feld, code) before the field
// sees it, and a code set to 0 never reaches the field. Digits, the keypad's included,
// give 48-57; Backspace 8, Return/Enter 13, Escape 27; Ctrl+letter 1-26 (so Ctrl+C, X, V
// and Z are cancelled like any other non-digit and do nothing in an input field). Any
// other key that types printable text gives that character's code, and so does each
// character of an input-method commit. Tab, Shift+Tab, Delete, the arrows, Home, End and
// the function keys type no character and pass unfiltered. Paste through the context
// menu, Shift+Insert, the middle mouse button, or drag and drop is not filtered; the
// field's maximum length cuts it.
//
// Activation. The front end calls Form1::Form_Activate when the window is first shown,
// also when no window manager activates it. A later return to the window, from another
// program or from a message box, restores the focus to the control that had it.
//
// Double click. A double click on the window's free surface calls Form1::Form_DblClick;
// one on an input field or a button does not. Labels and disabled fields follow the
// toolkit.
class FensterPort : public FeldAnsicht {
 public:
  // Sets a field's text. For an input field whose text changes, Form1::Change runs
  // before this returns.
  void SetzeText(Feld feld, const std::u16string& text) override = 0;

  // Puts the input focus into an input field.
  virtual void SetzeFokus(Feld feld) = 0;

  // Replaces the clipboard's whole content with a plain text, in no other format.
  // Returns false when the clipboard could not be opened or written.
  virtual bool InZwischenablageLegen(const std::u16string& text) = 0;

  // Shows a modal message box with a single OK button and returns when it is closed.
  virtual void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                            Meldungsart art) = 0;
};

}  // namespace pz
