#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "form1.hpp"

namespace pz::test {

struct Meldung {
  std::u16string text, titel;
  Meldungsart art;
  friend bool operator==(const Meldung&, const Meldung&) = default;
};

// A window system without a screen that keeps the port's contract: maximum lengths, a
// synchronous change event for every edit that removed, replaced or inserted text (and
// none for a refused keystroke), the key filter before every typed character, focus
// reports, and a clipboard that can be made busy. It records the message boxes it shows.
class FakeFenster : public FensterPort {
 public:
  FakeFenster() : form(*this) {
    for (const auto& s : Steuerelemente) {
      if (s.art == Art::Textfeld) {
        felder_[FeldIndex(s.feld)] = {std::u16string(s.text),
                                      static_cast<std::size_t>(MaxLänge(s))};
      }
    }
    form.Form_Load();
    form.Aktiviert();
  }

  std::u16string Text(Feld f) const override { return felder_[FeldIndex(f)].text; }
  void SetzeText(Feld f, const std::u16string& text) override {
    EXPECT_LE(text.size(), felder_[FeldIndex(f)].max) << "a write past the maximum length";
    felder_[FeldIndex(f)].text = text;
    felder_[FeldIndex(f)].länge = 0;
    Geändert(f);
  }
  using FensterPort::SetzeFokus;
  void SetzeFokus(const Steuerelement& element) override {
    fokus = &element;
    form.FokusErhalten(element);
  }
  bool InZwischenablageLegen(const std::u16string& text) override {
    if (!belegt) {
      zwischenablage = text;
    }
    return !belegt;
  }
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override {
    meldungen.push_back({text, titel, art});
    fokus = nullptr;  // the box has it while it is open
  }

  // The input field with the focus; the tests below only type there.
  Feld FokusFeld() const {
    EXPECT_TRUE(fokus != nullptr && fokus->art == Art::Textfeld);
    return fokus != nullptr ? fokus->feld : Feld::Text1;
  }

  // Types into the focused field, each character where the focus is when it is typed.
  // Typed text replaces the selection; without one the caret stands at the end.
  void Tippe(const std::u16string& zeichen) {
    for (char16_t c : zeichen) {
      const Feld f = FokusFeld();
      auto code = static_cast<std::int16_t>(c);
      form.KeyPress(f, code);
      const auto& z = felder_[FeldIndex(f)];
      if (code == 8) {
        Bearbeite(f, z.länge > 0 ? z.anfang : z.text.size() - 1, std::max<std::size_t>(z.länge, 1),
                  u"");
      } else if (code != 0) {
        Bearbeite(f, z.länge > 0 ? z.anfang : z.text.size(), z.länge, std::u16string(1, c));
      }
    }
  }
  // The Delete key at a position: no character is typed, so no key filter sees it.
  void Entf(std::size_t pos) { Bearbeite(FokusFeld(), pos, 1, u""); }
  // Paste is not filtered; it replaces the selection with what Form1 says a field takes.
  void Einfügen(const std::u16string& text) {
    const Feld f = FokusFeld();
    const auto& z = felder_[FeldIndex(f)];
    const std::size_t anfang = z.länge > 0 ? z.anfang : z.text.size();
    const std::size_t platz = z.max - (z.text.size() - std::min(z.länge, z.text.size()));
    Bearbeite(f, anfang, z.länge, std::u16string(Form1::Einfügbar(text, platz)));
  }
  void Markiere(std::size_t anfang, std::size_t länge) {
    felder_[FeldIndex(FokusFeld())].anfang = anfang;
    felder_[FeldIndex(FokusFeld())].länge = länge;
  }
  void Fokussiere(Feld f) { SetzeFokus(f); }

  Form1 form;
  const Steuerelement* fokus = nullptr;
  std::optional<std::u16string> zwischenablage;
  bool belegt = false;
  std::vector<Meldung> meldungen;
  int änderungen = 0;  // change events raised for input fields

 private:
  struct Zustand {
    std::u16string text;
    std::size_t max = 0, anfang = 0, länge = 0;  // selection
  };

  // An edit by the user: the range [anfang, anfang + länge) becomes neu, cut to the room
  // the maximum length leaves. Removing nothing and inserting nothing is no edit.
  void Bearbeite(Feld f, std::size_t anfang, std::size_t länge, std::u16string neu) {
    auto& z = felder_[FeldIndex(f)];
    if (anfang > z.text.size()) {
      return;
    }
    länge = std::min(länge, z.text.size() - anfang);
    neu.resize(std::min(neu.size(), z.max - (z.text.size() - länge)));
    if (länge == 0 && neu.empty()) {
      return;
    }
    z.text.replace(anfang, länge, neu);
    z.länge = 0;
    Geändert(f);
  }

  void Geändert(Feld f) {
    if (IstEingabefeld(f)) {
      ++änderungen;
      form.Change(f);
    }
  }

  std::array<Zustand, AnzahlFelder> felder_{};
};

}  // namespace pz::test
