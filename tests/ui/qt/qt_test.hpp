// What the tests of the Qt front end share: widgets found by their object names, and the
// main. Each test program includes it once.
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

// Each test program runs on the platform its build names: offscreen, real widgets with no
// display, or a real X server.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", PZ_QT_PLATTFORM);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
