// What reaches an input field: typed characters through the key filter, pastes and drops
// as Form1 takes them, and the Tab key within the window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fenster.hpp"
#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace pz::web {

namespace {

constexpr std::int16_t Backspace = 8;
constexpr std::int16_t Zeilenvorschub = 10;
constexpr std::int16_t Wagenrücklauf = 13;
constexpr std::int16_t Escape = 27;
constexpr std::int16_t Entf = 127;
// Stands in for characters beyond the 16-bit signed range, so that no wrap-around can
// turn one of them into a digit.
constexpr std::int16_t Fragezeichen = 63;

std::int16_t Zeichencode(char16_t zeichen) {
  return zeichen <= 0x7fff ? static_cast<std::int16_t>(zeichen) : Fragezeichen;
}

bool EinZeichen(std::u16string_view taste) {
  return taste.size() == 1 || (taste.size() == 2 && IstHoch(taste[0]) && IstTief(taste[1]));
}

char16_t Kleinbuchstabe(std::u16string_view taste) {
  const char16_t c = taste.size() == 1 ? taste[0] : u'\0';
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// The code a key types, as on Windows; none for a key that types no character (Tab,
// Delete, the arrows, a dead key, or one whose character only an input method knows).
// Ctrl+Backspace and Ctrl+Return type DEL and LF there. Command on a Mac counts as Ctrl,
// so Cmd+V is cancelled as Ctrl+V is.
std::optional<std::int16_t> Zeichencode(std::u16string_view taste, bool strg, bool alt) {
  if (taste == u"Backspace") {
    return strg ? Entf : Backspace;
  }
  if (taste == u"Enter") {
    return strg ? Zeilenvorschub : Wagenrücklauf;
  }
  if (taste == u"Escape") {
    return Escape;
  }
  if (!EinZeichen(taste)) {
    return std::nullopt;
  }
  const char16_t buchstabe = Kleinbuchstabe(taste);
  if (strg && !alt && buchstabe >= u'a' && buchstabe <= u'z') {
    return static_cast<std::int16_t>(buchstabe - u'a' + 1);
  }
  // No other key held with Ctrl or Alt types a digit on Windows; AltGr is Ctrl+Alt there.
  if (strg || alt) {
    return 0;
  }
  return taste.size() == 1 ? Zeichencode(taste[0]) : Fragezeichen;
}

std::size_t Zahl(const val& v) {
  return v.as<std::size_t>();
}

}  // namespace

void Fenster::Taste(std::size_t zeile, const val& e) {
  const auto taste = e["key"].as<std::u16string>();
  const bool strg = e["ctrlKey"].as<bool>() || e["metaKey"].as<bool>();
  const bool alt = e["altKey"].as<bool>();
  // The Tab cycle stays inside the window, as in a dialog: never out to the browser.
  if (taste == u"Tab" && !strg && !alt) {
    e.call<void>("preventDefault");
    Weiter(zeile, e["shiftKey"].as<bool>());
    return;
  }
  const Steuerelement& s = Steuerelemente[zeile];
  if (s.art != Art::Textfeld || e["isComposing"].as<bool>()) {
    return;
  }
  const std::optional<std::int16_t> code = Zeichencode(taste, strg, alt);
  if (!code) {
    return;
  }
  val& feld = elemente_[zeile];
  const bool buchstabe = Kleinbuchstabe(taste) >= u'a' && Kleinbuchstabe(taste) <= u'z';
  // Ctrl+A selects the whole text on the key itself, as a Windows edit does, before its
  // code 1 reaches the filter; a selection is no edit.
  if (strg && !alt && Kleinbuchstabe(taste) == u'a') {
    e.call<void>("preventDefault");
    feld.call<void>("select");
  }
  std::int16_t KeyAscii = *code;
  form_.KeyPress(s.feld, KeyAscii);
  if (KeyAscii == 0) {
    // The field takes nothing; Ctrl with a key that is no letter stays the browser's own
    // (zoom, the tabs), since a field would take nothing from it either.
    if (!strg || alt || buchstabe || !EinZeichen(taste)) {
      e.call<void>("preventDefault");
    }
  } else if (KeyAscii == Backspace && taste != u"Backspace") {
    // Ctrl+H types Backspace on Windows, and the edit deletes as Backspace does.
    e.call<void>("preventDefault");
    dokument_.call<bool>("execCommand", val("delete"));
  }
}

// Characters that arrive without a key the filter has seen (an on-screen keyboard, another
// program, an input method's commit of several) go through it here, one by one. A key's
// own character comes past again, and takes the same answer.
void Fenster::VorEingabe(Feld feld, const val& e) {
  const std::string art = e["inputType"].as<std::string>();
  if (art == "insertText") {
    const auto daten = e["data"].as<std::u16string>();
    std::int16_t KeyAscii = EinZeichen(daten) && daten.size() == 1 ? Zeichencode(daten[0]) : 0;
    form_.KeyPress(feld, KeyAscii);
    if (KeyAscii == 0) {
      e.call<void>("preventDefault");
      Tippen(feld, daten);
    }
  } else if (art == "deleteContentBackward" || art == "insertLineBreak" ||
             art == "insertParagraph") {
    std::int16_t KeyAscii = art == "deleteContentBackward" ? Backspace : Wagenrücklauf;
    form_.KeyPress(feld, KeyAscii);
    if (KeyAscii == 0) {
      e.call<void>("preventDefault");
    }
  } else if (art.rfind("insertFrom", 0) == 0 || art == "insertReplacementText") {
    // Pastes and drops come through their own events; nothing else may insert.
    e.call<void>("preventDefault");
  }
}

// Each character as a key would type it, against the field as those before it left it.
// The field refuses a character when it is full and nothing is selected.
void Fenster::Tippen(Feld feld, const std::u16string& zeichen) {
  val& w = FeldElement(feld);
  for (const char16_t c : zeichen) {
    std::int16_t KeyAscii = Zeichencode(c);
    form_.KeyPress(feld, KeyAscii);
    const std::u16string text = w["value"].as<std::u16string>();
    std::size_t anfang = Zahl(w["selectionStart"]);
    const std::size_t ende = Zahl(w["selectionEnd"]);
    if (KeyAscii == Backspace) {
      if (anfang == ende && anfang > 0) {
        anfang -= ImPaar(text, anfang - 1) ? 2 : 1;
      }
      if (anfang == ende) {
        continue;
      }
      w.call<void>("setRangeText", std::u16string(), anfang, ende, val("end"));
    } else if (KeyAscii >= u' ' &&
               (anfang != ende ||
                text.size() < static_cast<std::size_t>(MaxLänge(ZeileVon(feld))))) {
      w.call<void>("setRangeText", std::u16string(1, c), anfang, ende, val("end"));
    } else {
      continue;
    }
    Geändert(feld);
  }
}

// The field takes what Form1 leaves of the text, in place of its selection, as one edit.
void Fenster::Einfügen(Feld feld, const std::u16string& text) {
  val& w = FeldElement(feld);
  const std::size_t länge = w["value"].as<std::u16string>().size();
  const std::size_t anfang = Zahl(w["selectionStart"]);
  const std::size_t ende = Zahl(w["selectionEnd"]);
  const auto grenze = static_cast<std::size_t>(MaxLänge(ZeileVon(feld)));
  const std::size_t übrig = länge - (ende - anfang);
  const std::u16string_view teil = Form1::Einfügbar(text, grenze > übrig ? grenze - übrig : 0);
  if (teil.empty() && anfang == ende) {
    return;  // nothing replaced, nothing inserted: no change
  }
  w.call<void>("setRangeText", std::u16string(teil), anfang, ende, val("end"));
  Geändert(feld);
}

// What an input method composed was shown as it grew; its commit goes through the filter
// character by character, over the text as it was before.
void Fenster::KompositionEnde(Feld feld, const val& e) {
  if (!komposition_) {
    return;
  }
  val& w = FeldElement(feld);
  w.set("value", komposition_->text);
  w.call<void>("setSelectionRange", komposition_->anfang, komposition_->ende);
  komposition_.reset();
  const val daten = e["data"];
  Tippen(feld, daten.isString() ? daten.as<std::u16string>() : std::u16string());
}

// The next control of the Tab cycle, wrapping within the window. As the dialog manager
// does on Windows, Tab selects the whole text of the field it comes to.
void Fenster::Weiter(std::size_t zeile, bool rückwärts) {
  const std::size_t n = Steuerelemente.size();
  do {
    zeile = (zeile + (rückwärts ? n - 1 : 1)) % n;
  } while (!IstTabstopp(Steuerelemente[zeile]));
  elemente_[zeile].call<void>("focus");
  if (Steuerelemente[zeile].art == Art::Textfeld) {
    elemente_[zeile].call<void>("select");
  }
}

}  // namespace pz::web
