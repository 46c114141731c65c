#include "fenster.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QToolTip>

#include "kontrast.hpp"
#include "steuerelemente.hpp"
#include "zeichencode.hpp"

// The resource lives in a static library, whose registration the linker would drop.
static void RessourcenLaden() {
  Q_INIT_RESOURCE(voveduzaz);
}

namespace pz::qt {

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

// What a screen reader learns of a display field. Qt's own line edit calls itself editable
// even when read-only; a display field is read-only text, its digit, that cannot be reached.
class AnzeigeZugang final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AnzeigeZugang(Anzeigefeld& feld) : QAccessibleWidget(&feld, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State zustand = QAccessibleWidget::state();
    zustand.readOnly = true;
    return zustand;
  }
  QString text(QAccessible::Text art) const override {
    return art == QAccessible::Value ? Text() : QAccessibleWidget::text(art);
  }
  void* interface_cast(QAccessible::InterfaceType art) override {
    if (art == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(art);
  }

  // The text, whole; nothing in it is ever selected, and it has no cursor.
  QString text(int anfang, int ende) const override { return Text().mid(anfang, ende - anfang); }
  int characterCount() const override { return static_cast<int>(Text().size()); }
  void selection(int, int* anfang, int* ende) const override { *anfang = *ende = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint& punkt) const override { return rect().contains(punkt) ? 0 : -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* anfang, int* ende) const override {
    *anfang = 0;
    *ende = characterCount();
    return {};
  }

 private:
  QString Text() const { return static_cast<const QLineEdit*>(widget())->text(); }
};

QAccessibleInterface* ZugangFür(const QString&, QObject* objekt) {
  auto* feld = dynamic_cast<Anzeigefeld*>(objekt);
  return feld != nullptr ? new AnzeigeZugang(*feld) : nullptr;
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
  QLineEdit* feld = s.aktiviert ? new QLineEdit(fenster) : new Anzeigefeld(fenster);
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

Fenster::Fenster(QWidget* eltern) : QWidget(eltern), form_(*this) {
  RessourcenLaden();
  Aufbauen();
  form_.Form_Load();
}

// The controls go first, while the window they report to is still whole.
Fenster::~Fenster() {
  disconnect(qApp, nullptr, this, nullptr);
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void Fenster::Aufbauen() {
  setWindowTitle(Q(FensterTitel));
  setWindowIcon(QIcon(QStringLiteral(":/voveduzaz.ico")));
  // A fixed frame with minimize and close, but no maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(InPixel(FensterBreite, LogischeDpi), InPixel(FensterHöhe, LogischeDpi));

  QAccessible::installFactory(&ZugangFür);  // once: Qt keeps each factory only once
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

const Steuerelement* Fenster::ElementVon(const QWidget* widget) const {
  for (std::size_t zeile = 0; zeile < elemente_.size(); ++zeile) {
    if (elemente_[zeile] != nullptr && elemente_[zeile] == widget) {
      return &Steuerelemente[zeile];
    }
  }
  return nullptr;
}

std::optional<Feld> Fenster::EingabefeldZu(const QObject* objekt) const {
  for (const Eingabefeld& e : Eingabefelder) {
    if (felder_[FeldIndex(e.feld)] == objekt) {
      return e.feld;
    }
  }
  return std::nullopt;
}

std::u16string Fenster::Text(Feld feld) const {
  return felder_[FeldIndex(feld)]->text().toStdU16String();
}

// Qt signals a program write only when it changes the text; as on Windows, every write
// is a change, so this one route reports it.
void Fenster::SetzeText(Feld feld, const std::u16string& text) {
  {
    const QSignalBlocker still(felder_[FeldIndex(feld)]);
    felder_[FeldIndex(feld)]->setText(Q(text));
  }
  Geändert(feld);
}

void Fenster::SetzeFokus(const Steuerelement& element) {
  elemente_[Zeile(element)]->setFocus(Qt::OtherFocusReason);
}

// Qt reports nothing back from setting the clipboard. What it does let us see is whether
// the clipboard now hands out our text: on X11 it does only if we hold the selection.
bool Fenster::InZwischenablageLegen(const std::u16string& text) {
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

void Fenster::ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                           Meldungsart art) {
  const auto symbol = art == Meldungsart::Warnung ? QMessageBox::Warning : QMessageBox::Information;
  QMessageBox box(symbol, Q(titel), Q(text), QMessageBox::Ok, this);
  box.exec();
  // A window manager hands the activation back to the window; without one, nothing
  // would, and the next keystrokes would go nowhere.
  if (isVisible() && !isActiveWindow()) {
    activateWindow();
  }
}

void Fenster::Geändert(Feld feld) {
  if (!IstEingabefeld(feld)) {
    return;
  }
  if (beobachter_) {
    beobachter_(feld);
  }
  form_.Change(feld);
}

bool Fenster::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (weiterreichen_) {
    return false;
  }
  const std::optional<Feld> feld = EingabefeldZu(objekt);
  if (!feld) {
    return QWidget::eventFilter(objekt, ereignis);
  }
  switch (ereignis->type()) {
    case QEvent::KeyPress:
      return Tastendruck(*feld, *static_cast<QKeyEvent*>(ereignis));
    case QEvent::InputMethod:
      return Eingabemethode(*feld, *felder_[FeldIndex(*feld)],
                            *static_cast<QInputMethodEvent*>(ereignis));
    default:
      return false;
  }
}

// Returns true when the key is swallowed.
bool Fenster::Tastendruck(Feld feld, const QKeyEvent& taste) {
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
bool Fenster::Eingabemethode(Feld feld, QLineEdit& feldWidget, const QInputMethodEvent& ereignis) {
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

void Fenster::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  // Showing counts as an activation, whether or not a window manager ever activates
  // the window.
  form_.Aktiviert();
}

void Fenster::changeEvent(QEvent* ereignis) {
  QWidget::changeEvent(ereignis);
  if (ereignis->type() == QEvent::ActivationChange && isActiveWindow()) {
    form_.Aktiviert();
  }
}

void Fenster::mouseDoubleClickEvent(QMouseEvent* ereignis) {
  // Fields and buttons take their double clicks themselves; only what falls through to
  // the window's own surface arrives here.
  if (ereignis->button() == Qt::LeftButton) {
    form_.Form_DblClick();
  } else {
    QWidget::mouseDoubleClickEvent(ereignis);
  }
}

}  // namespace pz::qt
