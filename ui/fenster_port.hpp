#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "felder.hpp"
#include "steuerelemente.hpp"

namespace pz {

inline bool IstHoch(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
inline bool IstTief(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Whether a caret at pos stands between the two halves of a surrogate pair.
inline bool ImPaar(std::u16string_view text, std::size_t pos) {
  return pos > 0 && pos < text.size() && IstHoch(text[pos - 1]) && IstTief(text[pos]);
}

// How many halves of a surrogate pair stand alone in a text.
inline std::size_t EinzelneHälften(std::u16string_view text) {
  std::size_t anzahl = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (ImPaar(text, i + 1)) {
      ++i;
    } else if (IstHoch(text[i]) || IstTief(text[i])) {
      ++anzahl;
    }
  }
  return anzahl;
}

// The kinds of message box the program shows; each front end maps them to its toolkit.
enum class Meldungsart {
  Information,  // information icon, OK button
  Warnung,      // warning icon, OK button
};

// The port through which Form1 talks to a window system. Every front end implements it
// and keeps this contract, so that Form1 behaves the same on each of them.
//
// Change event. A front end calls Form1::Change(feld) once for every edit of an input
// field that removed, replaced or inserted text: typing, deleting, cutting, pasting,
// dropping, or a program write through SetzeText. A character typed over the same
// character, or text pasted over a selection holding the same text, is such an edit
// although the text ends up as it was. A keystroke that the field refuses (full, nothing
// selected), a deletion with nothing to delete, or a key, click or drag that only moves
// the caret or the selection, is none: it raises no change event.
//
// Key filter. Every typed character reaches Form1::KeyPress(feld, code) before the field
// sees it, and a code set to 0 never reaches the field. The code is the character that
// the field would insert: digits give 48-57, whatever key or keypad typed them, and the
// digits of other scripts their own codes; Backspace 8, Return/Enter 13, Escape 27;
// Ctrl+letter without Alt 1-26 (so Ctrl+C, X, V and Z are cancelled like any other
// non-digit and do nothing in an input field). Ctrl+A, as on Windows, selects the field's
// whole text on the key itself; a selection is no edit and raises no change event, and
// the code 1 it types is cancelled as well. Any other key held with Ctrl or Alt types
// no digit, as on Windows, and the field takes nothing from it. Each character of
// an input-method commit, and of a character sent by another program, goes through the
// filter as well. Tab, Shift+Tab, Delete, the arrows, Home, End and the function keys
// type no character and pass unfiltered. Paste through the context menu, Shift+Insert,
// the middle mouse button, or drag and drop is not filtered: the field takes what
// Form1::Einfügbar leaves of it, up to the first line break or NUL and cut to its maximum
// length without half a surrogate pair, as one change. The text is taken as the clipboard
// or the drag holds it, a leading U+FEFF or U+FFFE included: it is a character, not a
// byte-order mark.
//
// Whole characters. No edit by the user leaves half a surrogate pair in a field, and
// neither the caret nor an end of the selection ever stands between the two halves:
// Backspace and Delete remove the whole character, and a key, a click or a drag that would
// stop inside a pair stops on its far side, in the key's direction or nearer the pointer.
// So nothing typed or pasted lands inside a pair either. Text that another program writes
// into a field is left as it is.
//
// Activation. The front end calls Form1::Aktiviert when the window is first shown (also
// when no window manager activates it) and whenever the window system reports it as
// activated again, and Form1::FokusErhalten whenever a control takes the input focus.
// Form1 decides where the focus goes.
//
// Double click. A double click on the window's free surface calls Form1::Form_DblClick;
// one on an input field or a button does not. Labels and disabled fields follow the
// toolkit.
class FensterPort : public FeldAnsicht {
 public:
  // Sets a field's text. For an input field, Form1::Change runs before this returns.
  void SetzeText(Feld feld, const std::u16string& text) override = 0;

  // Puts the input focus into a control that can take it; in an inactive window, the
  // control that will have it once the window is active again. A field gets back the
  // selection it had when it lost the focus, so that typing replaces it, as on Windows.
  virtual void SetzeFokus(const Steuerelement& element) = 0;
  void SetzeFokus(Feld feld) { SetzeFokus(ZeileVon(feld)); }

  // Replaces the clipboard's whole content with a plain text, in no other format.
  // Returns false when the clipboard could not be opened or written.
  virtual bool InZwischenablageLegen(const std::u16string& text) = 0;

  // Shows a modal message box with a single OK button and returns when it is closed.
  virtual void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                            Meldungsart art) = 0;
};

}  // namespace pz
