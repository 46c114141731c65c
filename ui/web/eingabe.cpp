// What reaches an input field: typed characters through the key filter, pastes and drops
// as Form1 takes them, and the Tab key within the window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fenster.hpp"
#include "steuerelemente.hpp"
#include "tastencode.hpp"
#include "werkzeug.hpp"

namespace pz::web {

namespace {

bool EinZeichen(std::u16string_view taste) {
  return taste.size() == 1 || (taste.size() == 2 && IstHoch(taste[0]) && IstTief(taste[1]));
}

char16_t Kleinbuchstabe(std::u16string_view taste) {
  const char16_t c = taste.size() == 1 ? taste[0] : u'\0';
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// The code a key types, as on Windows, from the key's value in the browser: one character,
// or the name of a key that types none ("Tab", "ArrowLeft", "Dead").
std::optional<std::int16_t> CodeDerTaste(std::u16string_view taste, bool strg, bool alt) {
  const auto art = taste == u"Backspace" ? Tastendruck::Art::Rückschritt
                   : taste == u"Enter"   ? Tastendruck::Art::Eingabe
                   : taste == u"Escape"  ? Tastendruck::Art::Esc
                                         : Tastendruck::Art::Andere;
  return Tastencode({.art = art,
                     .buchstabe = Kleinbuchstabe(taste),
                     .zeichen = EinZeichen(taste) ? taste : std::u16string_view(),
                     .strg = strg,
                     .alt = alt});
}

// A field's selection.
struct Auswahl {
  std::size_t anfang, ende;
};

Auswahl AuswahlIn(std::size_t zeile) {
  std::uint32_t anfang = 0, ende = 0;
  pz_auswahl(zeile, &anfang, &ende);
  return {anfang, ende};
}

void Ersetzen(std::size_t zeile, std::u16string_view text, Auswahl auswahl) {
  pz_ersetzen(zeile, text.data(), text.size(), auswahl.anfang, auswahl.ende);
}

}  // namespace

void Fenster::Taste(std::size_t zeile, unsigned zustand) {
  const std::u16string taste = TextDesEreignisses(EreignisText::Taste);
  const bool strg = (zustand & (Strg | Meta)) != 0;
  const bool alt = (zustand & Alt) != 0;
  // The Tab cycle stays inside the window, as in a dialog: never out to the browser.
  if (taste == u"Tab" && !strg && !alt) {
    pz_ereignis_abwehren();
    Weiter(zeile, (zustand & Umschalt) != 0);
    return;
  }
  const Steuerelement& s = Steuerelemente[zeile];
  if (s.art != Art::Textfeld || (zustand & Komponiert) != 0) {
    return;
  }
  const std::optional<std::int16_t> code = CodeDerTaste(taste, strg, alt);
  if (!code) {
    return;
  }
  const bool buchstabe = Kleinbuchstabe(taste) >= u'a' && Kleinbuchstabe(taste) <= u'z';
  // Ctrl+A selects the whole text on the key itself, as a Windows edit does, before its
  // code 1 reaches the filter; a selection is no edit.
  if (strg && !alt && Kleinbuchstabe(taste) == u'a') {
    pz_ereignis_abwehren();
    pz_alles_waehlen(zeile);
  }
  std::int16_t KeyAscii = *code;
  form_.KeyPress(s.feld, KeyAscii);
  if (KeyAscii == 0) {
    // The field takes nothing; Ctrl with a key that is no letter stays the browser's own
    // (zoom, the tabs), since a field would take nothing from it either.
    if (!strg || alt || buchstabe || !EinZeichen(taste)) {
      pz_ereignis_abwehren();
    }
  } else if (KeyAscii == Backspace && taste != u"Backspace") {
    // Ctrl+H types Backspace on Windows, and the edit deletes as Backspace does.
    pz_ereignis_abwehren();
    pz_befehl("delete");
  }
}

// Characters that arrive without a key the filter has seen (an on-screen keyboard, another
// program, an input method's commit of several) go through it here, one by one. A key's
// own character comes past again, and takes the same answer.
void Fenster::VorEingabe(Feld feld) {
  const std::u16string art = TextDesEreignisses(EreignisText::Eingabeart);
  if (art == u"insertText") {
    const std::u16string daten = TextDesEreignisses(EreignisText::Eingabe);
    std::int16_t KeyAscii = EinZeichen(daten) && daten.size() == 1 ? Zeichencode(daten[0]) : 0;
    form_.KeyPress(feld, KeyAscii);
    if (KeyAscii == 0) {
      pz_ereignis_abwehren();
      Tippen(feld, daten);
    }
  } else if (art == u"deleteContentBackward" || art == u"insertLineBreak" ||
             art == u"insertParagraph") {
    std::int16_t KeyAscii = art == u"deleteContentBackward" ? Backspace : Wagenrücklauf;
    form_.KeyPress(feld, KeyAscii);
    if (KeyAscii == 0) {
      pz_ereignis_abwehren();
    }
  } else if (art.rfind(u"insertFrom", 0) == 0 || art == u"insertReplacementText") {
    // Pastes and drops come through their own events; nothing else may insert.
    pz_ereignis_abwehren();
  }
}

// Each character as a key would type it, against the field as those before it left it.
// The field refuses a character when it is full and nothing is selected.
void Fenster::Tippen(Feld feld, const std::u16string& zeichen) {
  const std::size_t zeile = Zeile(ZeileVon(feld));
  for (const char16_t c : zeichen) {
    std::int16_t KeyAscii = Zeichencode(c);
    form_.KeyPress(feld, KeyAscii);
    const std::u16string text = Übernehmen(pz_text(zeile));
    Auswahl auswahl = AuswahlIn(zeile);
    if (KeyAscii == Backspace) {
      if (auswahl.anfang == auswahl.ende && auswahl.anfang > 0) {
        auswahl.anfang -= ImPaar(text, auswahl.anfang - 1) ? 2 : 1;
      }
      if (auswahl.anfang == auswahl.ende) {
        continue;
      }
      Ersetzen(zeile, u"", auswahl);
    } else if (KeyAscii >= u' ' &&
               (auswahl.anfang != auswahl.ende ||
                text.size() < static_cast<std::size_t>(MaxLänge(ZeileVon(feld))))) {
      Ersetzen(zeile, std::u16string_view(&c, 1), auswahl);
    } else {
      continue;
    }
    Geändert(feld);
  }
}

// The field takes what Form1 leaves of the text, in place of its selection, as one edit.
void Fenster::Einfügen(Feld feld, const std::u16string& text) {
  const std::size_t zeile = Zeile(ZeileVon(feld));
  const std::size_t länge = Übernehmen(pz_text(zeile)).size();
  const Auswahl auswahl = AuswahlIn(zeile);
  const auto grenze = static_cast<std::size_t>(MaxLänge(ZeileVon(feld)));
  const std::size_t übrig = länge - (auswahl.ende - auswahl.anfang);
  const std::u16string_view teil = Form1::Einfügbar(text, grenze > übrig ? grenze - übrig : 0);
  if (teil.empty() && auswahl.anfang == auswahl.ende) {
    return;  // nothing replaced, nothing inserted: no change
  }
  Ersetzen(zeile, teil, auswahl);
  Geändert(feld);
}

// What an input method composed was shown as it grew; its commit goes through the filter
// character by character, over the text as it was before.
void Fenster::KompositionEnde(Feld feld) {
  if (!komposition_) {
    return;
  }
  const std::size_t zeile = Zeile(ZeileVon(feld));
  pz_setze_text(zeile, komposition_->text.data(), komposition_->text.size());
  pz_waehlen(zeile, komposition_->anfang, komposition_->ende);
  komposition_.reset();
  Tippen(feld, TextDesEreignisses(EreignisText::Eingabe));
}

// The next control of the Tab cycle, wrapping within the window. As the dialog manager
// does on Windows, Tab selects the whole text of the field it comes to.
void Fenster::Weiter(std::size_t zeile, bool rückwärts) {
  const std::size_t n = Steuerelemente.size();
  do {
    zeile = (zeile + (rückwärts ? n - 1 : 1)) % n;
  } while (!IstTabstopp(Steuerelemente[zeile]));
  pz_fokus(zeile, false);
  if (Steuerelemente[zeile].art == Art::Textfeld) {
    pz_alles_waehlen(zeile);
  }
}

}  // namespace pz::web
