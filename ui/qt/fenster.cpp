#include "fenster.hpp"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <utility>

#include "steuerelemente.hpp"
#include "tastencode.hpp"
#include "werkzeug.hpp"
#include "zeichencode.hpp"

// The resource lives in a static library, whose registration the linker would drop.
static void RessourcenLaden() {
  Q_INIT_RESOURCE(voveduzaz);
}

namespace pz::qt {

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
  // A Windows edit selects its whole text on Ctrl+A, on the key itself; the character the
  // key types, 1, the filter then cancels like any other. A selection is no edit.
  if (taste.matches(QKeySequence::SelectAll)) {
    felder_[FeldIndex(feld)]->selectAll();
  }
  const std::optional<std::int16_t> code =
      Zeichencode(taste.key(), taste.modifiers(), taste.text());
  if (!code) {
    // Shift+Insert pastes past the filter, but cut as every paste is. Ctrl+V has a code.
    if (taste.matches(QKeySequence::Paste)) {
      Einfügen(*felder_[FeldIndex(feld)], AblageText(QClipboard::Clipboard));
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
  Einfügen(feld, AblageText(QClipboard::Selection));
  return true;
}

// The field drops at the pointer, with no selection, so the room is what the text leaves.
// It gets the dropped text as a paste would take it; with nothing left, the drag leaves.
bool Fenster::Ablegen(QLineEdit& feld, QDropEvent& ablage) {
  if (!ablage.mimeData()->hasText()) {
    return false;
  }
  const auto platz = static_cast<std::size_t>(feld.maxLength() - feld.text().size());
  const QString teil = Q(Form1::Einfügbar(U(AblageText(ablage)), platz));
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

// The field's own menu, in Qt's words. Beside its entries Qt names Ctrl+Z, Ctrl+X, Ctrl+C
// and Ctrl+V, which type characters here that the key filter cancels; as on a Windows
// edit, no entry names a key, Ctrl+A's neither. Redo stays: a second Undo on Windows brings back
// what the first took, where Qt's goes one step further back. Paste takes the text as
// every paste does. Qt names its actions only from 6.5 on; before, their text tells them,
// translated as the field's are.
bool Fenster::Kontextmenü(QLineEdit& feld, const QContextMenuEvent& ereignis) {
  QMenu* menü = feld.createStandardContextMenu();
  for (QAction* aktion : menü->actions()) {
    aktion->setText(aktion->text().section(u'\t', 0, 0));
    if (aktion->objectName() == u"edit-paste" || aktion->text() == QLineEdit::tr("&Paste")) {
      disconnect(aktion, &QAction::triggered, &feld, nullptr);
      connect(aktion, &QAction::triggered, &feld,
              [this, &feld] { Einfügen(feld, AblageText(QClipboard::Clipboard)); });
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
    std::int16_t KeyAscii = Zeichencode(zeichen.unicode());
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
