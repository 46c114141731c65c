#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "ui/fenster_port.hpp"
#include "ui/form1.hpp"

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace pz {

// Form1's window in Qt Widgets. It only translates: Qt events become calls of Form1's
// handlers, and the port's calls become widget operations. Every rule of behaviour lives
// in Form1.
class QtFenster final : public QWidget, public FensterPort {
 public:
  explicit QtFenster(QWidget* eltern = nullptr);
  ~QtFenster() override;

  QtFenster(const QtFenster&) = delete;
  QtFenster& operator=(const QtFenster&) = delete;

  std::u16string Text(Feld feld) const override;
  void SetzeText(Feld feld, const std::u16string& text) override;
  void SetzeFokus(Feld feld) override;
  bool InZwischenablageLegen(const std::u16string& text) override;
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override;

  // Stands in for the system clipboard, so that a test can make a copy fail.
  using Zwischenablage = std::function<bool(const QString& text)>;
  void ErsetzeZwischenablage(Zwischenablage ersatz) { zwischenablage_ = std::move(ersatz); }

  // Sees every change that reaches Form1's change handlers.
  using Änderungsbeobachter = std::function<void(Feld feld)>;
  void BeobachteÄnderungen(Änderungsbeobachter beobachter) { beobachter_ = std::move(beobachter); }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void showEvent(QShowEvent* ereignis) override;
  void mouseDoubleClickEvent(QMouseEvent* ereignis) override;

 private:
  void Aufbauen();
  void TextGeändert(Feld feld);
  bool Tastendruck(Feld feld, const QKeyEvent& taste);
  bool Eingabemethode(Feld feld, QLineEdit& feldWidget, const QInputMethodEvent& ereignis);
  std::optional<Feld> EingabefeldVon(const QObject* objekt) const;

  Form1 form_;
  std::array<QLineEdit*, AnzahlFelder> felder_{};
  bool aktiviert_ = false;
  bool weiterreichen_ = false;  // an input-method event the filter has already seen
  Zwischenablage zwischenablage_;
  Änderungsbeobachter beobachter_;
};

}  // namespace pz
