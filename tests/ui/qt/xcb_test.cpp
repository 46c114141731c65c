// Real key events of an X server, through Qt's xcb platform: what the offscreen tests feed
// as QKeyEvents is here typed by xdotool, as a keyboard of another layout would type it.
// Runs under xvfb-run, which gives it a display of its own.
#include <functional>
#include <tuple>

#include "qt_test.hpp"

TEST(Xcb, NurZiffernKommenInsFeldUndFremdeTexteWieForm1SieLässt) {
  Fenster f;
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  auto* bkz = Element(f, "txtBehördenKennZahl");
  // No window manager activates the window; showing it counts as its first activation.
  EXPECT_EQ(f.focusWidget(), bkz);
  // Nor does one give it the keyboard; xdotool does.
  ASSERT_EQ(QProcess::execute(u"xdotool"_s, u"windowfocus --sync %1"_s.arg(f.winId()).split(u' ')),
            0);
  // Pasted or dropped text is taken as Form1::Einfügbar leaves it, as one change event, and
  // none when nothing was taken; another program's text as it wrote it, on every route: Qt
  // would take a leading U+FEFF for a byte-order mark and drop it. xclip holds the clipboard
  // and the selection, as another program would.
  const auto xclip = [](const QStringList& argumente, const QString& eingabe = {}) {
    QProcess p;
    p.start(u"xclip"_s, argumente);
    p.write(eingabe.toUtf8());
    p.closeWriteChannel();
    // The window may have to answer xclip meanwhile.
    EXPECT_TRUE(QTest::qWaitFor([&p] { return p.state() == QProcess::NotRunning; }, 5000));
    return p.readAllStandardOutput();
  };
  // xclip ends as soon as a child of its own holds the text, which takes that child a moment
  // longer on a busy machine; until then the text before is on offer.
  const auto halten = [&xclip](const QString& auswahl, const QString& text) {
    xclip({u"-selection"_s, auswahl}, text);
    const auto gehalten = [&] {
      return xclip({u"-o"_s, u"-selection"_s, auswahl}) == text.toUtf8();
    };
    EXPECT_TRUE(QTest::qWaitFor(gehalten, 5000));
  };
  const auto ablegen = [bkz](const QString& text) {
    QMimeData daten;
    daten.setText(text);
    const QPoint stelle(bkz->width() - 2, 5);
    QDragEnterEvent ziehen(stelle, Qt::CopyAction, &daten, Qt::LeftButton, {});
    QApplication::sendEvent(bkz, &ziehen);
    QDropEvent ablage(stelle, Qt::CopyAction, &daten, Qt::LeftButton, {});
    QApplication::sendEvent(bkz, &ablage);
  };
  const std::pair<const char*, std::function<void(const QString&)>> wege[] = {
      {"Shift+Insert",
       [bkz](const QString&) { QTest::keyClick(bkz, Qt::Key_Insert, Qt::ShiftModifier); }},
      {"middle button", [bkz](const QString&) { QTest::mouseClick(bkz, Qt::MiddleButton); }},
      {"drop", ablegen}};
  int änderungen = 0;
  f.BeobachteÄnderungen([&änderungen](Feld) { ++änderungen; });
  for (const auto& [weg, einfügen] : wege) {
    for (const auto& [text, soll] : {std::pair{u"123\U0001F600"_s, u"123"_s},
                                     {u"\n12"_s, QString()},
                                     {u"\uFEFF12"_s, u"\uFEFF12"_s}}) {
      SCOPED_TRACE(testing::Message() << weg << ", " << text.toStdString());
      f.SetzeText(Feld::txtBehördenKennZahl, u"");
      const bool auswahl = weg == std::string_view("middle button");  // pastes PRIMARY
      halten(u"clipboard"_s, auswahl ? u"9"_s : text);
      halten(u"primary"_s, auswahl ? text : u"9"_s);
      änderungen = 0;
      einfügen(text);
      EXPECT_EQ(bkz->text(), soll);
      EXPECT_EQ(änderungen, soll.isEmpty() ? 0 : 1);
    }
  }
  QTest::mouseClick(Element<QWidget>(f, "cb_ZA_0"), Qt::LeftButton);
  EXPECT_EQ(xclip({u"-o"_s, u"-selection"_s, u"clipboard"_s}), u"\uFEFF12"_s.toUtf8());
  QGuiApplication::clipboard()->setText({}, QClipboard::Selection);  // xclip lets it go and ends

  // Keys typed after a click into the authority code, empty, or into a full date of birth,
  // while the clipboard holds the text just copied. The 7 last leaves the field as the row
  // expects; once it does, every key before it has arrived. xdotool maps a spare key to each
  // sign the keyboard lacks and back again; the window has to take its events meanwhile, or
  // it reads the key with the map as it was. The full date refuses Backspace and
  // Ctrl+Backspace, which would delete a word, but not Delete, which types no character;
  // Ctrl+A there only selects, so the 1 after it is refused and lands nowhere else.
  using enum Feld;
  f.SetzeText(txtAblauf, u"10");
  const std::tuple<Feld, const char*, QString, QString> fälle[] = {
      {txtBehördenKennZahl, "Arabic-Indic, Persian, Devanagari, full-width, Bengali, Thai digits",
       u"Arabic_3 Farsi_3 U0969 UFF13 U09E9 Thai_leksam KP_7"_s, u"7"_s},
      {txtBehördenKennZahl, "Ctrl+Alt and Alt with digits and signs",
       u"ctrl+alt+1 ctrl+alt+comma ctrl+alt+KP_Decimal alt+1 KP_7"_s, u"7"_s},
      {txtBehördenKennZahl, "letters, signs and Ctrl+V", u"a minus space ctrl+v KP_7"_s, u"7"_s},
      {txtGeburt, "Backspace", u"BackSpace ctrl+BackSpace Home Delete Delete 7"_s, u"70727"_s},
      {txtGeburt, "Ctrl+A", u"ctrl+a 1 Delete 7"_s, u"7"_s},
  };
  for (const auto& [feld, name, tasten, soll] : fälle) {
    SCOPED_TRACE(name);
    f.SetzeText(feld, feld == txtGeburt ? u"520727" : u"");
    auto* w = Element(f, ObjektName(ZeileVon(feld)));
    const QPoint mitte = w->mapToGlobal(w->rect().center());
    QProcess xdotool;
    const QString klicken = u"mousemove %1 %2 click 1 key "_s.arg(mitte.x()).arg(mitte.y());
    xdotool.start(u"xdotool"_s, (klicken + tasten).split(u' '));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->text() == soll; }, 5000));
    xdotool.waitForFinished();
    EXPECT_EQ(w->text(), soll);
    EXPECT_EQ(f.Text(txtAblauf), u"10");
    EXPECT_EQ(QApplication::focusWidget(), w);
  }
}
