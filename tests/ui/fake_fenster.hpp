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
    std::u16string text, titel;
    Meldungsart art;
  };

  FakeFenster() : form_(*this) {
    for (const auto& s : Steuerelemente) {
      if (s.art == Art::Textfeld) {
        feld(s.feld) = {std::u16string(s.text), static_cast<std::size_t>(s.maxLänge)};
      }
    }
  }

  Form1& form() { return form_; }
  void Starte() {
    form_.Form_Load();
    form_.Form_Activate();
  }

  std::u16string Text(Feld f) const override { return feld(f).text; }
  void SetzeText(Feld f, const std::u16string& text) override { Übernimm(f, text, text.size()); }
  void SetzeFokus(Feld f) override {
    EXPECT_TRUE(ZeileVon(f).aktiviert) << "focus put into a disabled field";
    fokus_ = f;
  }
  bool InZwischenablageLegen(const std::u16string& text) override {
    if (!zwischenablageBelegt) {
      zwischenablage = text;
    }
    return !zwischenablageBelegt;
  }
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override {
    meldungen.push_back({text, titel, art});
  }

  // The focused field, or nothing while a button has the focus.
  std::optional<Feld> Fokus() const { return fokus_; }
  void Klicke(Feld f) { SetzeFokus(f); }

  // A button pressed with the mouse takes the focus, then its handler runs.
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

  // Types into the focused field. The change rule may move the focus on, so each
  // character goes to the field that has the focus when it is typed.
  void Tippe(const std::u16string& zeichen) {
    for (char16_t c : zeichen) {
      Tippe(c);
    }
  }
  void Tippe(char16_t zeichen) {
    if (!fokus_) {
      return;
    }
    const Feld f = *fokus_;
    auto code = static_cast<std::int16_t>(zeichen);
    form_.KeyPress(f, code);
    auto& z = feld(f);
    if (code == 0) {
      return;
    }
    if (code == 8) {
      const bool auswahl = z.länge > 0;
      if (auswahl || z.anfang > 0) {
        Ersetze(f, auswahl ? z.anfang : z.anfang - 1, auswahl ? z.länge : 1, u"");
      }
    } else if (z.text.size() - z.länge < z.max) {  // else refused by the limit: no change
      Ersetze(f, z.anfang, z.länge, std::u16string(1, static_cast<char16_t>(code)));
    }
  }

  // The Delete key types no character, so no key filter sees it.
  void Entf() {
    if (fokus_) {
      auto& z = feld(*fokus_);
      Ersetze(*fokus_, z.anfang, z.länge > 0 ? z.länge : 1, u"");
    }
  }

  // Paste is not filtered; what does not fit is cut off.
  void Einfügen(const std::u16string& text) {
    if (fokus_) {
      auto& z = feld(*fokus_);
      Ersetze(*fokus_, z.anfang, z.länge, text.substr(0, z.max - (z.text.size() - z.länge)));
    }
  }

  // Selects part of the focused field's text; the cursor stands at its start.
  void Markiere(std::size_t anfang, std::size_t länge) {
    if (fokus_) {
      auto& z = feld(*fokus_);
      z.anfang = std::min(anfang, z.text.size());
      z.länge = std::min(länge, z.text.size() - z.anfang);
    }
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

  void Ersetze(Feld f, std::size_t anfang, std::size_t länge, const std::u16string& neu) {
    std::u16string text = feld(f).text;
    if (anfang <= text.size()) {
      text.replace(anfang, länge, neu);
    }
    Übernimm(f, text, anfang + neu.size());
  }

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
