#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "ui/fenster_port.hpp"
#include "ui/form1.hpp"
#include "ui/steuerelemente.hpp"
#include "ui/win32/ressourcen.h"

struct IAccPropServices;

namespace pz::win32 {

// Control IDs are the table row plus this offset, well clear of IDOK and IDCANCEL, which
// the dialog manager sends for Return and Escape.
inline constexpr int ErsteSteuerelementId = 100;

// A disabled control gets no mouse input, so the tip of a disabled field is a tool of the
// window over the field's rectangle, with this offset plus the row as its ID.
inline constexpr UINT_PTR ErsteTippId = 1000;

// Shows a modal message box and returns the button that closed it. The window calls
// MessageBoxW through this, so that a test can put a recorder in its place.
using Meldungsfenster = std::function<int(HWND besitzer, const std::wstring& text,
                                          const std::wstring& titel, UINT stil)>;

// Form1 on the Win32 API: the window with its 22 controls from the table, and the port
// through which Form1 reads and writes them.
class Hauptfenster final : public FensterPort {
 public:
  // Creates the window and its controls, hidden, and runs Form_Load.
  explicit Hauptfenster(HINSTANCE instanz);
  ~Hauptfenster() override;
  Hauptfenster(const Hauptfenster&) = delete;
  Hauptfenster& operator=(const Hauptfenster&) = delete;

  void Zeigen(int anzeige);

  // Runs until the window is closed; returns the exit code of WM_QUIT.
  int Nachrichtenschleife();

  // Treats one message as the loop does: the dialog manager sees it first, which gives
  // Tab and Shift+Tab their meaning.
  void Verarbeiten(MSG& nachricht);

  HWND Fenster() const { return fenster_; }
  HWND Element(std::size_t zeile) const { return elemente_.at(zeile); }
  HWND FeldFenster(Feld feld) const;
  HWND Tipps() const { return tipps_; }
  int Dpi() const { return dpi_; }

  void SetzeMeldungsfenster(Meldungsfenster meldungsfenster);

  std::u16string Text(Feld feld) const override;
  void SetzeText(Feld feld, const std::u16string& text) override;
  void SetzeFokus(Feld feld) override;
  bool InZwischenablageLegen(const std::u16string& text) override;
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override;

 private:
  static LRESULT CALLBACK Fensterprozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l);
  static LRESULT CALLBACK Eingabeprozedur(HWND feld, UINT nachricht, WPARAM w, LPARAM l,
                                          UINT_PTR zeile, DWORD_PTR selbst);
  LRESULT Behandeln(UINT nachricht, WPARAM w, LPARAM l);
  void Befehl(int id, int code);
  void Aktiviert();

  void ElementeErstellen();
  void ZugänglicheNamenSetzen();
  void ZugänglicheNamenLöschen();
  void TippsErstellen();
  void Anordnen(int dpi);
  // Sizes the window so that its client area has the table's size at the current DPI;
  // moves it to ort if given.
  void GrößeSetzen(const POINT* ort);
  std::ptrdiff_t ZeileVonFenster(HWND element) const;

  HINSTANCE instanz_;
  HWND fenster_ = nullptr;
  HWND tipps_ = nullptr;
  std::array<HWND, Steuerelemente.size()> elemente_{};
  HFONT feldSchrift_ = nullptr;
  HFONT knopfSchrift_ = nullptr;
  HFONT standardSchrift_ = nullptr;
  int dpi_ = 96;
  bool schonAktiviert_ = false;
  bool schleifeLäuft_ = false;
  HWND letzterFokus_ = nullptr;
  Meldungsfenster meldungsfenster_;
  bool comBereit_ = false;
  IAccPropServices* zugang_ = nullptr;
  Form1 form_;
};

}  // namespace pz::win32
