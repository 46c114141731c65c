#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>

#include "fenster.hpp"
#include "nummer.hpp"
#include "steuerelemente.hpp"
#include "zeichencode.hpp"

using namespace pz;
using pz::qt::Fenster;
using namespace Qt::StringLiterals;

// Lets failures show a QString as text.
void PrintTo(const QString& text, std::ostream* aus) {
  *aus << '"' << text.toStdString() << '"';
}

class FensterTest : public ::testing::Test {
 protected:
  FensterTest() { f_.show(); }
  void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowActive(&f_)); }
  static QString Q(std::u16string_view text) { return QStringView(text).toString(); }
  template <typename W = QLineEdit>
  W* Element(const QString& name) {
    return f_.findChild<W*>(name);
  }
  Fenster f_;
};

TEST_F(FensterTest, SteuerelementeLiegenWieInDerTabelle) {
  EXPECT_EQ(f_.size(), QSize(InPixel(FensterBreite, 96), InPixel(FensterHöhe, 96)));
  for (const Steuerelement& s : Steuerelemente) {
    SCOPED_TRACE(ObjektName(s));
    auto* w = f_.findChild<QWidget*>(QString::fromStdString(ObjektName(s)));
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
    EXPECT_TRUE(f_.rect().contains(w->geometry()));
    for (auto* v : f_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_FALSE(v != w && v->geometry().intersects(w->geometry()));
    }
  }
}

// Each block goes to whatever holds the focus, so only a focus that moves on by itself
// brings every digit to its field. Each copy button must reach its own command, and the
// clipboard must hand out exactly what Form1 put there.
TEST_F(FensterTest, GetipptUndKopiert) {
  for (const QString& block : {u"1234"_s, u"56789"_s, u"520727"_s, u"101231"_s}) {
    QTest::keyClicks(QApplication::focusWidget(), block);
  }
  EXPECT_EQ(f_.Text(Feld::txtPZgesamt), u"6");
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Knopf && s.knopf != Knopf::cb_löschen) {
      SCOPED_TRACE(ObjektName(s));
      QTest::mouseClick(f_.findChild<QWidget*>(QString::fromStdString(ObjektName(s))),
                        Qt::LeftButton);
      const std::u16string soll =
          s.knopf == Knopf::cb_ZA ? Block(f_, static_cast<std::size_t>(s.index)) : GanzeNummer(f_);
      EXPECT_EQ(QGuiApplication::clipboard()->text(), Q(soll));
    }
  }
}

// Every edit that replaced or inserted text is a change, also a digit typed over itself;
// a keystroke the field refuses is none. A program write is one, even of the same text.
TEST_F(FensterTest, ÄnderungenWieEinWindowsFeld) {
  QList<Feld> änderungen;
  f_.BeobachteÄnderungen([&](Feld feld) { änderungen << feld; });
  QGuiApplication::clipboard()->setText(u"1234567"_s);
  auto* bkz = f_.findChild<QLineEdit*>(u"txtBehördenKennZahl"_s);
  QTest::keyClick(bkz, Qt::Key_V, Qt::ControlModifier);  // would paste past the filter
  QTest::keyClicks(bkz, u"12345"_s);                     // the fifth is refused
  EXPECT_EQ(änderungen.count(Feld::txtBehördenKennZahl), 4);
  bkz->setFocus();
  bkz->setSelection(1, 1);
  QTest::keyClick(bkz, Qt::Key_2);  // typed over the same digit
  EXPECT_EQ(änderungen.count(Feld::txtBehördenKennZahl), 5);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), u"txtSeriennr"_s);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(f_.Text(Feld::txtSeriennr), u"12345");  // unfiltered, but cut short
  f_.SetzeText(Feld::txtGeburt, u"520727");
  f_.SetzeText(Feld::txtGeburt, u"520727");
  EXPECT_EQ(änderungen.count(Feld::txtGeburt), 2);
}

// The code is the character the field would insert: a digit of another script is no
// digit, and no key held with Alt types one, not even into a full, selected field.
TEST_F(FensterTest, NurZiffernAusDemText) {
  const struct {
    const char* name;
    Qt::Key taste;
    Qt::KeyboardModifiers mod;
    QString text, soll;
  } fälle[] = {
      {"Ziffer", Qt::Key_3, {}, u"3"_s, u"3"_s},
      {"Ziffernblock", Qt::Key_5, Qt::KeypadModifier, u"5"_s, u"5"_s},
      {"arabisch-indisch", Qt::Key_3, {}, u"\u0663"_s, {}},
      {"persisch", Qt::Key_3, {}, u"\u06F3"_s, {}},
      {"Devanagari", Qt::Key_3, {}, u"\u0969"_s, {}},
      {"vollbreit", Qt::Key_3, {}, u"\uFF13"_s, {}},
      {"bengalisch", Qt::Key_3, {}, u"\u09E9"_s, {}},
      {"thailändisch", Qt::Key_3, {}, u"\u0E53"_s, {}},
      {"Strg+Alt+1", Qt::Key_1, Qt::ControlModifier | Qt::AltModifier, u"1"_s, {}},
      {"Strg+Alt+Komma", Qt::Key_Comma, Qt::ControlModifier | Qt::AltModifier, u","_s, {}},
      {"Strg+Alt+Ziffernblockkomma",
       Qt::Key_Period,
       Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier,
       u"."_s,
       {}},
      {"Alt+1", Qt::Key_1, Qt::AltModifier, u"1"_s, {}},
  };
  auto* bkz = Element(u"txtBehördenKennZahl"_s);
  auto* seriennr = Element(u"txtSeriennr"_s);
  for (const auto& fall : fälle) {
    SCOPED_TRACE(fall.name);
    f_.SetzeText(Feld::txtBehördenKennZahl, u"");
    f_.SetzeText(Feld::txtSeriennr, u"56789");
    seriennr->selectAll();
    QTest::sendKeyEvent(QTest::Click, bkz, fall.taste, fall.text, fall.mod);
    QTest::sendKeyEvent(QTest::Click, seriennr, fall.taste, fall.text, fall.mod);
    EXPECT_EQ(bkz->text(), fall.soll);
    EXPECT_EQ(seriennr->text(), u"56789"_s);
  }
}

// Pasted, dropped or middle-clicked text: up to the first line break or NUL, cut to the
// room without half a character, and one change event, none when nothing was taken.
// (The middle button pastes only where there is a selection clipboard, not here.)
TEST_F(FensterTest, EinfügenNimmtEineZeileOhneHalbesZeichen) {
  auto* bkz = Element(u"txtBehördenKennZahl"_s);
  const auto überMenü = [bkz] {
    QContextMenuEvent menü(QContextMenuEvent::Keyboard, {2, 2}, bkz->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(bkz, &menü);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    for (QAction* aktion : popup->actions()) {
      if (aktion->text().startsWith(u"&Paste"_s)) {
        aktion->trigger();
      }
    }
    popup->close();
  };
  const std::pair<const char*, std::function<void(const QString&)>> wege[] = {
      {"Umschalt+Einfg",
       [bkz](const QString&) { QTest::keyClick(bkz, Qt::Key_Insert, Qt::ShiftModifier); }},
      {"Kontextmenü", [&](const QString&) { überMenü(); }},
      {"Ablegen",
       [bkz](const QString& text) {
         QMimeData daten;
         daten.setText(text);
         const QPoint stelle(bkz->width() - 2, 5);
         QDragEnterEvent ziehen(stelle, Qt::CopyAction, &daten, Qt::LeftButton, {});
         QApplication::sendEvent(bkz, &ziehen);
         QDropEvent ablage(stelle, Qt::CopyAction, &daten, Qt::LeftButton, {});
         QApplication::sendEvent(bkz, &ablage);
       }},
  };
  const struct {
    const char* name;
    QString text, soll;
    qsizetype änderungen;
  } fälle[] = {
      {"Zeilenvorschub", u"12\n34"_s, u"12"_s, 1},
      {"Wagenrücklauf", u"1\r\n234"_s, u"1"_s, 1},
      {"NUL",
       Q(std::u16string_view(u"12\0"
                             "34",
                             5)),
       u"12"_s, 1},
      {"halbes Ersatzpaar", u"123\U0001F600"_s, u"123"_s, 1},
      {"ganzes Ersatzpaar", u"12\U0001F600"_s, u"12\U0001F600"_s, 1},
      {"nichts vor dem Umbruch", u"\n12"_s, u""_s, 0},
  };
  QList<Feld> änderungen;
  f_.BeobachteÄnderungen([&](Feld feld) { änderungen << feld; });
  for (const auto& [weg, einfügen] : wege) {
    for (const auto& fall : fälle) {
      SCOPED_TRACE(std::string(weg) + ", " + fall.name);
      f_.SetzeText(Feld::txtBehördenKennZahl, u"");
      änderungen.clear();
      QGuiApplication::clipboard()->setText(fall.text);
      einfügen(fall.text);
      EXPECT_EQ(bkz->text(), fall.soll);
      EXPECT_EQ(änderungen.count(Feld::txtBehördenKennZahl), fall.änderungen);
    }
  }
}

// Qt must not take a leading U+FEFF or U+FFFE for a byte-order mark on the way out.
TEST_F(FensterTest, ZwischenablageBekommtDieZeichenWieSieSind) {
  for (const QString& text : {u"\uFFFE12"_s, u"\uFEFF12"_s}) {
    SCOPED_TRACE(QString::number(text[0].unicode(), 16).toStdString());
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(Element(u"txtBehördenKennZahl"_s), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(Element<QPushButton>(u"cb_ZA_0"_s), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(u"text/plain"_s), text.toUtf8());
    f_.SetzeText(Feld::txtBehördenKennZahl, u"");
  }
}

// As in a Windows dialog, Return and Enter press the focused button as Space does.
TEST_F(FensterTest, ReturnDrücktDenKnopfMitFokus) {
  const struct {
    const char* name;
    Qt::Key taste;
    Qt::KeyboardModifiers mod;
    int klicks;
  } fälle[] = {
      {"Leertaste", Qt::Key_Space, {}, 1},
      {"Return", Qt::Key_Return, {}, 1},
      {"Enter", Qt::Key_Enter, Qt::KeypadModifier, 1},
      {"Escape", Qt::Key_Escape, {}, 0},
  };
  auto* knopf = Element<QPushButton>(u"cb_löschen"_s);
  int klicks = 0;
  QObject::connect(knopf, &QPushButton::clicked, [&klicks] { ++klicks; });
  for (const auto& fall : fälle) {
    SCOPED_TRACE(fall.name);
    klicks = 0;
    knopf->setFocus();
    QTest::keyClick(knopf, fall.taste, fall.mod);
    EXPECT_EQ(klicks, fall.klicks);
  }
}

// A field keeps its selection while another control has the focus, and has it back when
// the program gives it the focus; Tab selects all and a click places the caret, as before.
TEST(Auswahl, BleibtBisDasProgrammDenFokusZurückgibt) {
  const auto klickAnsEnde = [](QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 4, w->height() / 2));
  };
  const struct {
    const char* name;
    std::function<void(Fenster&)> wegUndZurück;
    QString soll;
  } fälle[] = {
      {"Klick weg, Programm zurück",
       [&](Fenster& f) {
         auto* bkz = f.findChild<QWidget*>(u"txtBehördenKennZahl"_s);
         klickAnsEnde(bkz);
         QTest::keyClick(bkz, Qt::Key_Left, Qt::ShiftModifier);
         QTest::keyClick(bkz, Qt::Key_9);  // the authority code is full again
       },
       u"57"_s},
      {"Tab weg, Programm zurück",
       [&](Fenster& f) {
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         auto* bkz = f.findChild<QWidget*>(u"txtBehördenKennZahl"_s);
         klickAnsEnde(bkz);
         QTest::keyClick(bkz, Qt::Key_Left, Qt::ShiftModifier);
         QTest::keyClick(bkz, Qt::Key_9);
       },
       u"57"_s},
      {"Tab weg, Umschalt+Tab zurück",
       [](Fenster&) {
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
       },
       u"7"_s},
      {"Tab weg, Klick zurück",
       [](Fenster& f) {
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         QTest::mouseClick(f.findChild<QWidget*>(u"txtSeriennr"_s), Qt::LeftButton, {},
                           QPoint(3, 5));
       },
       u"756"_s},
  };
  for (const auto& fall : fälle) {
    SCOPED_TRACE(fall.name);
    Fenster f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClicks(QApplication::focusWidget(), u"1234"_s);
    QTest::keyClicks(QApplication::focusWidget(), u"56"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::ShiftModifier);  // the 6
    fall.wegUndZurück(f);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
    EXPECT_EQ(f.Text(Feld::txtSeriennr), fall.soll.toStdU16String());
  }
}

// Every label shows its caption whole, clear of its neighbours, also in a larger font.
TEST(Beschriftungen, PassenAuchBei11Punkt) {
  const QFont vorher = QApplication::font();
  QFont groß = vorher;
  groß.setPointSizeF(11);
  QApplication::setFont(groß);
  Fenster f;
  QApplication::setFont(vorher);
  for (auto* label : f.findChildren<QLabel*>()) {
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_EQ(label->size(), label->size().expandedTo(label->sizeHint()));
    EXPECT_TRUE(f.rect().contains(label->geometry()));
    for (auto* v : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_FALSE(v != label && v->geometry().intersects(label->geometry()))
          << v->objectName().toStdString();
    }
  }
}

TEST_F(FensterTest, TabLäuftDenKreis) {
  QStringList soll, reihe;
  for (const Steuerelement& s : Steuerelemente) {
    if (IstTabstopp(s)) {
      soll << QString::fromStdString(ObjektName(s));
    }
  }
  // The focus starts in the authority code, the last stop of the cycle.
  while (reihe.size() < soll.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reihe << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(reihe, soll);
}

TEST_F(FensterTest, MeldungenZeigenTitelTextUndSymbol) {
  QStringList gezeigt;
  const auto schließen = [&gezeigt] {  // as a user would, once the box is up
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      gezeigt << box->windowTitle() << box->text() << QString::number(box->icon());
      box->accept();
    }
  };
  QTimer::singleShot(0, &f_, schließen);  // gone with the window, should no box come
  QTest::mouseDClick(&f_, Qt::LeftButton, {}, QPoint(4, 110));
  f_.ErsetzeZwischenablage([](const QString&) { return false; });
  QTimer::singleShot(0, &f_, schließen);
  QTest::mouseClick(f_.findChild<QWidget*>(u"cb_ZA_alles"_s), Qt::LeftButton);
  EXPECT_EQ(gezeigt, QStringList({Q(FensterTitel), Q(InfoText), u"1"_s, Q(FensterTitel),
                                  Q(ZwischenablageBelegtText), u"2"_s}));
}

// The platforms differ in the text of a Ctrl key: X11 sends the control character,
// offscreen the letter. The code must not.
TEST(Zeichencode, FolgtAusDemText) {
  const std::tuple<int, Qt::KeyboardModifiers, QString, std::optional<std::int16_t>> fälle[] = {
      // {}: no code, the key reaches the field past the filter
      // clang-format off
      {Qt::Key_0, {}, u"0"_s, 48}, {Qt::Key_5, Qt::KeypadModifier, u"5"_s, 53},
      {Qt::Key_Backspace, {}, u"\b"_s, 8}, {Qt::Key_Return, {}, u"\r"_s, 13},
      {Qt::Key_Escape, {}, u"\x1b"_s, 27}, {Qt::Key_A, Qt::ShiftModifier, u"A"_s, 'A'},
      {Qt::Key_V, Qt::ControlModifier, u"\x16"_s, 22}, {Qt::Key_V, Qt::ControlModifier, u"v"_s, 22},
      {Qt::Key_3, {}, u"\u0663"_s, 0x663}, {Qt::Key_1, Qt::AltModifier, u"1"_s, 0},
      {Qt::Key_Tab, {}, u"\t"_s, {}}, {Qt::Key_Delete, {}, u"\x7f"_s, {}}, {Qt::Key_Left, {}, {}, {}},
      // clang-format on
  };
  for (const auto& [taste, mod, text, code] : fälle) {
    EXPECT_EQ(Zeichencode(taste, mod, text), code) << std::hex << taste;
  }
}

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // real widgets, no display needed
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
