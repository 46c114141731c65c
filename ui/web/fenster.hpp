#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fenster_port.hpp"
#include "form1.hpp"

namespace pz::web {

// The events the window hands to Form1, in the order of their names in fenster.cpp.
enum class Ereignisart {
  focus,
  change,
  copy,
  keydown,
  focusin,
  click,
  dblclick,
  mousedown,
  beforeinput,
  input,
  paste,
  drop,
  compositionstart,
  compositionend,
};

// Form1's window in a web page. It only translates: DOM events become calls of Form1's
// handlers, and the port's calls become DOM operations. Every rule of behaviour lives in
// Form1. The browser hands each event to Ereignis (see browser.js), and holds the
// elements, which the program names by their row in the controls table.
class Fenster final : public FensterPort {
 public:
  Fenster();
  Fenster(const Fenster&) = delete;
  Fenster& operator=(const Fenster&) = delete;

  // Puts the window on the page and activates it, as a window is first shown.
  void Zeigen();

  // What the window needs only once the page is drawn: its labels, and the colours of the
  // display fields.
  void ErstesBild();

  // An event of the window or one of its controls, or of the page (its activation, a copy,
  // the colour scheme): the row of the field or button it concerns, if any, and the state
  // of the modifier keys and mouse buttons (Zustand).
  void Ereignis(Ereignisart art, std::optional<std::size_t> zeile, unsigned zustand);

  enum Zustand : unsigned {
    Strg = 1,
    Meta = 2,
    Alt = 4,
    Umschalt = 8,
    Komponiert = 16,
    Haupttaste = 32,
  };

  std::u16string Text(Feld feld) const override;
  void SetzeText(Feld feld, const std::u16string& text) override;
  using FensterPort::SetzeFokus;
  void SetzeFokus(const Steuerelement& element) override;
  bool InZwischenablageLegen(const std::u16string& text) override;
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override;

 private:
  // anordnung.cpp
  void Aufbauen();
  void Beschriften();
  void Färben();
  // eingabe.cpp
  void Taste(std::size_t zeile, unsigned zustand);
  void VorEingabe(Feld feld);
  void Einfügen(Feld feld, const std::u16string& text);
  void Tippen(Feld feld, const std::u16string& zeichen);
  void Weiter(std::size_t zeile, bool rückwärts);
  void KompositionEnde(Feld feld);

  void Geändert(Feld feld);

  Form1 form_;
  std::optional<std::u16string> ablage_;  // the text a copy of ours puts on the clipboard
  bool abgelegt_ = false;                 // whether the copy event took it
  // What an input method works on: the field's text and selection when it began.
  struct Komposition {
    std::u16string text;
    std::size_t anfang, ende;
  };
  std::optional<Komposition> komposition_;
};

}  // namespace pz::web
