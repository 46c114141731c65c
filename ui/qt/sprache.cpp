// Qt's own texts in the window, the fields' menu and the buttons of a message box among
// them, and the names of the actions a screen reader offers, come from Qt's translation.
#include <QCoreApplication>
#include <QTranslator>

#include "werkzeug.hpp"

namespace pz::qt {

QTranslator* QtAufDeutsch(const QString& ordner) {
  auto* übersetzung = new QTranslator(QCoreApplication::instance());
  if (übersetzung->load(QStringLiteral("qtbase_de"), ordner) &&
      QCoreApplication::installTranslator(übersetzung)) {
    return übersetzung;
  }
  delete übersetzung;
  return nullptr;
}

}  // namespace pz::qt
