// What the tests of the Qt front end share: widgets found by their object names, the
// fields' context menu, and a main that picks the platform.
#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <string_view>

#include "fenster.hpp"
#include "werkzeug.hpp"

using namespace pz;
using namespace pz::qt;
using namespace Qt::StringLiterals;

// Lets failures show a QString as text.
inline void PrintTo(const QString& text, std::ostream* aus) {
  *aus << '"' << text.toStdString() << '"';
}

template <typename W = QLineEdit>
W* Element(const QWidget& fenster, std::string_view name) {
  return fenster.findChild<W*>(QString::fromUtf8(name.data(), std::ssize(name)));
}

// Opens a field's context menu, as the menu key does; the menu stays open.
inline QMenu* Kontextmenü(QLineEdit* feld) {
  QContextMenuEvent menü(QContextMenuEvent::Keyboard, {2, 2}, feld->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(feld, &menü);
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Chooses the menu's entry, in whichever language Qt speaks, and closes the menu.
inline void Wählen(QMenu* menü, const char* qtsText) {
  for (QAction* aktion : menü->actions()) {
    if (aktion->text() == QLineEdit::tr(qtsText)) {
      aktion->trigger();
    }
  }
  menü->close();
}

inline int TestHauptprogramm(int argc, char* argv[], const char* plattform) {
  qputenv("QT_QPA_PLATFORM", plattform);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
