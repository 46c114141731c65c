#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "form1.hpp"

namespace pz::test {

using Meldung = std::tuple<std::u16string, std::u16string, Meldungsart>;  // text, title, kind

// A window system without a screen that keeps the port's contract: maximum lengths, a
// synchronous change event for every edit that removed, replaced or inserted text (and
// none for a refused keystroke), the key filter before every typed character, focus
// reports, selections kept per field, and a clipboard that can be made busy. It records
// the message boxes it shows.
class TestFenster : public FensterPort {
 public:
  TestFenster() : form(*this) {
    for (std::size_t i = 0; i < AnzahlFelder; ++i) {
      const Steuerelement& s = ZeileVon(static_cast<Feld>(i));
      felder_[i] = {std::u16string(s.text), static_cast<std::size_t>(MaxLänge(s))};
    }
    form.Form_Load();
    form.Aktiviert();
  }

  std::u16string Text(Feld f) const override { return felder_[FeldIndex(f)].text; }
  void SetzeText(Feld f, const std::u16string& text) override {
    EXPECT_LE(text.size(), felder_[FeldIndex(f)].max) << "a write past the maximum length";
    felder_[FeldIndex(f)] = {text, felder_[FeldIndex(f)].max};
    Geändert(f);
  }
  using FensterPort::SetzeFokus;
  void SetzeFokus(const Steuerelement& element) override {
    fokus = &element;
    form.FokusErhalten(element);
  }
  bool InZwischenablageLegen(const std::u16string& text) override {
    zwischenablage = belegt ? zwischenablage : text;
    return !belegt;
  }
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override {
    meldungen.emplace_back(text, titel, art);
    fokus = nullptr;  // the box has it while it is open
  }

  // The input field with the focus; the tests only type there.
  Feld FokusFeld() const {
    EXPECT_TRUE(fokus != nullptr && fokus->art == Art::Textfeld);
    return fokus != nullptr ? fokus->feld : Feld::Text1;
  }

  // Types into the focused field, each character where the focus is when it is typed. Typed
  // text replaces the selection; without one the caret stands at the end.
  void Tippe(const std::u16string& zeichen) {
    for (const char16_t c : zeichen) {
      auto code = static_cast<std::int16_t>(c);
      form.KeyPress(FokusFeld(), code);
      const Zustand& z = Z();
      if (code == 8 && z.länge == 0) {
        const std::size_t beginn = Zeichenbeginn(z.text, z.text.empty() ? 0 : z.text.size() - 1);
        Bearbeite(beginn, z.text.size() - beginn, u"");
      } else if (code != 0) {
        Bearbeite(z.länge > 0 ? z.anfang : z.text.size(), z.länge,
                  code == 8 ? u"" : std::u16string(1, c));
      }
    }
  }
  // The Delete key before the character at a position: no character is typed, so no key
  // filter sees it.
  void Entf(std::size_t pos) {
    const std::u16string& text = Z().text;
    pos = Zeichenbeginn(text, std::min(pos, text.size()));
    Bearbeite(pos, Zeichenbeginn(text, pos + 1) == pos ? 2 : 1, u"");
  }
  // Paste is not filtered; it replaces the selection with what Form1 says a field takes.
  void Einfügen(const std::u16string& text) {
    const Zustand& z = Z();
    const std::size_t platz = z.max - z.text.size() + std::min(z.länge, z.text.size());
    Bearbeite(z.länge > 0 ? z.anfang : z.text.size(), z.länge,
              std::u16string(Form1::Einfügbar(text, platz)));
  }
  // Selects in a field, which takes the focus as it would from the mouse.
  void Markiere(Feld f, std::size_t anfang, std::size_t länge) {
    SetzeFokus(f);
    const std::u16string& text = Z().text;
    const std::size_t ende = Zeichenbeginn(text, std::min(anfang + länge, text.size()));
    anfang = Zeichenbeginn(text, std::min(anfang, text.size()));
    Z() = {Z().text, Z().max, anfang, ende - anfang};
  }

  Form1 form;
  const Steuerelement* fokus = nullptr;
  std::optional<std::u16string> zwischenablage;
  bool belegt = false;
  std::vector<Meldung> meldungen;

 private:
  struct Zustand {
    std::u16string text;
    std::size_t max = 0, anfang = 0, länge = 0;  // selection
  };
  Zustand& Z() { return felder_[FeldIndex(FokusFeld())]; }

  // Where the character that holds the unit at pos begins: no edit splits a surrogate pair.
  static std::size_t Zeichenbeginn(const std::u16string& text, std::size_t pos) {
    return ImPaar(text, pos) ? pos - 1 : pos;
  }

  // An edit by the user in the focused field: [anfang, anfang + länge) becomes neu, cut to
  // the room the maximum length leaves. Removing nothing and inserting nothing is no edit.
  void Bearbeite(std::size_t anfang, std::size_t länge, std::u16string neu) {
    Zustand& z = Z();
    länge = std::min(länge, z.text.size() - anfang);
    neu.resize(std::min(neu.size(), z.max - (z.text.size() - länge)));
    if (länge > 0 || !neu.empty()) {
      z.text.replace(anfang, länge, neu);
      z.länge = 0;
      Geändert(FokusFeld());
    }
  }

  void Geändert(Feld f) {
    EXPECT_EQ(EinzelneHälften(felder_[FeldIndex(f)].text), 0U) << "half a character in a field";
    if (IstEingabefeld(f)) {
      form.Change(f);
    }
  }

  std::array<Zustand, AnzahlFelder> felder_{};
};

}  // namespace pz::test
