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

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString Name(const Steuerelement& s) {
  return QString::fromStdString(ObjektName(s));
}

struct Meldung {
  bool gezeigt = false;
  QString titel;
  QString text;
  QMessageBox::Icon symbol = QMessageBox::NoIcon;
  qsizetype knöpfe = 0;
};

// Runs an action that may open a modal message box, and closes the box through its OK
// button as a user would, noting what it showed.
Meldung MeldungSchließen(const std::function<void()>& aktion) {
  Meldung m;
  QTimer wächter;
  wächter.setInterval(5);
  QObject::connect(&wächter, &QTimer::timeout, [&m] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    m = {true, box->windowTitle(), box->text(), box->icon(), box->buttons().size()};
    box->button(QMessageBox::Ok)->click();
  });
  wächter.start();
  aktion();
  QTest::qWait(20);
  return m;
}

class QtFensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    fenster_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster_));
  }

  QLineEdit* Textfeld(const char* name) const {
    auto* w = fenster_.findChild<QLineEdit*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QPushButton* Knopf(const char* name) const {
    auto* w = fenster_.findChild<QPushButton*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static QString Fokus() {
    QWidget* w = QApplication::focusWidget();
    return w == nullptr ? QString() : w->objectName();
  }
  // Types into whatever holds the focus, as a user at the keyboard does.
  static void Tippen(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
      QTest::keyClicks(QApplication::focusWidget(), QString(QChar(*c)));
    }
  }
  void NummerTippen() {
    Tippen("1234");
    Tippen("56789");
    Tippen("520727");
    Tippen("101231");
  }
  QString Ablage() const { return QGuiApplication::clipboard()->text(); }

  QtFenster fenster_;
};

TEST_F(QtFensterTest, FensterHatFesteGrößeTitelUndSymbol) {
  EXPECT_EQ(fenster_.size(), QSize(428, 113));
  EXPECT_EQ(fenster_.minimumSize(), fenster_.maximumSize());
  EXPECT_FALSE(fenster_.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(fenster_.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(fenster_.windowTitle(), QStringLiteral("MORVAs Voveduzaz"));
  EXPECT_TRUE(fenster_.windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST_F(QtFensterTest, FelderUndKnöpfeLiegenWieInDerTabelle) {
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Beschriftung) {
      continue;
    }
    auto* w = fenster_.findChild<QWidget*>(Name(s));
    ASSERT_NE(w, nullptr) << s.name;
    const PixelRechteck p = InPixel(s, 96);
    EXPECT_EQ(w->geometry(), QRect(p.x, p.y, p.breite, p.höhe)) << ObjektName(s);
    EXPECT_EQ(w->toolTip(), Q(s.tipp)) << ObjektName(s);
    EXPECT_EQ(w->accessibleName(), Q(ZugänglicherName(s))) << ObjektName(s);
    EXPECT_EQ(w->isEnabled(), s.aktiviert) << ObjektName(s);
  }
}

TEST_F(QtFensterTest, FelderHaltenIhreLängeUndSchrift) {
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art != Art::Textfeld) {
      continue;
    }
    QLineEdit* f = Textfeld(ObjektName(s).c_str());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->maxLength(), s.maxLänge) << s.name;
    EXPECT_EQ(f->text(), Q(s.text)) << s.name;
    const QFontInfo info(f->font());
    EXPECT_TRUE(info.fixedPitch()) << s.name << " shows " << info.family().toStdString();
    EXPECT_TRUE(info.bold()) << s.name;
    EXPECT_DOUBLE_EQ(f->font().pointSizeF(), 9.75) << s.name;
  }
  for (QPushButton* k : fenster_.findChildren<QPushButton*>()) {
    EXPECT_TRUE(QFontInfo(k->font()).fixedPitch()) << k->objectName().toStdString();
    EXPECT_DOUBLE_EQ(k->font().pointSizeF(), 8.25);
    EXPECT_FALSE(k->isDefault() || k->autoDefault()) << k->objectName().toStdString();
  }
}

// The labels size themselves in whatever the platform's font is, so the test checks
// the promises rather than pixel values: top-left kept, breaks at the spaces, no word
// clipped, and nothing covered.
TEST_F(QtFensterTest, BeschriftungenPassenSichIhremTextAn) {
  const std::map<QString, QString> zeilen = {
      {QStringLiteral("Label1"), QStringLiteral("Behörden-\nKenn-\nZahl")},
      {QStringLiteral("Label8"), QStringLiteral("PZ\ngesamt")},
  };
  std::vector<QWidget*> alle;
  for (const Steuerelement& s : Steuerelemente) {
    alle.push_back(fenster_.findChild<QWidget*>(Name(s)));
    ASSERT_NE(alle.back(), nullptr) << s.name;
    if (s.art != Art::Beschriftung) {
      continue;
    }
    auto* l = static_cast<QLabel*>(alle.back());
    const PixelRechteck p = InPixel(s, 96);
    EXPECT_EQ(l->pos(), QPoint(p.x, p.y)) << s.name;
    EXPECT_EQ(l->text(), s.umbrechen ? zeilen.at(Name(s)) : Q(s.text)) << s.name;
    const QFontMetrics maße(l->font());
    for (const QString& zeile : l->text().split(u'\n')) {
      EXPECT_LE(maße.horizontalAdvance(zeile), l->width()) << s.name;
    }
    EXPECT_GE(l->height(), maße.lineSpacing() * (l->text().count(u'\n') + 1) - 1) << s.name;
    if (s.umbrechen) {
      EXPECT_GE(l->width(), p.breite) << s.name;
    }
    EXPECT_EQ(l->focusPolicy(), Qt::NoFocus);
  }
  for (std::size_t i = 0; i < alle.size(); ++i) {
    EXPECT_TRUE(fenster_.rect().contains(alle[i]->geometry())) << ObjektName(Steuerelemente[i]);
    for (std::size_t j = i + 1; j < alle.size(); ++j) {
      EXPECT_FALSE(alle[i]->geometry().intersects(alle[j]->geometry()))
          << ObjektName(Steuerelemente[i]) << " / " << ObjektName(Steuerelemente[j]);
    }
  }
}

TEST_F(QtFensterTest, NummerVonLinksNachRechtsGetippt) {
  EXPECT_EQ(Fokus(), QStringLiteral("txtBehördenKennZahl"));
  Tippen("1234");
  EXPECT_EQ(Fokus(), QStringLiteral("txtSeriennr"));
  EXPECT_EQ(Textfeld("txtPZBKZ_Seriennr")->text(), QString());
  Tippen("56789");
  EXPECT_EQ(Fokus(), QStringLiteral("txtGeburt"));
  EXPECT_EQ(Textfeld("txtPZBKZ_Seriennr")->text(), QStringLiteral("7"));
  Tippen("520727");
  EXPECT_EQ(Fokus(), QStringLiteral("txtAblauf"));
  Tippen("101231");
  EXPECT_EQ(Fokus(), QStringLiteral("txtAblauf"));
  Knopf("cb_ZA_alles")->click();
  EXPECT_EQ(Ablage(), QStringLiteral("1234567897D520727310123126"));
}

TEST_F(QtFensterTest, KopierknöpfeLegenNurKlartextAb) {
  NummerTippen();
  const std::pair<const char*, const char*> fälle[] = {
      {"cb_ZA_0", "1234567897"},
      {"cb_ZA_1", "5207273"},
      {"cb_ZA_2", "10123126"},
      {"cb_ZA_alles", "1234567897D520727310123126"},
  };
  for (const auto& [knopf, erwartet] : fälle) {
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    QTest::mouseClick(Knopf(knopf), Qt::LeftButton);
    EXPECT_EQ(Ablage(), QString::fromUtf8(erwartet)) << knopf;
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_EQ(daten->formats(), QStringList{QStringLiteral("text/plain")}) << knopf;
  }
}

TEST_F(QtFensterTest, LeerenLeertDieNummerUndLässtAblageUndD) {
  NummerTippen();
  Knopf("cb_ZA_1")->click();
  QTest::mouseClick(Knopf("cb_löschen"), Qt::LeftButton);
  for (const char* name : {"txtBehördenKennZahl", "txtSeriennr", "txtPZBKZ_Seriennr", "txtGeburt",
                           "txtPZGeburt", "txtAblauf", "txtPZAblauf", "txtPZgesamt"}) {
    EXPECT_EQ(Textfeld(name)->text(), QString()) << name;
  }
  EXPECT_EQ(Textfeld("Text1")->text(), QStringLiteral("D"));
  EXPECT_EQ(Ablage(), QStringLiteral("5207273"));
}

TEST_F(QtFensterTest, TabUndUmschaltTabLaufenDenKreis) {
  const QStringList kreis = {
      QStringLiteral("cb_ZA_alles"),
      QStringLiteral("cb_löschen"),
      QStringLiteral("cb_ZA_0"),
      QStringLiteral("cb_ZA_1"),
      QStringLiteral("cb_ZA_2"),
      QStringLiteral("txtSeriennr"),
      QStringLiteral("txtGeburt"),
      QStringLiteral("txtAblauf"),
      QStringLiteral("txtBehördenKennZahl"),
  };
  QStringList vorwärts;
  for (int i = 0; i < kreis.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    vorwärts << Fokus();
  }
  EXPECT_EQ(vorwärts, kreis);
  QStringList rückwärts;
  for (int i = 0; i < kreis.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    rückwärts.prepend(Fokus());
  }
  // Backwards from the authority code the cycle visits the same controls in reverse,
  // ending where it began.
  EXPECT_EQ(rückwärts, QStringList(kreis.mid(kreis.size() - 1) + kreis.mid(0, kreis.size() - 1)));
}

TEST_F(QtFensterTest, TastenfilterVerwirftAllesAußerZiffern) {
  QGuiApplication::clipboard()->setText(QStringLiteral("12"));
  QLineEdit* bkz = Textfeld("txtBehördenKennZahl");
  const std::pair<Qt::Key, Qt::KeyboardModifiers> verworfen[] = {
      {Qt::Key_A, Qt::NoModifier},      {Qt::Key_Space, Qt::NoModifier},
      {Qt::Key_Minus, Qt::NoModifier},  {Qt::Key_Return, Qt::NoModifier},
      {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_V, Qt::ControlModifier},
  };
  for (const auto& [taste, mod] : verworfen) {
    QTest::keyClick(bkz, taste, mod);
    EXPECT_EQ(bkz->text(), QString()) << QKeySequence(taste | mod).toString().toStdString();
  }
  QTest::keyClick(bkz, Qt::Key_7, Qt::KeypadModifier);
  EXPECT_EQ(bkz->text(), QStringLiteral("7"));
}

TEST_F(QtFensterTest, VolleFelderNehmenKeinenBackspaceAberEntf) {
  NummerTippen();
  QLineEdit* geburt = Textfeld("txtGeburt");
  geburt->setFocus();
  geburt->setCursorPosition(6);
  QTest::keyClick(geburt, Qt::Key_Backspace);
  EXPECT_EQ(geburt->text(), QStringLiteral("520727"));
  geburt->setCursorPosition(0);
  QTest::keyClick(geburt, Qt::Key_Delete);
  EXPECT_EQ(geburt->text(), QStringLiteral("20727"));
  EXPECT_EQ(Textfeld("txtPZGeburt")->text(), QString());
  EXPECT_EQ(Textfeld("txtPZgesamt")->text(), QStringLiteral("6"));
}

TEST_F(QtFensterTest, EinfügenWirdAufDieHöchstlängeGekürzt) {
  QLineEdit* serie = Textfeld("txtSeriennr");
  serie->setFocus();
  QGuiApplication::clipboard()->setText(QStringLiteral("1234567"));
  QTest::keyClick(serie, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(serie->text(), QStringLiteral("12345"));
  EXPECT_EQ(Fokus(), QStringLiteral("txtGeburt"));

  QLineEdit* bkz = Textfeld("txtBehördenKennZahl");
  bkz->setFocus();
  QGuiApplication::clipboard()->setText(QStringLiteral("12a4"));
  bkz->paste();  // what the context menu's entry does
  EXPECT_EQ(bkz->text(), QStringLiteral("12a4"));
  EXPECT_EQ(Fokus(), QStringLiteral("txtSeriennr"));
  EXPECT_EQ(Textfeld("txtPZBKZ_Seriennr")->text(), QStringLiteral("4"));
}

TEST_F(QtFensterTest, EingabemethodeGehtZeichenweiseDurchDenFilter) {
  QLineEdit* bkz = Textfeld("txtBehördenKennZahl");
  QInputMethodEvent übergabe;
  übergabe.setCommitString(QStringLiteral("1a2 3"));
  QApplication::sendEvent(bkz, &übergabe);
  EXPECT_EQ(bkz->text(), QStringLiteral("123"));
}

// Qt signals textChanged also when nothing came of an edit; Form1 must not hear of it.
TEST_F(QtFensterTest, ÄnderungNurBeiEchterÄnderung) {
  std::map<Feld, int> änderungen;
  fenster_.BeobachteÄnderungen([&](Feld f) { ++änderungen[f]; });
  QLineEdit* bkz = Textfeld("txtBehördenKennZahl");
  Tippen("1234");
  EXPECT_EQ(änderungen[Feld::txtBehördenKennZahl], 4);

  bkz->setFocus();
  bkz->setCursorPosition(4);
  QTest::keyClick(bkz, Qt::Key_5);  // refused by the maximum length
  EXPECT_EQ(bkz->text(), QStringLiteral("1234"));
  bkz->setSelection(1, 1);
  QTest::keyClick(bkz, Qt::Key_2);  // typed over the same digit
  EXPECT_EQ(änderungen[Feld::txtBehördenKennZahl], 4);
  EXPECT_EQ(Fokus(), QStringLiteral("txtBehördenKennZahl"));

  bkz->setSelection(1, 1);
  QTest::keyClick(bkz, Qt::Key_9);  // a real change of a full field moves on again
  EXPECT_EQ(änderungen[Feld::txtBehördenKennZahl], 5);
  EXPECT_EQ(Fokus(), QStringLiteral("txtSeriennr"));

  fenster_.SetzeText(Feld::txtGeburt, u"520727");
  EXPECT_EQ(änderungen[Feld::txtGeburt], 1);
  EXPECT_EQ(Textfeld("txtPZGeburt")->text(), QStringLiteral("3"));
  fenster_.SetzeText(Feld::txtGeburt, u"520727");
  EXPECT_EQ(änderungen[Feld::txtGeburt], 1);
}

TEST_F(QtFensterTest, DoppelklickAufDieFlächeZeigtDieInfo) {
  Tippen("12345");
  const Meldung m = MeldungSchließen(
      [&] { QTest::mouseDClick(&fenster_, Qt::LeftButton, Qt::NoModifier, QPoint(4, 110)); });
  ASSERT_TRUE(m.gezeigt);
  EXPECT_EQ(m.titel, QStringLiteral("MORVAs Voveduzaz"));
  EXPECT_EQ(m.text, Q(InfoText));
  EXPECT_EQ(m.symbol, QMessageBox::Information);
  EXPECT_EQ(m.knöpfe, 1);
  EXPECT_EQ(Textfeld("txtBehördenKennZahl")->text(), QStringLiteral("1234"));
  EXPECT_EQ(Textfeld("txtSeriennr")->text(), QStringLiteral("5"));
  // Back from the box, the focus is where it was, not where the first showing put it.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster_));
  EXPECT_EQ(Fokus(), QStringLiteral("txtSeriennr"));
}

// Only the first showing puts the focus into the authority code field; coming back
// from another window finds it where the user left it.
TEST_F(QtFensterTest, RückkehrInsFensterLässtDenFokus) {
  Tippen("1234");
  Tippen("56789");
  ASSERT_EQ(Fokus(), QStringLiteral("txtGeburt"));
  QWidget anderes;
  anderes.show();
  anderes.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
  fenster_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster_));
  EXPECT_EQ(Fokus(), QStringLiteral("txtGeburt"));
}

TEST_F(QtFensterTest, DoppelklickAufFeldOderKnopfZeigtNichts) {
  for (const char* name : {"txtBehördenKennZahl", "txtAblauf", "cb_löschen", "cb_ZA_1"}) {
    auto* w = fenster_.findChild<QWidget*>(QString::fromUtf8(name));
    ASSERT_NE(w, nullptr);
    const Meldung m = MeldungSchließen(
        [&] { QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); });
    EXPECT_FALSE(m.gezeigt) << name;
  }
}

TEST_F(QtFensterTest, BelegteAblageWarntUndLässtDieFelder) {
  NummerTippen();
  fenster_.ErsetzeZwischenablage([](const QString&) { return false; });
  std::map<QString, QString> vorher;
  for (QLineEdit* f : fenster_.findChildren<QLineEdit*>()) {
    vorher[f->objectName()] = f->text();
  }
  const Meldung m = MeldungSchließen([&] { Knopf("cb_ZA_alles")->click(); });
  ASSERT_TRUE(m.gezeigt);
  EXPECT_EQ(m.titel, QStringLiteral("MORVAs Voveduzaz"));
  EXPECT_EQ(m.text, Q(ZwischenablageBelegtText));
  EXPECT_EQ(m.symbol, QMessageBox::Warning);
  EXPECT_EQ(m.knöpfe, 1);
  for (QLineEdit* f : fenster_.findChildren<QLineEdit*>()) {
    EXPECT_EQ(f->text(), vorher[f->objectName()]) << f->objectName().toStdString();
  }
  EXPECT_TRUE(fenster_.isVisible());
}

}  // namespace
}  // namespace pz
