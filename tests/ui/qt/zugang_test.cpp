// What the Qt window tells a screen reader, through Qt's accessibility interfaces on the
// real widgets, and how its display fields read on screen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <vector>

#include "fenster.hpp"
#include "kontrast_messen.hpp"
#include "steuerelemente.hpp"
#include "zugang_soll.hpp"

namespace pz {
namespace {

using qt::Fenster;
using namespace Qt::StringLiterals;

QString Q(std::u16string_view text) {
  return QStringView(text).toString();
}

class QtZugang : public ::testing::Test {
 protected:
  QtZugang() { f_.show(); }
  void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowExposed(&f_)); }
  QWidget& W(const char* objekt) {
    auto* w = f_.findChild<QWidget*>(QString::fromUtf8(objekt));
    EXPECT_NE(w, nullptr) << objekt;
    return *w;
  }
  Fenster f_;
};

// Labels are static text, buttons buttons; an input field is text the user edits, a display
// field read-only text that no focus reaches, its digit the text.
TEST_F(QtZugang, JedesSteuerelementWieEinScreenreaderEsHört) {
  enum Art { Beschriftung, Knopf, Eingabe, Anzeige };
  const struct {
    const char* objekt;
    Art art;
    const char* beschriftung;  // the label that names it
  } tabelle[] = {
      {"Label1", Beschriftung, nullptr},  {"Label2", Beschriftung, nullptr},
      {"Label3", Beschriftung, nullptr},  {"Label4", Beschriftung, nullptr},
      {"Label5", Beschriftung, nullptr},  {"Label6", Beschriftung, nullptr},
      {"Label7", Beschriftung, nullptr},  {"Label8", Beschriftung, nullptr},
      {"cb_ZA_alles", Knopf, nullptr},    {"cb_löschen", Knopf, nullptr},
      {"cb_ZA_0", Knopf, nullptr},        {"cb_ZA_1", Knopf, nullptr},
      {"cb_ZA_2", Knopf, nullptr},        {"txtPZBKZ_Seriennr", Anzeige, "Label3"},
      {"txtSeriennr", Eingabe, "Label2"}, {"txtGeburt", Eingabe, "Label4"},
      {"txtPZGeburt", Anzeige, "Label5"}, {"txtPZgesamt", Anzeige, "Label8"},
      {"txtPZAblauf", Anzeige, "Label7"}, {"txtAblauf", Eingabe, "Label6"},
      {"Text1", Anzeige, nullptr},        {"txtBehördenKennZahl", Eingabe, "Label1"},
  };
  f_.SetzeText(Feld::txtPZGeburt, u"3");
  ASSERT_EQ(std::size(tabelle), Steuerelemente.size());
  for (const auto& zeile : tabelle) {
    SCOPED_TRACE(zeile.objekt);
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(&W(zeile.objekt));
    ASSERT_NE(zugang, nullptr);
    const test::ZugangSoll& soll = test::SollFür(zeile.objekt);
    EXPECT_EQ(zugang->text(QAccessible::Name), Q(soll.name));
    EXPECT_EQ(zugang->text(QAccessible::Description), Q(soll.beschreibung));
    const QAccessible::Role rolle = zeile.art == Beschriftung ? QAccessible::StaticText
                                    : zeile.art == Knopf      ? QAccessible::Button
                                                              : QAccessible::EditableText;
    EXPECT_EQ(zugang->role(), rolle);
    const QAccessible::State zustand = zugang->state();
    EXPECT_EQ(zustand.readOnly, zeile.art == Beschriftung || zeile.art == Anzeige);
    EXPECT_EQ(zustand.editable, zeile.art == Eingabe);
    EXPECT_EQ(zustand.focusable, zeile.art == Knopf || zeile.art == Eingabe);
    EXPECT_EQ(zustand.disabled, zeile.art == Anzeige);
    QStringList beschriftungen;
    for (const auto& [andere, beziehung] : zugang->relations(QAccessible::Label)) {
      beschriftungen << andere->object()->objectName();
    }
    EXPECT_EQ(beschriftungen, zeile.beschriftung != nullptr
                                  ? QStringList{QString::fromUtf8(zeile.beschriftung)}
                                  : QStringList{});
    if (zeile.art == Anzeige || zeile.art == Eingabe) {
      const QString text = static_cast<QLineEdit&>(W(zeile.objekt)).text();
      QAccessibleTextInterface* textZugang = zugang->textInterface();
      ASSERT_NE(textZugang, nullptr);
      EXPECT_EQ(textZugang->text(0, textZugang->characterCount()), text);
      EXPECT_EQ(zugang->text(QAccessible::Value), text);
    }
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&W("Text1"))->text(QAccessible::Value), u"D"_s);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&W("txtPZGeburt"))->text(QAccessible::Value),
            u"3"_s);
}

// The pixels inside a field's frame, as Qt draws it.
std::vector<Farbe> Pixel(QWidget& feld) {
  const QImage bild = feld.grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::vector<Farbe> pixel;
  for (int y = 2; y < bild.height() - 2; ++y) {
    for (int x = 2; x < bild.width() - 2; ++x) {
      const QRgb rgb = bild.pixel(x, y);
      pixel.push_back({static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
                       static_cast<std::uint8_t>(qBlue(rgb))});
    }
  }
  return pixel;
}

QPalette Dunkel() {
  QPalette p;
  const QColor fenster(0x35, 0x35, 0x35), grund(0x2A, 0x2A, 0x2A), grau(0x7F, 0x7F, 0x7F);
  for (const auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool aus = gruppe == QPalette::Disabled;
    p.setColor(gruppe, QPalette::Window, fenster);
    p.setColor(gruppe, QPalette::Button, fenster);
    p.setColor(gruppe, QPalette::Base, aus ? fenster : grund);
    p.setColor(gruppe, QPalette::WindowText, aus ? grau : Qt::white);
    p.setColor(gruppe, QPalette::ButtonText, aus ? grau : Qt::white);
    p.setColor(gruppe, QPalette::Text, aus ? grau : Qt::white);
  }
  return p;
}

// The check digits and the "D" stay disabled, but their text reads against its ground in
// the platform's palette (Fusion's, here), and in a dark one the user switches to while
// the window is open.
TEST_F(QtZugang, AnzeigefelderLesbarInJederPalette) {
  for (const Feld feld :
       {Feld::txtPZBKZ_Seriennr, Feld::txtPZGeburt, Feld::txtPZAblauf, Feld::txtPZgesamt}) {
    f_.SetzeText(feld, u"8");
  }
  const QPalette plattform = QApplication::palette();
  const struct {
    const char* name;
    QPalette palette;
  } fälle[] = {{"platform", plattform}, {"dark", Dunkel()}, {"platform again", plattform}};
  for (const auto& fall : fälle) {
    QApplication::setPalette(fall.palette);
    QCoreApplication::sendPostedEvents();  // the widgets hear of it as the window system's would
    for (const Steuerelement& s : Steuerelemente) {
      if (s.art == Art::Textfeld && !s.aktiviert) {
        SCOPED_TRACE(testing::Message() << fall.name << ", " << s.name);
        QWidget& w = W(ObjektName(s).c_str());
        EXPECT_FALSE(w.isEnabled());
        EXPECT_GE(test::GezeichneterKontrast(Pixel(w)), LesbarerKontrast);
      }
    }
  }
  QApplication::setPalette(plattform);
}

}  // namespace
}  // namespace pz
