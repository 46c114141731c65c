#include <QApplication>

#include "fenster.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  pz::qt::Fenster fenster;
  fenster.show();
  return QApplication::exec();
}
