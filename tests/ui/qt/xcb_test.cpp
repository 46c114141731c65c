// Real key events of an X server, through Qt's xcb platform: what the offscreen tests feed
// as QKeyEvents is here typed by xdotool, as a keyboard of another layout would type it.
// Runs under xvfb-run, which gives it a display of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include "fenster.hpp"

using namespace pz;
using namespace Qt::StringLiterals;

void PrintTo(const QString& text, std::ostream* aus) {
  *aus << '"' << text.toStdString() << '"';
}

TEST(XcbTasten, NurZiffernKommenInsFeld) {
  qt::Fenster f;
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  auto* bkz = f.findChild<QLineEdit*>(u"txtBehördenKennZahl"_s);
  // No window manager gives the window the keyboard; xdotool does.
  ASSERT_EQ(
      QProcess::execute(u"xdotool"_s, {u"windowfocus"_s, u"--sync"_s, QString::number(f.winId())}),
      0);
  const std::pair<const char*, QStringList> fälle[] = {
      {"Arabic-Indic, Persian, Devanagari, full-width, Bengali and Thai digits",
       {u"Arabic_3"_s, u"Farsi_3"_s, u"U0969"_s, u"UFF13"_s, u"U09E9"_s, u"Thai_leksam"_s}},
      {"Ctrl+Alt and Alt with digits and signs",
       {u"ctrl+alt+1"_s, u"ctrl+alt+comma"_s, u"ctrl+alt+KP_Decimal"_s, u"alt+1"_s}},
      {"letters, signs and Ctrl+V", {u"a"_s, u"minus"_s, u"space"_s, u"ctrl+v"_s}},
  };
  for (const auto& [name, tasten] : fälle) {
    SCOPED_TRACE(name);
    f.SetzeText(Feld::txtBehördenKennZahl, u"");
    f.SetzeFokus(Feld::txtBehördenKennZahl);
    // The keypad's 7 last: once it stands in the field, every key before it has arrived.
    // xdotool maps a spare key to each sign the keyboard lacks and back again; the window
    // has to take its events meanwhile, or it reads the key with the map as it was.
    QProcess xdotool;
    xdotool.start(u"xdotool"_s, QStringList{u"key"_s} + tasten + QStringList{u"KP_7"_s});
    EXPECT_TRUE(QTest::qWaitFor([&] { return bkz->text().endsWith(u'7'); }, 5000));
    xdotool.waitForFinished();
    EXPECT_EQ(bkz->text(), u"7"_s);
  }
}

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
