// The window's controls from the table: their kinds, places, fonts, tool tips and the
// order of the Tab key.
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <QStringList>
#include <QToolTip>
#include <array>

#include "fenster.hpp"
#include "kontrast.hpp"
#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace pz::qt {

namespace {

// The icon at every size of the icon theme, the same images as installed there: looking the
// icon up in the theme would cost the start more than reading it. PNG needs no image plug-in.
QIcon Symbol() {
  QIcon symbol;
  for (const int größe : {16, 24, 32, 48, 64, 128, 256}) {
    symbol.addFile(QStringLiteral(":/symbol/%1.png").arg(größe), QSize(größe, größe));
  }
  return symbol;
}

QRect Rechteck(const PixelRechteck& p) {
  return {p.x, p.y, p.breite, p.höhe};
}

QFont SchriftFür(const Steuerelement& s, const QFont& standard) {
  const SchriftDef& def = SchriftVon(s);
  if (def.name.empty()) {
    return standard;
  }
  QFont schrift(Q(def.name));
  // Where Courier New is missing, fontconfig's metric alias or this hint finds a
  // monospaced face of the same widths.
  schrift.setStyleHint(QFont::TypeWriter);
  schrift.setPointSizeF(def.hundertstelPunkt / 100.0);
  schrift.setWeight(def.gewicht >= 700 ? QFont::Bold : QFont::Normal);
  return schrift;
}

QLabel* NeueBeschriftung(const Steuerelement& s, QWidget* fenster) {
  auto* label = new QLabel(fenster);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  QFont schrift = label->font();
  // Measured as the label measures itself, overhanging glyphs included.
  const auto breiteVon = [&schrift](std::u16string_view zeile, double punkt) {
    QFont bei(schrift);
    bei.setPointSizeF(punkt);
    return QFontMetrics(bei).boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, Q(zeile)).width();
  };
  const BeschriftungsSatz satz =
      BeschriftungSetzen(s, LogischeDpi, schrift.pointSizeF(), breiteVon);
  schrift.setPointSizeF(satz.punkt);
  label->setFont(schrift);
  QStringList zeilen;
  for (const std::u16string& zeile : satz.zeilen) {
    zeilen.append(Q(zeile));
  }
  label->setText(zeilen.join(u'\n'));
  const PixelRechteck entwurf = InPixel(s, LogischeDpi);
  label->setGeometry(entwurf.x, entwurf.y, satz.breite, label->sizeHint().height());
  return label;
}

// Shows the controls' tool tips. Qt would hand a tool tip that a widget holds itself to
// screen readers as its description as well, where it would mostly repeat the name; each
// control's description is set apart instead.
class Tipps final : public QObject {
 public:
  using QObject::QObject;

  void Zeigen(QWidget& element, const QString& tipp) {
    tipps_.insert(&element, tipp);
    element.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    const auto tipp = tipps_.constFind(objekt);
    if (ereignis->type() != QEvent::ToolTip || tipp == tipps_.cend()) {
      return false;
    }
    QToolTip::showText(static_cast<QHelpEvent*>(ereignis)->globalPos(), *tipp,
                       static_cast<QWidget*>(objekt));
    return true;
  }

 private:
  QHash<const QObject*, QString> tipps_;
};

Farbe Von(const QColor& farbe) {
  const QRgb rgb = farbe.rgb();
  return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
          static_cast<std::uint8_t>(qBlue(rgb))};
}

// A display field: disabled, and drawn so, but its text in a grey that reads against the
// field and the window around it, whatever palette the platform or the user brings.
class Anzeigefeld final : public QLineEdit {
 public:
  explicit Anzeigefeld(QWidget* eltern) : QLineEdit(eltern) { Färben(); }

 protected:
  void changeEvent(QEvent* ereignis) override {
    QLineEdit::changeEvent(ereignis);
    if (ereignis->type() == QEvent::PaletteChange) {
      Färben();
    }
  }

 private:
  void Färben() {
    const QPalette& jetzt = palette();
    const std::array gründe{Von(jetzt.color(QPalette::Disabled, QPalette::Base)),
                            Von(jetzt.color(QPalette::Disabled, QPalette::Window))};
    // The platform's grey, not the one set here before another palette came.
    const Farbe grau = Von(QApplication::palette(this).color(QPalette::Disabled, QPalette::Text));
    const Farbe lesbar =
        LesbaresGrau(grau, gründe, Von(jetzt.color(QPalette::Active, QPalette::Text)));
    const QColor farbe(lesbar.rot, lesbar.grün, lesbar.blau);
    if (jetzt.color(QPalette::Disabled, QPalette::Text) != farbe) {
      QPalette neu = jetzt;
      neu.setColor(QPalette::Disabled, QPalette::Text, farbe);
      setPalette(neu);  // comes back here once, and finds nothing more to do
    }
  }
};

QPushButton* NeuerKnopf(const Steuerelement& s, QWidget* fenster) {
  auto* knopf = new QPushButton(Q(s.text), fenster);
  // Return and Enter press the focused button, as in a Windows dialog. Outside a QDialog no
  // button is the default, so Return in a field presses none behind the user's back.
  knopf->setAutoDefault(true);
  // macOS leaves buttons out of the Tab cycle unless told otherwise.
  knopf->setFocusPolicy(Qt::StrongFocus);
  return knopf;
}

QLineEdit* NeuesTextfeld(const Steuerelement& s, QWidget* fenster) {
  QLineEdit* feld = s.aktiviert ? new QLineEdit(fenster) : new Anzeigefeld(fenster);
  // Named first: a screen reader's view of a display field is chosen by its name.
  feld->setObjectName(QString::fromStdString(ObjektName(s)));
  feld->setMaxLength(MaxLänge(s));
  feld->setText(Q(s.text));
  feld->setEnabled(s.aktiviert);
  if (!s.aktiviert) {
    // Disabled is all the user meets; a screen reader also hears that the field holds text
    // it can neither edit nor reach.
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::NoFocus);
    // The narrowest check digit fields are 13 pixels wide; Qt's inner text margin would
    // leave too little room for one digit, so it is given back to the text.
    feld->setAlignment(Qt::AlignCenter);
    feld->setTextMargins(-2, 0, -2, 0);
  }
  return feld;
}

}  // namespace

void Fenster::Aufbauen() {
  setWindowTitle(Q(FensterTitel));
  setWindowIcon(Symbol());
  // A fixed frame with minimize and close, but no maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(InPixel(FensterBreite, LogischeDpi), InPixel(FensterHöhe, LogischeDpi));

  ZugangEinrichten();
  auto* tipps = new Tipps(this);
  QWidget* vorheriger = nullptr;
  for (const Steuerelement& s : Steuerelemente) {
    QWidget* w = nullptr;
    switch (s.art) {
      case Art::Beschriftung:
        w = NeueBeschriftung(s, this);
        break;
      case Art::Knopf: {
        auto* knopf = NeuerKnopf(s, this);
        connect(knopf, &QPushButton::clicked, this, [this, &s] { form_.Click(s); });
        w = knopf;
        break;
      }
      case Art::Textfeld: {
        auto* feld = NeuesTextfeld(s, this);
        felder_[FeldIndex(s.feld)] = feld;
        connect(feld, &QLineEdit::textChanged, this, [this, f = s.feld] { Geändert(f); });
        if (s.aktiviert) {
          feld->installEventFilter(this);
        }
        w = feld;
        break;
      }
    }
    elemente_[Zeile(s)] = w;
    w->setObjectName(QString::fromStdString(ObjektName(s)));
    w->setAccessibleName(Q(ZugänglicherName(s)));
    w->setAccessibleDescription(Q(ZugänglicheBeschreibung(s)));
    if (s.art != Art::Beschriftung) {
      w->setFont(SchriftFür(s, font()));
      w->setGeometry(Rechteck(InPixel(s, LogischeDpi)));
      tipps->Zeigen(*w, Q(s.tipp));
    }
    // The table is in tab-index order; Qt links only controls that can take the focus.
    if (IstTabstopp(s)) {
      if (vorheriger != nullptr) {
        setTabOrder(vorheriger, w);
      }
      vorheriger = w;
    }
  }
  // A field is named to a screen reader by the label over it, too.
  for (const Steuerelement& s : Steuerelemente) {
    if (const Steuerelement* label = BeschriftungVon(s)) {
      static_cast<QLabel*>(elemente_[Zeile(*label)])->setBuddy(elemente_[Zeile(s)]);
    }
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* jetzt) {
    if (const Steuerelement* s = ElementVon(jetzt)) {
      form_.FokusErhalten(*s);
    }
  });
}

}  // namespace pz::qt
