#include <QApplication>

#include "ui/qt/qt_fenster.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  pz::QtFenster fenster;
  fenster.show();
  return QApplication::exec();
}
