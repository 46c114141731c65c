#include "zeichencode.hpp"

namespace pz {

namespace {

constexpr std::int16_t Backspace = 8;
constexpr std::int16_t Zeilenvorschub = 10;
constexpr std::int16_t Wagenrücklauf = 13;
constexpr std::int16_t Escape = 27;
constexpr std::int16_t Entf = 127;
// Stands in for characters beyond the 16-bit signed range, so that no wrap-around can
// turn one of them into a digit.
constexpr std::int16_t Fragezeichen = 63;
constexpr std::int16_t KeinZeichen = 0;

// Whether Qt's line edit inserts a key's text. It leaves out control characters, but
// takes the text whatever the modifiers, Ctrl+Alt included.
bool WirdEingefügt(QStringView text) {
  if (text.isEmpty()) {
    return false;
  }
  const QChar zeichen = text.front();
  return zeichen.isPrint() || zeichen.isSurrogate() || zeichen.category() == QChar::Other_Format ||
         zeichen.category() == QChar::Other_PrivateUse;
}

}  // namespace

std::int16_t Zeichencode(QChar zeichen) {
  const char16_t u = zeichen.unicode();
  return u <= 0x7fff ? static_cast<std::int16_t>(u) : Fragezeichen;
}

std::optional<std::int16_t> Zeichencode(int taste, Qt::KeyboardModifiers modifikatoren,
                                        QStringView text) {
  // On macOS Qt reports Command as Control, so Cmd+V is cancelled there as Ctrl+V is here.
  const bool strg = modifikatoren.testFlag(Qt::ControlModifier);
  const bool alt = modifikatoren.testFlag(Qt::AltModifier);

  // Ctrl+Backspace and Ctrl+Return type DEL and LF on Windows; giving them those codes
  // keeps Qt's delete-word from slipping past a full field's filter.
  switch (taste) {
    case Qt::Key_Backspace:
      return strg ? Entf : Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return strg ? Zeilenvorschub : Wagenrücklauf;
    case Qt::Key_Escape:
      return Escape;
    default:
      break;
  }

  if (strg && !alt && taste >= Qt::Key_A && taste <= Qt::Key_Z) {
    return static_cast<std::int16_t>(taste - Qt::Key_A + 1);
  }
  if (!WirdEingefügt(text)) {
    return std::nullopt;
  }
  // No other key held with Ctrl or Alt types a digit on Windows: Alt+key is a menu key
  // there, Ctrl+key a control character or nothing, and Ctrl+Alt is AltGr, whose
  // characters X11 reports with neither modifier held. Qt's field would still insert the
  // key's plain character, "1" for Ctrl+Alt+1.
  if (strg || alt) {
    return KeinZeichen;
  }
  return text.size() == 1 ? Zeichencode(text.front()) : Fragezeichen;
}

}  // namespace pz
