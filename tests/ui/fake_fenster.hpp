#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/fenster_port.hpp"
#include "ui/form1.hpp"
#include "ui/steuerelemente.hpp"

namespace pz::test {

// A window system without a screen that keeps the port's contract: maximum lengths, a
// synchronous change event only on a real change, the key filter before every typed
// character, focus only in enabled fields, and a clipboard that can be made busy.
class FakeFenster : public FensterPort {
 public:
  struct Meldung {
    std::u16string text;
    std::u16string titel;
    Meldungsart art;
  };

  FakeFenster() : form_(*this) {
    for (const auto& s : Steuerelemente) {
      if (s.art == Art::Textfeld) {
        feld(s.feld).text = std::u16string(s.text);
        feld(s.feld).max = static_cast<std::size_t>(s.maxLänge);
      }
    }
  }

  Form1& form() { return form_; }

  // Load and first showing, as every front end does it.
  void Starte() {
    form_.Form_Load();
    form_.Form_Activate();
  }

  // --- the port ---
  std::u16string Text(Feld f) const override { return feld(f).text; }
  void SetzeText(Feld f, const std::u16string& text) override { Übernimm(f, text, text.size()); }
  void SetzeFokus(Feld f) override {
    EXPECT_TRUE(ZeileVon(f).aktiviert) << "focus put into a disabled field";
    fokus_ = f;
  }
  bool InZwischenablageLegen(const std::u16string& text) override {
    if (zwischenablageBelegt) {
      return false;
    }
    zwischenablage = text;
    return true;
  }
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override {
    meldungen.push_back({text, titel, art});
  }

  // --- what a user does ---
  // The focused field, or nothing while a button has the focus.
  std::optional<Feld> Fokus() const { return fokus_; }
  void Klicke(Feld f) { SetzeFokus(f); }

  // A button pressed with the mouse: it takes the focus, then its handler runs.
  void Drücke(std::string_view name, std::int16_t index = -1) {
    for (const auto& s : Steuerelemente) {
      if (s.art == Art::Knopf && s.name == name && s.index == index) {
        fokus_.reset();
        form_.Click(s);
        return;
      }
    }
    ADD_FAILURE() << "no button " << name;
  }

  // Types one character into the focused field.
  void Tippe(char16_t zeichen) {
    if (!fokus_) {
      return;
    }
    const Feld f = *fokus_;  // the change rule may move the focus on
    auto code = static_cast<std::int16_t>(zeichen);
    form_.KeyPress(f, code);
    if (code == 0) {
      return;
    }
    auto& z = feld(f);
    std::u16string neu = z.text;
    std::size_t cursor = z.anfang;
    if (code == 8) {
      if (z.länge > 0) {
        neu.erase(z.anfang, z.länge);
      } else if (z.anfang > 0) {
        neu.erase(--cursor, 1);
      }
    } else {
      if (z.text.size() - z.länge + 1 > z.max) {
        return;  // refused by the maximum length, no change at all
      }
      neu.replace(z.anfang, z.länge, 1, static_cast<char16_t>(code));
      ++cursor;
    }
    Übernimm(f, neu, cursor);
  }
  void Tippe(const std::u16string& zeichen) {
    for (char16_t c : zeichen) {
      Tippe(c);
    }
  }

  // The Delete key: types no character, so no key filter.
  void Entf() {
    if (!fokus_) {
      return;
    }
    const Feld f = *fokus_;  // the change rule may move the focus on
    auto& z = feld(f);
    std::u16string neu = z.text;
    if (z.länge > 0) {
      neu.erase(z.anfang, z.länge);
    } else if (z.anfang < neu.size()) {
      neu.erase(z.anfang, 1);
    }
    Übernimm(f, neu, z.anfang);
  }

  // Paste into the focused field: unfiltered, cut to what still fits.
  void Einfügen(const std::u16string& text) {
    if (!fokus_) {
      return;
    }
    const Feld f = *fokus_;  // the change rule may move the focus on
    auto& z = feld(f);
    const std::size_t platz = z.max - (z.text.size() - z.länge);
    const std::u16string teil = text.substr(0, platz);
    std::u16string neu = z.text;
    neu.replace(z.anfang, z.länge, teil);
    Übernimm(f, neu, z.anfang + teil.size());
  }

  // Selects part of the focused field's text (the cursor stands at the start).
  void Markiere(std::size_t anfang, std::size_t länge) {
    if (!fokus_) {
      return;
    }
    const Feld f = *fokus_;
    auto& z = feld(f);
    z.anfang = std::min(anfang, z.text.size());
    z.länge = std::min(länge, z.text.size() - z.anfang);
  }
  void Cursor(std::size_t pos) { Markiere(pos, 0); }

  int Änderungen(Feld f) const { return feld(f).änderungen; }
  std::size_t MaxLänge(Feld f) const { return feld(f).max; }

  std::optional<std::u16string> zwischenablage;
  bool zwischenablageBelegt = false;
  std::vector<Meldung> meldungen;

 private:
  struct Zustand {
    std::u16string text;
    std::size_t max = 0;
    std::size_t anfang = 0;  // cursor, or start of the selection
    std::size_t länge = 0;   // selected units
    int änderungen = 0;
  };

  Zustand& feld(Feld f) { return felder_[Nummer(f)]; }
  const Zustand& feld(Feld f) const { return felder_[Nummer(f)]; }

  void Übernimm(Feld f, const std::u16string& neu, std::size_t cursor) {
    auto& z = feld(f);
    EXPECT_LE(neu.size(), z.max) << "a field grew past its maximum length";
    const bool geändert = neu != z.text;
    z.text = neu;
    z.anfang = std::min(cursor, neu.size());
    z.länge = 0;
    if (geändert) {
      ++z.änderungen;
      form_.Change(f);
    }
  }

  std::array<Zustand, AnzahlFelder> felder_{};
  std::optional<Feld> fokus_;  // before activation the platform gives it to a button
  Form1 form_;
};

}  // namespace pz::test
