#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>

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

TEST(Zeichencode, FolgtAusTasteUndModifikatoren) {
  const std::tuple<int, Qt::KeyboardModifiers, std::optional<std::int16_t>> fälle[] = {
      // {}: no code, the key reaches the field past the filter
      // clang-format off
      {Qt::Key_0, {}, 48}, {Qt::Key_9, {}, 57}, {Qt::Key_5, Qt::KeypadModifier, 53},
      {Qt::Key_Backspace, {}, 8}, {Qt::Key_Return, {}, 13}, {Qt::Key_Escape, {}, 27},
      {Qt::Key_V, Qt::ControlModifier, 22}, {Qt::Key_A, {}, 'a'}, {Qt::Key_Tab, {}, {}},
      {Qt::Key_Delete, {}, {}}, {Qt::Key_Left, {}, {}},
      // clang-format on
  };
  for (const auto& [taste, mod, code] : fälle) {
    EXPECT_EQ(Zeichencode(taste, mod), code) << std::hex << taste;
  }
}

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // real widgets, no display needed
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
