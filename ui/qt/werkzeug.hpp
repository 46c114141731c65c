#pragma once

#include <QClipboard>
#include <QLibraryInfo>
#include <QString>
#include <QStringView>
#include <string_view>

class QDropEvent;
class QTranslator;

namespace pz::qt {

// Qt lays widgets out in logical pixels, which are 96 to the inch; on denser screens Qt
// scales them itself.
inline constexpr int LogischeDpi = 96;

// QString::fromUtf16 would take a leading U+FEFF or U+FFFE for a byte-order mark, drop it
// and byte-swap the rest; a field may hold either, and they must stay as they are.
inline QString Q(std::u16string_view text) {
  return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

inline std::u16string_view U(QStringView text) {
  return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// The text of the clipboard, of the selection or of a drop as the program that put it
// there wrote it, a leading U+FEFF included; see ablage.cpp.
QString AblageText(QClipboard::Mode modus);
QString AblageText(const QDropEvent& ablage);

// Every text of the window is German, whatever the system's language, and so are Qt's own:
// installs Qt's German translation from the folder, before any widget is made. Returns it,
// or nullptr where it is missing; Qt then speaks English.
QTranslator* QtAufDeutsch(
    const QString& ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// A screen reader hears of each display field that it is read-only text; see zugang.cpp.
void ZugangEinrichten();

}  // namespace pz::qt
