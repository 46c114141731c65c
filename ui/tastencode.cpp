#include "tastencode.hpp"

namespace pz {

namespace {

// Stands in for characters beyond the 16-bit signed range, so that no wrap-around can
// turn one of them into a digit.
constexpr std::int16_t Fragezeichen = 63;

}  // namespace

std::int16_t Zeichencode(char16_t zeichen) {
  return zeichen <= 0x7fff ? static_cast<std::int16_t>(zeichen) : Fragezeichen;
}

std::optional<std::int16_t> Tastencode(const Tastendruck& taste) {
  // Ctrl+Backspace and Ctrl+Return type DEL and LF on Windows; giving them those codes
  // keeps a toolkit's delete-word from slipping past a full field's filter.
  switch (taste.art) {
    case Tastendruck::Art::Rückschritt:
      return taste.strg ? Entf : Backspace;
    case Tastendruck::Art::Eingabe:
      return taste.strg ? Zeilenvorschub : Wagenrücklauf;
    case Tastendruck::Art::Esc:
      return Escape;
    case Tastendruck::Art::Andere:
      break;
  }
  if (taste.strg && !taste.alt && taste.buchstabe >= u'a' && taste.buchstabe <= u'z') {
    return static_cast<std::int16_t>(taste.buchstabe - u'a' + 1);
  }
  if (taste.zeichen.empty()) {
    return std::nullopt;
  }
  // No other key held with Ctrl or Alt types a digit on Windows: Alt+key is a menu key
  // there, Ctrl+key a control character or nothing, and Ctrl+Alt is AltGr, whose
  // characters X11 reports with neither modifier held. A toolkit's field would still
  // insert the key's plain character, "1" for Ctrl+Alt+1.
  if (taste.strg || taste.alt) {
    return 0;
  }
  return taste.zeichen.size() == 1 ? Zeichencode(taste.zeichen.front()) : Fragezeichen;
}

}  // namespace pz
