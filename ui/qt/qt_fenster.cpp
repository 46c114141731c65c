#include "qt_fenster.hpp"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "ui/qt/zeichencode.hpp"
#include "ui/steuerelemente.hpp"

// The resource lives in a static library, whose registration the linker would drop.
static void RessourcenLaden() {
  Q_INIT_RESOURCE(voveduzaz);
}

namespace pz {

namespace {

// Qt lays widgets out in logical pixels, which are 96 to the inch; on denser screens Qt
// scales them itself.
constexpr int LogischeDpi = 96;

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
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

QStringList Umbrechen(const QString& text, const QFontMetrics& maße, int breite) {
  QStringList zeilen;
  const auto breiteVon = [&maße](std::u16string_view zeile) {
    return maße.horizontalAdvance(Q(zeile));
  };
  for (const std::u16string& zeile : pz::Umbrechen(text.toStdU16String(), breite, breiteVon)) {
    zeilen.append(Q(zeile));
  }
  return zeilen;
}

// How far a label may grow to the right before it touches the next control beside it,
// or the window's edge.
int Wachstumsgrenze(const Steuerelement& label, const QRect& rechteck) {
  constexpr int Abstand = 4;  // the narrowest gap between two fields in the number row
  int grenze = InPixel(FensterBreite, LogischeDpi) - Abstand;
  for (const Steuerelement& andere : Steuerelemente) {
    const QRect r = Rechteck(InPixel(andere, LogischeDpi));
    const bool gleicheZeile = r.top() <= rechteck.bottom() && rechteck.top() <= r.bottom();
    if (&andere != &label && gleicheZeile && r.left() > rechteck.left()) {
      grenze = std::min(grenze, r.left() - Abstand);
    }
  }
  return grenze;
}

int BreitesteZeile(const QStringList& zeilen, const QFontMetrics& maße) {
  int breite = 0;
  for (const QString& zeile : zeilen) {
    breite = std::max(breite, maße.horizontalAdvance(zeile));
  }
  return breite;
}

QLabel* NeueBeschriftung(const Steuerelement& s, QWidget* fenster) {
  auto* label = new QLabel(fenster);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  const PixelRechteck entwurf = InPixel(s, LogischeDpi);
  if (!s.umbrechen) {
    label->setText(Q(s.text));
    label->setGeometry(QRect(QPoint(entwurf.x, entwurf.y), label->sizeHint()));
    return label;
  }
  // The design width decides where the caption breaks. A word wider than that widens
  // the label; should it then reach the neighbour, as a wide default font can make it,
  // the label's font steps down until the word fits in the room there is.
  QFont schrift = label->font();
  const QStringList zeilen = Umbrechen(Q(s.text), QFontMetrics(schrift), entwurf.breite);
  int breite = std::max(entwurf.breite, BreitesteZeile(zeilen, QFontMetrics(schrift)));
  const int grenze =
      Wachstumsgrenze(s, QRect(entwurf.x, entwurf.y, breite, entwurf.höhe)) - entwurf.x;
  if (breite > grenze) {
    // Text widths scale with the size; one jump lands close, a few quarter points finish.
    const double vorher = schrift.pointSizeF();
    schrift.setPointSizeF(std::floor(vorher * grenze / breite * 4.0) / 4.0);
    breite = std::max(entwurf.breite, BreitesteZeile(zeilen, QFontMetrics(schrift)));
    while (breite > grenze && schrift.pointSizeF() > 6.0) {
      schrift.setPointSizeF(schrift.pointSizeF() - 0.25);
      breite = std::max(entwurf.breite, BreitesteZeile(zeilen, QFontMetrics(schrift)));
    }
  }
  label->setFont(schrift);
  label->setText(zeilen.join(u'\n'));
  label->setGeometry(entwurf.x, entwurf.y, breite, label->sizeHint().height());
  return label;
}

QPushButton* NeuerKnopf(const Steuerelement& s, QWidget* fenster) {
  auto* knopf = new QPushButton(Q(s.text), fenster);
  // Return in a field must not press a button behind the user's back.
  knopf->setAutoDefault(false);
  knopf->setDefault(false);
  // macOS leaves buttons out of the Tab cycle unless told otherwise.
  knopf->setFocusPolicy(Qt::StrongFocus);
  return knopf;
}

QLineEdit* NeuesTextfeld(const Steuerelement& s, QWidget* fenster) {
  auto* feld = new QLineEdit(fenster);
  feld->setMaxLength(s.maxLänge);
  feld->setText(Q(s.text));
  feld->setEnabled(s.aktiviert);
  if (!s.aktiviert) {
    // The narrowest check digit fields are 13 pixels wide; Qt's inner text margin would
    // leave too little room for one digit, so it is given back to the text.
    feld->setAlignment(Qt::AlignCenter);
    feld->setTextMargins(-2, 0, -2, 0);
  }
  return feld;
}

}  // namespace

QtFenster::QtFenster(QWidget* eltern) : QWidget(eltern), form_(*this) {
  RessourcenLaden();
  Aufbauen();
  form_.Form_Load();
}

// The controls go first, while the window they report to is still whole.
QtFenster::~QtFenster() {
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void QtFenster::Aufbauen() {
  setWindowTitle(Q(FensterTitel));
  setWindowIcon(QIcon(QStringLiteral(":/voveduzaz.ico")));
  // A fixed frame with minimize and close, but no maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(InPixel(FensterBreite, LogischeDpi), InPixel(FensterHöhe, LogischeDpi));

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
        felder_[Nummer(s.feld)] = feld;
        connect(feld, &QLineEdit::textChanged, this, [this, f = s.feld] { TextGeändert(f); });
        if (s.aktiviert) {
          feld->installEventFilter(this);
        }
        w = feld;
        break;
      }
    }
    w->setObjectName(QString::fromStdString(ObjektName(s)));
    if (s.art != Art::Beschriftung) {
      w->setFont(SchriftFür(s, font()));
      w->setGeometry(Rechteck(InPixel(s, LogischeDpi)));
      w->setToolTip(Q(s.tipp));
      w->setAccessibleName(Q(ZugänglicherName(s)));
      // The table is in tab-index order; labels and disabled fields drop out by
      // themselves as they cannot take the focus.
      if (vorheriger != nullptr) {
        setTabOrder(vorheriger, w);
      }
      vorheriger = w;
    }
  }
}

std::optional<Feld> QtFenster::EingabefeldVon(const QObject* objekt) const {
  for (Feld f : Eingabefelder) {
    if (felder_[Nummer(f)] == objekt) {
      return f;
    }
  }
  return std::nullopt;
}

std::u16string QtFenster::Text(Feld feld) const {
  return felder_[Nummer(feld)]->text().toStdU16String();
}

void QtFenster::SetzeText(Feld feld, const std::u16string& text) {
  // textChanged is delivered directly, so Form1's change handler has run on return.
  felder_[Nummer(feld)]->setText(Q(text));
}

void QtFenster::SetzeFokus(Feld feld) {
  felder_[Nummer(feld)]->setFocus(Qt::OtherFocusReason);
}

// Qt reports nothing back from setting the clipboard. What it does let us see is whether
// the clipboard now hands out our text: on X11 it does only if we hold the selection.
bool QtFenster::InZwischenablageLegen(const std::u16string& text) {
  const QString inhalt = Q(text);
  if (zwischenablage_) {
    return zwischenablage_(inhalt);
  }
  QClipboard* ablage = QGuiApplication::clipboard();
  if (ablage == nullptr) {
    return false;
  }
  auto* daten = new QMimeData;
  daten->setText(inhalt);  // text/plain and nothing else
  ablage->setMimeData(daten, QClipboard::Clipboard);
  const QMimeData* jetzt = ablage->mimeData(QClipboard::Clipboard);
  return jetzt == daten || (jetzt != nullptr && jetzt->hasText() && jetzt->text() == inhalt);
}

void QtFenster::ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                             Meldungsart art) {
  const auto symbol = art == Meldungsart::Warnung ? QMessageBox::Warning : QMessageBox::Information;
  QMessageBox box(symbol, Q(titel), Q(text), QMessageBox::Ok, this);
  box.exec();
  // A window manager hands the activation back to the window, and Qt then gives the
  // focus back to the control that had it. Without one, nothing would, and the next
  // keystrokes would go nowhere.
  if (isVisible() && !isActiveWindow()) {
    activateWindow();
  }
}

void QtFenster::TextGeändert(Feld feld) {
  if (form_.Change(feld) && beobachter_) {
    beobachter_(feld);
  }
}

bool QtFenster::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (weiterreichen_) {
    return false;
  }
  const std::optional<Feld> feld = EingabefeldVon(objekt);
  if (!feld) {
    return QWidget::eventFilter(objekt, ereignis);
  }
  switch (ereignis->type()) {
    case QEvent::KeyPress:
      return Tastendruck(*feld, *static_cast<QKeyEvent*>(ereignis));
    case QEvent::InputMethod:
      return Eingabemethode(*feld, *felder_[Nummer(*feld)],
                            *static_cast<QInputMethodEvent*>(ereignis));
    default:
      return false;
  }
}

// Returns true when the key is swallowed.
bool QtFenster::Tastendruck(Feld feld, const QKeyEvent& taste) {
  const std::optional<std::int16_t> code = Zeichencode(taste.key(), taste.modifiers());
  if (!code) {
    return false;
  }
  std::int16_t KeyAscii = *code;
  form_.KeyPress(feld, KeyAscii);
  return KeyAscii == 0;
}

// An input method may commit several characters at once; each goes through the filter
// on its own, against the field as the characters before it have left it.
bool QtFenster::Eingabemethode(Feld feld, QLineEdit& feldWidget,
                               const QInputMethodEvent& ereignis) {
  const QString übergeben = ereignis.commitString();
  if (übergeben.isEmpty()) {
    return false;
  }
  // The filter has seen these already; they go straight to the field.
  const auto zustellen = [this, &feldWidget](QInputMethodEvent& e) {
    weiterreichen_ = true;
    QCoreApplication::sendEvent(&feldWidget, &e);
    weiterreichen_ = false;
  };
  bool erstes = true;
  for (const QChar zeichen : übergeben) {
    std::int16_t KeyAscii = Zeichencode(zeichen);
    form_.KeyPress(feld, KeyAscii);
    if (KeyAscii == 0) {
      continue;
    }
    QInputMethodEvent einzeln;
    if (erstes) {
      einzeln.setCommitString(QString(zeichen), ereignis.replacementStart(),
                              ereignis.replacementLength());
    } else {
      einzeln.setCommitString(QString(zeichen));
    }
    erstes = false;
    zustellen(einzeln);
  }
  if (!ereignis.preeditString().isEmpty()) {
    QInputMethodEvent vorschau(ereignis.preeditString(), ereignis.attributes());
    zustellen(vorschau);
  }
  return true;
}

void QtFenster::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  // The first showing counts as the first activation, whether or not a window manager
  // ever activates the window. Later activations are left to Qt, which gives the focus
  // back to the control that had it.
  if (!aktiviert_) {
    aktiviert_ = true;
    form_.Form_Activate();
  }
}

void QtFenster::mouseDoubleClickEvent(QMouseEvent* ereignis) {
  // Fields and buttons take their double clicks themselves; only what falls through to
  // the window's own surface arrives here.
  if (ereignis->button() == Qt::LeftButton) {
    form_.Form_DblClick();
  } else {
    QWidget::mouseDoubleClickEvent(ereignis);
  }
}

}  // namespace pz
