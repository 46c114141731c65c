#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fenster_port.hpp"
#include "form1.hpp"

namespace pz::web {

using emscripten::val;

// Form1's window in a web page. It only translates: DOM events become calls of Form1's
// handlers, and the port's calls become DOM operations. Every rule of behaviour lives in
// Form1. The browser hands each event to Ereignis (see browser.js).
class Fenster final : public FensterPort {
 public:
  Fenster();
  Fenster(const Fenster&) = delete;
  Fenster& operator=(const Fenster&) = delete;

  // Puts the window on the page and activates it, as a window is first shown.
  void Zeigen();

  // An event of the window or one of its controls, or of the page (its activation, a copy,
  // the colour scheme).
  void Ereignis(const val& ereignis);

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
  void Färben();
  // eingabe.cpp
  void Taste(std::size_t zeile, const val& e);
  void VorEingabe(Feld feld, const val& e);
  void Einfügen(Feld feld, const std::u16string& text);
  void Tippen(Feld feld, const std::u16string& zeichen);
  void Weiter(std::size_t zeile, bool rückwärts);
  void KompositionEnde(Feld feld, const val& e);

  void Geändert(Feld feld);
  val& FeldElement(Feld feld) { return elemente_[Zeile(ZeileVon(feld))]; }
  const val& FeldElement(Feld feld) const { return elemente_[Zeile(ZeileVon(feld))]; }

  Form1 form_;
  val dokument_;
  val fenster_;  // the window's client area
  val farben_;   // the style sheet that colours the display fields
  std::vector<val> elemente_ = std::vector<val>(Steuerelemente.size(), val::undefined());
  val meldung_ = val::undefined();        // the message box, made at its first use
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
