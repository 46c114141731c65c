#include <QApplication>
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fenster.hpp"
#include "werkzeug.hpp"

namespace {

// The name of the desktop entry and of the icon in the icon theme, as installed.
constexpr char DesktopId[] = "de.morva.voveduzaz";

// What Qt reports while it connects to the display is held back until the connection
// stands: should it fail, one line says so instead of Qt's page about plug-ins, which
// ends in abort() and a core dump.
struct Zurückgehalten {
  QtMsgType art;
  QByteArray kategorie;
  QString text;
};
std::vector<Zurückgehalten> zurückgehalten;
QtMessageHandler qtsAusgabe = nullptr;

void KeineAnzeige() {
  const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray anzeige = qgetenv("DISPLAY");
  if (!plattform.isEmpty() && !plattform.startsWith("xcb")) {
    std::fprintf(stderr, "voveduzaz: Keine Anzeige zu öffnen (QT_QPA_PLATFORM=%s).\n",
                 plattform.constData());
  } else if (anzeige.isEmpty()) {
    std::fprintf(stderr, "voveduzaz: Keine Anzeige zu öffnen (DISPLAY ist nicht gesetzt).\n");
  } else {
    std::fprintf(stderr, "voveduzaz: Die Anzeige DISPLAY=%s lässt sich nicht öffnen.\n",
                 anzeige.constData());
  }
  std::fflush(stderr);
  std::_Exit(1);
}

void BeimVerbinden(QtMsgType art, const QMessageLogContext& kontext, const QString& text) {
  if (art == QtFatalMsg) {
    KeineAnzeige();
  }
  zurückgehalten.push_back({art, QByteArray(kontext.category), text});
}

void NachDemVerbinden() {
  qInstallMessageHandler(qtsAusgabe);
  for (const Zurückgehalten& m : zurückgehalten) {
    const QMessageLogContext kontext(nullptr, 0, nullptr, m.kategorie.constData());
    qtsAusgabe(m.art, kontext, m.text);
  }
  zurückgehalten.clear();
}

}  // namespace

int main(int argc, char* argv[]) {
  // The program takes no command line, and so Qt's own options (-qwindowtitle, -style, …)
  // are not read either; only the program's name is passed on. Qt's environment variables
  // still apply.
  static char name[] = "voveduzaz";
  int anzahl = 1;
  char* argumente[] = {argc > 0 && argv[0] != nullptr ? argv[0] : name, nullptr};

  qtsAusgabe = qInstallMessageHandler(BeimVerbinden);
  QApplication app(anzahl, argumente);
  NachDemVerbinden();

  QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
  pz::qt::QtAufDeutsch();
  pz::qt::Fenster fenster;
  fenster.show();
  return QApplication::exec();
}
