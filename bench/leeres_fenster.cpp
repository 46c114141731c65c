#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

// An empty window of the program's size: what Qt itself costs.
// With "--beschriftung" it shows one short label as well. The empty window never draws
// text and so never starts fontconfig; the label shows what the first text costs any
// program.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget fenster;
  fenster.setFixedSize(428, 113);
  if (argc > 1 && std::strcmp(argv[1], "--beschriftung") == 0) {
    auto* beschriftung = new QLabel(QStringLiteral("Seriennr."), &fenster);
    beschriftung->move(64, 8);
  }
  fenster.show();
  return QApplication::exec();
}
