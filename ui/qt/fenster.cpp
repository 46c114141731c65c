#include "fenster.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QToolTip>
#include <utility>

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

// QString::fromUtf16 would take a leading U+FEFF or U+FFFE for a byte-order mark, drop it
// and byte-swap the rest; a field may hold either, and they must stay as they are.
QString Q(std::u16string_view text) {
  return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

std::u16string_view U(QStringView text) {
  return {text.utf16(), static_cast<std::size_t>(text.size())};
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
  // Return and Enter press the focused button, as in a Windows dialog. Outside a QDialog no
  // button is the default, so Return in a field presses none behind the user's back.
  knopf->setAutoDefault(true);
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
  // A field that goes with the focus loses it on the way, no longer a QLineEdit.
  for (QLineEdit* feld : felder_) {
    feld->removeEventFilter(this);
  }
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
  auswahl_[FeldIndex(feld)].reset();  // it belonged to the text before
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
  QLineEdit& feldWidget = *felder_[FeldIndex(*feld)];
  switch (ereignis->type()) {
    case QEvent::KeyPress:
      return Tastendruck(*feld, *static_cast<QKeyEvent*>(ereignis));
    case QEvent::InputMethod:
      return Eingabemethode(*feld, feldWidget, *static_cast<QInputMethodEvent*>(ereignis));
    case QEvent::MouseButtonRelease:
      return Mittelklick(feldWidget, *static_cast<QMouseEvent*>(ereignis));
    case QEvent::Drop:
      return Ablegen(feldWidget, *static_cast<QDropEvent*>(ereignis));
    case QEvent::ContextMenu:
      return Kontextmenü(feldWidget, *static_cast<QContextMenuEvent*>(ereignis));
    case QEvent::FocusOut:
      AuswahlMerken(*feld, feldWidget, static_cast<QFocusEvent*>(ereignis)->reason());
      return false;
    case QEvent::FocusIn:
      AuswahlZurück(*feld, feldWidget, static_cast<QFocusEvent*>(ereignis)->reason());
      return false;
    default:
      return false;
  }
}

// Returns true when the key is swallowed.
bool Fenster::Tastendruck(Feld feld, const QKeyEvent& taste) {
  const std::optional<std::int16_t> code =
      Zeichencode(taste.key(), taste.modifiers(), taste.text());
  if (!code) {
    // Shift+Insert pastes past the filter, but cut as every paste is. Ctrl+V has a code.
    if (taste.matches(QKeySequence::Paste)) {
      Einfügen(*felder_[FeldIndex(feld)], QGuiApplication::clipboard()->text());
      return true;
    }
    return false;
  }
  std::int16_t KeyAscii = *code;
  if (KeyAscii != 0) {
    form_.KeyPress(feld, KeyAscii);
  }
  return KeyAscii == 0;
}

// Qt's field would take pasted text whole, line breaks and NULs included, and cut it to
// the maximum length anywhere, even within a surrogate pair.
void Fenster::Einfügen(QLineEdit& feld, const QString& text) {
  const auto platz =
      static_cast<std::size_t>(feld.maxLength() - feld.text().size() + feld.selectedText().size());
  const std::u16string_view teil = Form1::Einfügbar(U(text), platz);
  // Nothing taken and nothing replaced is no edit, and must raise no change event.
  if (!teil.empty() || feld.hasSelectedText()) {
    feld.insert(Q(teil));
  }
}

// On X11 the middle button pastes the primary selection where it was pressed.
bool Fenster::Mittelklick(QLineEdit& feld, const QMouseEvent& maus) {
  if (maus.button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()) {
    return false;
  }
  feld.deselect();
  Einfügen(feld, QGuiApplication::clipboard()->text(QClipboard::Selection));
  return true;
}

// The field drops at the pointer, with no selection, so the room is what the text leaves.
// It gets the dropped text as a paste would take it; with nothing left, the drag leaves.
bool Fenster::Ablegen(QLineEdit& feld, QDropEvent& ablage) {
  if (!ablage.mimeData()->hasText()) {
    return false;
  }
  const auto platz = static_cast<std::size_t>(feld.maxLength() - feld.text().size());
  const QString teil = Q(Form1::Einfügbar(U(ablage.mimeData()->text()), platz));
  weiterreichen_ = true;
  if (teil.isEmpty()) {
    QDragLeaveEvent verlassen;
    QCoreApplication::sendEvent(&feld, &verlassen);
    ablage.ignore();
  } else {
    QMimeData gekürzt;
    gekürzt.setText(teil);
    QDropEvent ersatz(ablage.position(), ablage.possibleActions(), &gekürzt, ablage.buttons(),
                      ablage.modifiers());
    QCoreApplication::sendEvent(&feld, &ersatz);
    ablage.setDropAction(ersatz.dropAction());
    ablage.setAccepted(ersatz.isAccepted());
  }
  weiterreichen_ = false;
  return true;
}

// The field's own menu, whose Paste takes the text as every paste does. Qt names that
// action only from 6.5 on; before, its text tells it, translated as the field does.
bool Fenster::Kontextmenü(QLineEdit& feld, const QContextMenuEvent& ereignis) {
  QMenu* menü = feld.createStandardContextMenu();
  for (QAction* aktion : menü->actions()) {
    if (aktion->objectName() == u"edit-paste" ||
        aktion->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) {
      disconnect(aktion, &QAction::triggered, &feld, nullptr);
      connect(aktion, &QAction::triggered, &feld,
              [this, &feld] { Einfügen(feld, QGuiApplication::clipboard()->text()); });
    }
  }
  menü->setAttribute(Qt::WA_DeleteOnClose);
  menü->popup(ereignis.globalPos());
  return true;
}

// Qt drops a field's selection when another control takes the focus; a Windows edit keeps
// it, hidden, and has it back when it gets the focus again.
void Fenster::AuswahlMerken(Feld feld, const QLineEdit& w, Qt::FocusReason grund) {
  if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason ||
      !w.hasSelectedText()) {
    return;  // Qt keeps it itself
  }
  const int anfang = w.selectionStart();
  const int ende = anfang + static_cast<int>(w.selectedText().size());
  const int marke = w.cursorPosition();
  auswahl_[FeldIndex(feld)] = Auswahl{marke == anfang ? ende : anfang, marke};
}

// Tab and a mnemonic select the whole text instead, as the dialog manager does on Windows;
// a click then places the caret itself.
void Fenster::AuswahlZurück(Feld feld, QLineEdit& w, Qt::FocusReason grund) {
  const std::optional<Auswahl> auswahl = std::exchange(auswahl_[FeldIndex(feld)], std::nullopt);
  if (auswahl && grund != Qt::TabFocusReason && grund != Qt::BacktabFocusReason &&
      grund != Qt::ShortcutFocusReason) {
    w.setSelection(auswahl->anker, auswahl->marke - auswahl->anker);
  }
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
