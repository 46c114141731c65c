// What a screen reader learns of the controls beyond what Qt tells it itself.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

#include "steuerelemente.hpp"
#include "werkzeug.hpp"

namespace pz::qt {

namespace {

// What a screen reader learns of a display field. Qt's own line edit calls itself editable
// even when read-only; a display field is read-only text, its digit, that cannot be reached.
class AnzeigeZugang final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AnzeigeZugang(QLineEdit& feld) : QAccessibleWidget(&feld, QAccessible::EditableText) {}

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

// Display fields are known by their names, which the window gives them from the table.
QAccessibleInterface* ZugangFür(const QString&, QObject* objekt) {
  auto* feld = qobject_cast<QLineEdit*>(objekt);
  if (feld == nullptr) {
    return nullptr;
  }
  for (const Steuerelement& s : Steuerelemente) {
    if (s.art == Art::Textfeld && !s.aktiviert &&
        feld->objectName() == QString::fromStdString(ObjektName(s))) {
      return new AnzeigeZugang(*feld);
    }
  }
  return nullptr;
}

}  // namespace

void ZugangEinrichten() {
  QAccessible::installFactory(&ZugangFür);  // Qt keeps each factory only once
}

}  // namespace pz::qt
