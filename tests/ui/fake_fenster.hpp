#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "ui/form1.hpp"

namespace pz::test {

// A window system without a screen that keeps the port's contract: maximum lengths, a
// synchronous change event only on a real change, the key filter before every typed
// character, and a clipboard that can be made busy.
class FakeFenster : public FensterPort {
 public:
  FakeFenster() : form(*this) {
    for (const auto& s : Steuerelemente) {
      if (s.art == Art::Textfeld) {
        felder_[Nummer(s.feld)] = {std::u16string(s.text), static_cast<std::size_t>(s.maxLänge)};
      }
    }
    form.Form_Load();
    form.Form_Activate();
  }

  std::u16string Text(Feld f) const override { return felder_[Nummer(f)].text; }
  void SetzeText(Feld f, const std::u16string& text) override { Übernimm(f, text); }
  void SetzeFokus(Feld f) override { fokus = f; }
  bool InZwischenablageLegen(const std::u16string& text) override {
    if (!belegt) {
      zwischenablage = text;
    }
    return !belegt;
  }
  void ZeigeMeldung(const std::u16string&, const std::u16string&, Meldungsart) override {}

  // Types into the focused field, each character where the focus is when it is typed.
  // Typed text replaces the selection; without one the cursor stands at the end.
  void Tippe(const std::u16string& zeichen) {
    for (char16_t c : zeichen) {
      auto& z = felder_[Nummer(*fokus)];
      auto code = static_cast<std::int16_t>(c);
      form.KeyPress(*fokus, code);
      if (code == 8) {
        Bearbeite(z.länge > 0 ? z.anfang : z.text.size() - 1, std::max<std::size_t>(z.länge, 1),
                  u"");
      } else if (code != 0 && z.text.size() - z.länge < z.max) {  // else refused by the limit
        Bearbeite(z.länge > 0 ? z.anfang : z.text.size(), z.länge, std::u16string(1, c));
      }
    }
  }
  // The Delete key at a position: no character is typed, so no key filter sees it.
  void Entf(std::size_t pos) { Bearbeite(pos, 1, u""); }
  // Paste is not filtered; what does not fit is cut off.
  void Einfügen(const std::u16string& text) {
    const auto& z = felder_[Nummer(*fokus)];
    Bearbeite(z.text.size(), 0, text.substr(0, z.max - z.text.size()));
  }
  void Markiere(std::size_t anfang, std::size_t länge) {
    felder_[Nummer(*fokus)].anfang = anfang;
    felder_[Nummer(*fokus)].länge = länge;
  }

  Form1 form;
  std::optional<Feld> fokus;
  std::optional<std::u16string> zwischenablage;
  bool belegt = false;
  int änderungen = 0;

 private:
  struct Zustand {
    std::u16string text;
    std::size_t max = 0, anfang = 0, länge = 0;  // selection
  };

  void Bearbeite(std::size_t anfang, std::size_t länge, const std::u16string& neu) {
    const Feld f = *fokus;
    std::u16string text = Text(f);
    if (anfang < text.size() || (anfang == text.size() && !neu.empty())) {
      Übernimm(f, text.replace(anfang, länge, neu));
    }
  }

  void Übernimm(Feld f, const std::u16string& neu) {
    auto& z = felder_[Nummer(f)];
    EXPECT_LE(neu.size(), z.max) << "a field grew past its maximum length";
    z.länge = 0;
    if (neu != z.text) {
      z.text = neu;
      ++änderungen;
      form.Change(f);
    }
  }

  std::array<Zustand, AnzahlFelder> felder_{};
};

}  // namespace pz::test
