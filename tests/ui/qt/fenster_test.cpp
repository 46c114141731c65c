#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <ostream>
#include <vector>

#include "ui/qt/qt_fenster.hpp"
#include "ui/steuerelemente.hpp"

// Lets failures show a QString as text.
void PrintTo(const QString& text, std::ostream* aus) {
  *aus << '"' << text.toStdString() << '"';
}

namespace pz {
namespace {

using namespace Qt::StringLiterals;

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Runs an action that may open a modal box and closes the box through its OK button, as
// a user would; the box's own event loop runs the timer. Returns the box's title, text,
// icon and number of buttons.
QStringList MeldungSchließen(const std::function<void()>& aktion) {
  QStringList m;
  QTimer::singleShot(0, [&m] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      m << box->windowTitle() << box->text() << QString::number(box->icon())
        << QString::number(box->buttons().size());
      box->button(QMessageBox::Ok)->click();
    }
  });
  aktion();
  QTest::qWait(20);
  return m;
}

class QtFensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fenster_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster_));
  }

  template <typename W = QLineEdit>
  W* Suche(const QString& name) const {
    auto* w = fenster_.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  static QString Fokus() {
    QWidget* w = QApplication::focusWidget();
    return w == nullptr ? QString() : w->objectName();
  }
  // Types into whatever holds the focus, key by key, as a user at the keyboard does.
  static void Tippen(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
      QTest::keyClicks(QApplication::focusWidget(), QString(QChar(*c)));
    }
  }
  QStringList Felder() const {
    QStringList texte;
    for (QLineEdit* f : fenster_.findChildren<QLineEdit*>()) {
      texte << f->text();
    }
    return texte;
  }

  QtFenster fenster_;
};

// Labels size themselves in the platform's font, so for them the promises are checked:
// top-left kept, broken only at spaces, no line clipped, nothing covered.
TEST_F(QtFensterTest, SteuerelementeLiegenWieInDerTabelle) {
  EXPECT_EQ(fenster_.size(), QSize(InPixel(FensterBreite, 96), InPixel(FensterHöhe, 96)));
  EXPECT_EQ(fenster_.minimumSize(), fenster_.maximumSize());
  EXPECT_TRUE(fenster_.windowIcon().availableSizes().contains(QSize(32, 32)));
  std::vector<QWidget*> alle;
  for (const Steuerelement& s : Steuerelemente) {
    const std::string name = ObjektName(s);
    QWidget* w = alle.emplace_back(Suche<QWidget>(QString::fromStdString(name)));
    ASSERT_NE(w, nullptr);
    const PixelRechteck p = InPixel(s, 96);
    if (auto* l = qobject_cast<QLabel*>(w)) {
      EXPECT_EQ(l->pos(), QPoint(p.x, p.y)) << name;
      EXPECT_EQ(QString(l->text()).replace(u'\n', u' '), Q(s.text)) << name;
      const QFontMetrics maße(l->font());
      for (const QString& zeile : l->text().split(u'\n')) {
        EXPECT_LE(maße.horizontalAdvance(zeile), l->width()) << name;
      }
      EXPECT_GE(l->height(), maße.lineSpacing() * (l->text().count(u'\n') + 1) - 1) << name;
      continue;
    }
    EXPECT_EQ(w->geometry(), QRect(p.x, p.y, p.breite, p.höhe)) << name;
    EXPECT_EQ(w->toolTip(), Q(s.tipp)) << name;
    EXPECT_EQ(w->accessibleName(), Q(ZugänglicherName(s))) << name;
    EXPECT_TRUE(QFontInfo(w->font()).fixedPitch()) << name;
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), SchriftVon(s).hundertstelPunkt / 100.0) << name;
  }
  for (std::size_t i = 0; i < alle.size(); ++i) {
    EXPECT_TRUE(fenster_.rect().contains(alle[i]->geometry())) << i;
    for (std::size_t j = i + 1; j < alle.size(); ++j) {
      EXPECT_FALSE(alle[i]->geometry().intersects(alle[j]->geometry())) << i << " / " << j;
    }
  }
}

// Typed left to right from where the first showing put the focus, the number moves on
// after each full block; each copy button leaves its part as plain text only.
TEST_F(QtFensterTest, GetipptKopiertUndGeleert) {
  const char* const fälle[][4] = {
      {"1234", "txtSeriennr", "cb_ZA_0", "1234567897"},
      {"56789", "txtGeburt", "cb_ZA_1", "5207273"},
      {"520727", "txtAblauf", "cb_ZA_2", "10123126"},
      {"101231", "txtAblauf", "cb_ZA_alles", "1234567897D520727310123126"},
  };
  for (const auto& [block, danach, knopf, ablage] : fälle) {
    Tippen(block);
    EXPECT_EQ(Fokus(), QString::fromUtf8(danach)) << block;
  }
  for (const auto& [block, danach, knopf, ablage] : fälle) {
    QGuiApplication::clipboard()->setText(u"vorher"_s);
    QTest::mouseClick(Suche<QPushButton>(QString::fromUtf8(knopf)), Qt::LeftButton);
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_EQ(daten->text(), QString::fromUtf8(ablage)) << knopf;
    EXPECT_EQ(daten->formats(), QStringList{u"text/plain"_s}) << knopf;
  }
  QTest::mouseClick(Suche<QPushButton>(u"cb_löschen"_s), Qt::LeftButton);
  EXPECT_EQ(Felder().join(QString()), u"D"_s);
}

// Qt signals textChanged also when nothing came of an edit; Form1 must hear only of real
// changes, whichever way they came.
TEST_F(QtFensterTest, EingabewegeMeldenNurEchteÄnderungen) {
  std::map<Feld, int> änderungen;
  fenster_.BeobachteÄnderungen([&](Feld f) { ++änderungen[f]; });
  QGuiApplication::clipboard()->setText(u"1234567"_s);
  QLineEdit* bkz = Suche(u"txtBehördenKennZahl"_s);
  QTest::keyClick(bkz, Qt::Key_V, Qt::ControlModifier);  // would paste past the filter
  QInputMethodEvent übergabe;  // several characters at once, each to be judged alone
  übergabe.setCommitString(u"1a2 3"_s);
  QApplication::sendEvent(bkz, &übergabe);
  EXPECT_EQ(bkz->text(), u"123"_s);
  Tippen("4");
  bkz->setFocus();
  QTest::keyClick(bkz, Qt::Key_5);  // refused by the maximum length
  bkz->setSelection(1, 1);
  QTest::keyClick(bkz, Qt::Key_2);  // typed over the same digit
  EXPECT_EQ(änderungen[Feld::txtBehördenKennZahl], 4);

  QLineEdit* serie = Suche(u"txtSeriennr"_s);
  serie->setFocus();
  QTest::keyClick(serie, Qt::Key_Insert, Qt::ShiftModifier);  // unfiltered, but cut short
  EXPECT_EQ(serie->text(), u"12345"_s);
  EXPECT_EQ(Fokus(), u"txtGeburt"_s);
  fenster_.SetzeText(Feld::txtGeburt, u"520727");
  fenster_.SetzeText(Feld::txtGeburt, u"520727");
  EXPECT_EQ(änderungen[Feld::txtGeburt], 1);
  EXPECT_EQ(Suche(u"txtPZGeburt"_s)->text(), u"3"_s);
}

TEST_F(QtFensterTest, TabUndUmschaltTabLaufenDenKreis) {
  const QStringList kreis = {u"cb_ZA_alles"_s, u"cb_löschen"_s, u"cb_ZA_0"_s,
                             u"cb_ZA_1"_s,     u"cb_ZA_2"_s,    u"txtSeriennr"_s,
                             u"txtGeburt"_s,   u"txtAblauf"_s,  u"txtBehördenKennZahl"_s};
  QStringList vor, zurück;
  for (qsizetype i = 0; i < kreis.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    vor << Fokus();
  }
  for (qsizetype i = 0; i < kreis.size(); ++i) {
    zurück.prepend(Fokus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  }
  EXPECT_EQ(vor, kreis);
  EXPECT_EQ(zurück, kreis);
}

// A box shows the window's title and one OK button and leaves the fields alone. Back
// from it, the focus is where the user left it, not where the first showing put it.
TEST_F(QtFensterTest, MeldungenLassenFelderUndFokus) {
  Tippen("12345");
  const QStringList vorher = Felder();
  const QStringList info = MeldungSchließen(
      [this] { QTest::mouseDClick(&fenster_, Qt::LeftButton, {}, QPoint(4, 110)); });
  fenster_.ErsetzeZwischenablage([](const QString&) { return false; });
  const QStringList warnung =
      MeldungSchließen([this] { Suche<QPushButton>(u"cb_ZA_alles"_s)->click(); });
  const auto erwartet = [](std::u16string_view text, QMessageBox::Icon symbol) {
    return QStringList{Q(FensterTitel), Q(text), QString::number(symbol), u"1"_s};
  };
  EXPECT_EQ(info, erwartet(InfoText, QMessageBox::Information));
  EXPECT_EQ(warnung, erwartet(ZwischenablageBelegtText, QMessageBox::Warning));
  EXPECT_EQ(Felder(), vorher);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster_));
  EXPECT_EQ(Fokus(), u"txtSeriennr"_s);
}

}  // namespace
}  // namespace pz
