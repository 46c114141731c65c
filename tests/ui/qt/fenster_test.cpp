// The Qt front end with its real widgets, offscreen. The rules behind it are tested against
// a test window without a screen; only what this adapter translates is tested here.
#include <tuple>

#include "kontrast_messen.hpp"
#include "nummer.hpp"
#include "qt_test.hpp"
#include "steuerelemente.hpp"
#include "strg_a_faelle.hpp"

// Every control where the table puts it, with its tool tip, and what a screen reader hears
// of it; every label shows its caption whole, clear of its neighbours, also at a larger
// default font. Labels are static text, buttons buttons, an input field text the user edits,
// a display field read-only text that no focus reaches, its digit the value; a field is
// labelled by the label over it. A display field stays disabled, but its text reads against
// its ground in the platform's palette (Fusion's, here), and in a dark one the user switches
// to while the window is open.
TEST(Steuerelement, WieInDerTabelleUndWieEinScreenreaderEsHört) {
  const QFont vorher = QApplication::font();
  const QPalette plattform = QApplication::palette();
  const QPalette dunkel(QColor(0x35, 0x35, 0x35));  // its disabled text is all but black
  for (const double punkt : {vorher.pointSizeF(), 11.0}) {
    QFont schrift = vorher;
    schrift.setPointSizeF(punkt);
    QApplication::setFont(schrift);
    Fenster f;
    QApplication::setFont(vorher);
    f.show();
    for (const Feld feld :
         {Feld::txtPZBKZ_Seriennr, Feld::txtPZGeburt, Feld::txtPZAblauf, Feld::txtPZgesamt}) {
      f.SetzeText(feld, u"8");
    }
    EXPECT_EQ(f.size(), QSize(InPixel(FensterBreite, 96), InPixel(FensterHöhe, 96)));
    for (const Steuerelement& s : Steuerelemente) {
      SCOPED_TRACE(testing::Message() << ObjektName(s) << " at " << punkt << " pt");
      auto* w = Element<QWidget>(f, ObjektName(s));
      ASSERT_NE(w, nullptr);
      const PixelRechteck p = InPixel(s, 96);
      EXPECT_EQ(w->pos(), QPoint(p.x, p.y));
      // Labels size themselves in the platform's font; they must only show every line whole.
      EXPECT_EQ(w->size(), s.art == Art::Beschriftung ? w->size().expandedTo(w->sizeHint())
                                                      : QSize(p.breite, p.höhe));
      QToolTip::showText({}, u"-"_s);  // stays, should the control show no tip of its own
      QHelpEvent tipp(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
      QApplication::sendEvent(w, &tipp);
      EXPECT_EQ(QToolTip::text(), s.tipp.empty() ? u"-"_s : Q(s.tipp));
      EXPECT_TRUE(f.rect().contains(w->geometry()));
      for (auto* v : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(v != w && v->geometry().intersects(w->geometry()))
            << v->objectName().toStdString();
      }
      QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(zugang, nullptr);
      EXPECT_EQ(zugang->text(QAccessible::Name), Q(ZugänglicherName(s)));
      EXPECT_EQ(zugang->text(QAccessible::Description), Q(ZugänglicheBeschreibung(s)));
      const bool feld = s.art == Art::Textfeld, anzeige = feld && !s.aktiviert;
      EXPECT_EQ(zugang->role(), feld                  ? QAccessible::EditableText
                                : s.art == Art::Knopf ? QAccessible::Button
                                                      : QAccessible::StaticText);
      const QAccessible::State zustand = zugang->state();
      EXPECT_EQ(zustand.readOnly, s.art == Art::Beschriftung || anzeige);
      EXPECT_EQ(zustand.editable, feld && s.aktiviert);
      EXPECT_EQ(zustand.focusable, IstTabstopp(s));
      EXPECT_EQ(zustand.disabled, anzeige);
      QStringList beschriftungen;
      for (const auto& [andere, beziehung] : zugang->relations(QAccessible::Label)) {
        beschriftungen << andere->object()->objectName();
      }
      const Steuerelement* label = BeschriftungVon(s);
      EXPECT_EQ(beschriftungen,
                label ? QStringList{QString::fromStdString(ObjektName(*label))} : QStringList{});
      if (feld) {
        QAccessibleTextInterface* text = zugang->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), Q(f.Text(s.feld)));
        EXPECT_EQ(zugang->text(QAccessible::Value), Q(f.Text(s.feld)));
      }
      for (const QPalette& palette : {plattform, dunkel, plattform}) {
        if (anzeige) {
          QApplication::setPalette(palette);
          QCoreApplication::sendPostedEvents();  // the widgets hear of it as from the window system
          const QImage bild = w->grab().toImage();
          EXPECT_GE(test::GezeichneterKontrast(bild.width(), bild.height(),
                                               [&](int x, int y) { return bild.pixel(x, y); }),
                    LesbarerKontrast)
              << palette.color(QPalette::Window).name().toStdString();
        }
      }
    }
  }
}

// A key whose text is two characters types no digit, though it begins with one. An input
// method's commit goes through the filter character by character. Each block goes to
// whatever holds the focus, so only a focus that moves on by itself brings every digit to
// its field. Each button must reach its own command, and the clipboard hand out exactly
// what Form1 put there. Every edit that replaced or inserted text is a change, also a digit
// typed over itself; a keystroke the field refuses is none. A program write is one, even of
// the same text.
TEST(Fenster, TastenKnöpfeZwischenablageUndÄnderungen) {
  Fenster f;
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  auto* bkz = Element(f, "txtBehördenKennZahl");
  QList<Feld> änderungen;  // the change events that reach Form1
  f.BeobachteÄnderungen([&änderungen](Feld feld) { änderungen << feld; });
  QTest::sendKeyEvent(QTest::Click, bkz, Qt::Key_1, u"1a"_s, {});
  QInputMethodEvent übergabe;
  übergabe.setCommitString(u"1a\u06632"_s);
  QApplication::sendEvent(bkz, &übergabe);
  EXPECT_EQ(bkz->text(), u"12"_s);
  for (const QString& block : {u"345"_s, u"56789"_s, u"520727"_s, u"101231"_s}) {
    QTest::keyClicks(QApplication::focusWidget(), block);  // the 5 is refused
  }
  bkz->setFocus();
  bkz->setSelection(1, 1);
  QTest::keyClick(bkz, Qt::Key_2);
  EXPECT_EQ(änderungen.count(Feld::txtBehördenKennZahl), 5);
  f.SetzeText(Feld::txtGeburt, u"520727");
  EXPECT_EQ(änderungen.count(Feld::txtGeburt), 7);
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Knopf && s.knopf != Knopf::cb_löschen) {
      SCOPED_TRACE(ObjektName(s));
      QTest::mouseClick(Element<QWidget>(f, ObjektName(s)), Qt::LeftButton);
      EXPECT_EQ(
          U(QGuiApplication::clipboard()->text()),
          s.knopf == Knopf::cb_ZA ? Block(f, static_cast<std::size_t>(s.index)) : GanzeNummer(f));
    }
  }
  // As in a Windows dialog, Return and Enter press the focused button; Escape presses
  // nothing. Back from another window, the focus is where it was, a button too.
  auto* löschen = Element<QPushButton>(f, "cb_löschen");
  QSignalSpy klicks(löschen, &QPushButton::clicked);
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> tasten[] = {
      {Qt::Key_Return, {}, 1}, {Qt::Key_Enter, Qt::KeypadModifier, 2}, {Qt::Key_Escape, {}, 2}};
  for (const auto& [taste, mod, soll] : tasten) {
    löschen->setFocus();
    QTest::keyClick(löschen, taste, mod);
    EXPECT_EQ(klicks.count(), soll) << QKeySequence(taste).toString().toStdString();
  }
  QWidget anderes;
  anderes.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  EXPECT_EQ(QApplication::focusWidget(), löschen);
}

TEST(Auswahl, StrgAWähltAllesUndÄndertNichts) {
  std::optional<Fenster> f;
  int änderungen = 0;
  test::StrgAPrüfen(
      [&](const test::StrgAFall& fall) -> FeldAnsicht& {
        f.reset();
        f.emplace().show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&*f));
        for (const QChar ziffer : Q(test::StrgAEingabe)) {
          QTest::keyClicks(QApplication::focusWidget(), ziffer);
        }
        f->SetzeText(fall.feld, fall.vorher);
        Element(*f, ObjektName(ZeileVon(fall.feld)))->setFocus();
        f->BeobachteÄnderungen([&änderungen](Feld) { ++änderungen; });
        return *f;
      },
      [](std::size_t schritt) {
        const Qt::Key tasten[] = {Qt::Key_A, Qt::Key_5, Qt::Key_Delete};
        QTest::keyClick(QApplication::focusWidget(), tasten[schritt],
                        schritt == 0 ? Qt::ControlModifier : Qt::NoModifier);
      },
      [&](Feld feld) {
        return QApplication::focusWidget() == Element(*f, ObjektName(ZeileVon(feld)));
      },
      änderungen);
}

// A field keeps its selection while another control has the focus, and has it back when
// the program gives it the focus; a click places the caret, as before.
TEST(Auswahl, BleibtBisDasProgrammDenFokusZurückgibt) {
  // With the 6 of "56" selected in the serial number, the focus goes and comes back by: T
  // Tab, K a click into the serial number's start, B a click into the authority code's end,
  // Backspace and 9, which fill it again, so that the program gives the focus back. Then 7
  // is typed.
  for (const auto& [wege, soll] : {std::pair{"B", u"57"}, {"TB", u"57"}, {"TK", u"756"}}) {
    SCOPED_TRACE(wege);
    Fenster f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClicks(QApplication::focusWidget(), u"1234"_s);
    QTest::keyClicks(QApplication::focusWidget(), u"56"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::ShiftModifier);
    for (const char weg : std::string_view(wege)) {
      auto* w = Element<QWidget>(f, weg == 'B' ? "txtBehördenKennZahl" : "txtSeriennr");
      if (weg == 'T') {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      } else {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(weg == 'B' ? w->width() - 4 : 3, 5));
      }
      if (weg == 'B') {
        QTest::keyClicks(w, u"\b9"_s);
      }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
    EXPECT_EQ(f.Text(Feld::txtSeriennr), soll);
  }
}

// The message boxes show the program's title, text and icon; Qt's own texts in them and in
// the fields' menu are German whatever the system's language (ctest runs this under C,
// en_US.UTF-8 and de_DE.UTF-8). The menu names no key, since the keys Qt would name are
// cancelled, and its Paste takes the text as every paste does, with the room of the
// selection it replaces. Where the translation is missing, QtAufDeutsch says so, and Qt
// speaks English.
TEST(Sprache, MeldungenUndQtsTexte) {
  EXPECT_EQ(QtAufDeutsch(u"/nirgends"_s), nullptr);
  ASSERT_NE(QtAufDeutsch(), nullptr);
  const QStringList menü{
      u"&Rückgängig"_s, u"Wieder&herstellen"_s, {}, u"&Ausschneiden"_s,  u"&Kopieren"_s,
      u"Einf&ügen"_s,   u"Löschen"_s,           {}, u"Alles auswählen"_s};
  Fenster f;
  f.show();
  QGuiApplication::clipboard()->setText(u"123\U0001F600"_s);
  QLineEdit* bkz = Element(f, "txtBehördenKennZahl");
  f.SetzeText(Feld::txtBehördenKennZahl, u"1234");
  bkz->selectAll();
  QContextMenuEvent menütaste(QContextMenuEvent::Keyboard, {2, 2}, bkz->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(bkz, &menütaste);
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());  // stays open
  ASSERT_NE(popup, nullptr);
  QStringList gezeigt;
  for (const QAction* a : popup->actions()) {
    gezeigt << a->text();
  }
  EXPECT_EQ(gezeigt, menü);
  popup->actions().value(menü.indexOf(u"Einf&ügen"_s))->trigger();
  popup->close();
  EXPECT_EQ(bkz->text(), u"123"_s);
  gezeigt.clear();
  const auto schließen = [&gezeigt] {  // as a user would, once the box is up
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      gezeigt << box->windowTitle() << box->text() << QString::number(box->icon());
      for (const QAbstractButton* knopf : box->buttons()) {
        gezeigt << knopf->text();
      }
      box->accept();
    }
  };
  QTimer::singleShot(0, &f, schließen);  // gone with the window, should no box come
  QTest::mouseDClick(&f, Qt::LeftButton, {}, QPoint(4, 110));
  // Another program takes the clipboard the moment ours is set.
  const QMetaObject::Connection fremd =
      QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &f, [&fremd] {
        QObject::disconnect(fremd);
        QGuiApplication::clipboard()->setText(u"9"_s);
      });
  QTimer::singleShot(0, &f, schließen);
  QTest::mouseClick(Element<QWidget>(f, "cb_ZA_alles"), Qt::LeftButton);
  EXPECT_EQ(gezeigt, QStringList({Q(FensterTitel), Q(InfoText), u"1"_s, u"OK"_s, Q(FensterTitel),
                                  Q(ZwischenablageBelegtText), u"2"_s, u"OK"_s}));
}
