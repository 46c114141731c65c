#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "fenster_port.hpp"
#include "form1.hpp"

class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace pz::qt {

// Form1's window in Qt Widgets. It only translates: Qt events become calls of Form1's
// handlers, and the port's calls become widget operations. Every rule of behaviour lives
// in Form1.
class Fenster final : public QWidget, public FensterPort {
 public:
  explicit Fenster(QWidget* eltern = nullptr);
  ~Fenster() override;

  Fenster(const Fenster&) = delete;
  Fenster& operator=(const Fenster&) = delete;

  std::u16string Text(Feld feld) const override;
  void SetzeText(Feld feld, const std::u16string& text) override;
  using FensterPort::SetzeFokus;
  void SetzeFokus(const Steuerelement& element) override;
  bool InZwischenablageLegen(const std::u16string& text) override;
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override;

  // Sees every change event that reaches Form1.
  using Änderungsbeobachter = std::function<void(Feld feld)>;
  void BeobachteÄnderungen(Änderungsbeobachter beobachter) { beobachter_ = std::move(beobachter); }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void showEvent(QShowEvent* ereignis) override;
  void changeEvent(QEvent* ereignis) override;
  void mouseDoubleClickEvent(QMouseEvent* ereignis) override;

 private:
  void Aufbauen();
  void Geändert(Feld feld);
  bool Tastendruck(Feld feld, const QKeyEvent& taste);
  bool Eingabemethode(Feld feld, QLineEdit& feldWidget, const QInputMethodEvent& ereignis);
  void Einfügen(QLineEdit& feld, const QString& text);
  bool Mittelklick(QLineEdit& feld, const QMouseEvent& maus);
  bool Ablegen(QLineEdit& feld, QDropEvent& ablage);
  bool Kontextmenü(QLineEdit& feld, const QContextMenuEvent& ereignis);
  void AuswahlMerken(Feld feld, const QLineEdit& w, Qt::FocusReason grund);
  void AuswahlZurück(Feld feld, QLineEdit& w, Qt::FocusReason grund);
  std::optional<Feld> EingabefeldZu(const QObject* objekt) const;
  const Steuerelement* ElementVon(const QWidget* widget) const;

  Form1 form_;
  std::array<QWidget*, Steuerelemente.size()> elemente_{};
  std::array<QLineEdit*, AnzahlFelder> felder_{};
  bool weiterreichen_ = false;  // an event the filter has already seen, on to the field
  // The selection of a field that lost the focus, as anchor and caret.
  struct Auswahl {
    int anker, marke;
  };
  std::array<std::optional<Auswahl>, AnzahlFelder> auswahl_{};
  Änderungsbeobachter beobachter_;
};

}  // namespace pz::qt
