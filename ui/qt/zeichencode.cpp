#include "zeichencode.hpp"

#include "tastencode.hpp"

namespace pz {

namespace {

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

Tastendruck::Art ArtVon(int taste) {
  switch (taste) {
    case Qt::Key_Backspace:
      return Tastendruck::Art::Rückschritt;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Tastendruck::Art::Eingabe;
    case Qt::Key_Escape:
      return Tastendruck::Art::Esc;
    default:
      return Tastendruck::Art::Andere;
  }
}

}  // namespace

std::optional<std::int16_t> Zeichencode(int taste, Qt::KeyboardModifiers modifikatoren,
                                        QStringView text) {
  // On macOS Qt reports Command as Control.
  return Tastencode({
      .art = ArtVon(taste),
      .buchstabe = taste >= Qt::Key_A && taste <= Qt::Key_Z
                       ? static_cast<char16_t>(u'a' + (taste - Qt::Key_A))
                       : u'\0',
      .zeichen = WirdEingefügt(text)
                     ? std::u16string_view(text.utf16(), static_cast<std::size_t>(text.size()))
                     : std::u16string_view(),
      .strg = modifikatoren.testFlag(Qt::ControlModifier),
      .alt = modifikatoren.testFlag(Qt::AltModifier),
  });
}

}  // namespace pz
