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

}  // namespace

std::int16_t Zeichencode(QChar zeichen) {
  const char16_t u = zeichen.unicode();
  return u <= 0x7fff ? static_cast<std::int16_t>(u) : Fragezeichen;
}

std::optional<std::int16_t> Zeichencode(int taste, Qt::KeyboardModifiers modifikatoren) {
  // On macOS Qt reports Command as Control, so Cmd+V is cancelled there as Ctrl+V is here.
  const bool strg = modifikatoren.testFlag(Qt::ControlModifier);
  const bool umschalt = modifikatoren.testFlag(Qt::ShiftModifier);

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

  if (taste >= Qt::Key_A && taste <= Qt::Key_Z && strg) {
    return static_cast<std::int16_t>(taste - Qt::Key_A + 1);
  }
  // Every other key beyond Unicode is a function, cursor or modifier key.
  if (taste <= 0 || taste >= Qt::Key_Escape) {
    return std::nullopt;
  }
  // Ctrl with a digit or a sign types nothing.
  if (strg) {
    return std::nullopt;
  }
  // Qt names a letter key by its capital whatever the shift state.
  if (taste > 0xffff) {
    return Fragezeichen;
  }
  QChar zeichen(static_cast<char16_t>(taste));
  if (zeichen.isLetter()) {
    zeichen = umschalt ? zeichen.toUpper() : zeichen.toLower();
  }
  return Zeichencode(zeichen);
}

}  // namespace pz
