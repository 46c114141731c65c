#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "fenster_port.hpp"
#include "form1.hpp"
#include "ressourcen.h"
#include "steuerelemente.hpp"

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
// through which Form1 reads and writes them. The window procedure hands each message to
// a member named for what happened; layout, DPI, fonts, labels and tool tips are in
// anordnung.cpp, the names for screen readers in zugang.cpp, readable display fields in
// anzeige.cpp.
class Fenster final : public FensterPort {
 public:
  // Creates the window and its controls, hidden, and runs Form_Load.
  explicit Fenster(HINSTANCE instanz);
  ~Fenster() override;
  Fenster(const Fenster&) = delete;
  Fenster& operator=(const Fenster&) = delete;

  void Zeigen(int anzeige);

  // Runs until the window is closed; returns the exit code of WM_QUIT.
  int Nachrichtenschleife();

  // Treats one message as the loop does: the dialog manager sees it first, which gives
  // Tab and Shift+Tab their meaning.
  void Verarbeiten(MSG& nachricht);

  HWND Hwnd() const { return fenster_; }
  HWND Element(std::size_t zeile) const { return elemente_.at(zeile); }
  HWND FeldFenster(Feld feld) const { return elemente_[Zeile(ZeileVon(feld))]; }
  HWND Tipps() const { return tipps_; }
  int Dpi() const { return dpi_; }

  void SetzeMeldungsfenster(Meldungsfenster meldungsfenster);

  // Sees every change event that reaches Form1.
  using Änderungsbeobachter = std::function<void(Feld feld)>;
  void BeobachteÄnderungen(Änderungsbeobachter beobachter) { beobachter_ = std::move(beobachter); }

  std::u16string Text(Feld feld) const override;
  void SetzeText(Feld feld, const std::u16string& text) override;
  using FensterPort::SetzeFokus;
  void SetzeFokus(const Steuerelement& element) override;
  bool InZwischenablageLegen(const std::u16string& text) override;
  void ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                    Meldungsart art) override;

 private:
  static LRESULT CALLBACK Fensterprozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l);
  static LRESULT CALLBACK Eingabeprozedur(HWND feld, UINT nachricht, WPARAM w, LPARAM l,
                                          UINT_PTR zeile, DWORD_PTR selbst);
  LRESULT Behandeln(UINT nachricht, WPARAM w, LPARAM l);

  // What the window procedure hands on, one member a message.
  LRESULT Befehl(int id, int code);
  void Geändert(Feld feld);
  LRESULT Aktiviert(WPARAM w);
  LRESULT FokusErhalten();
  LRESULT Doppelklick();
  LRESULT DpiGeändert(WPARAM w, LPARAM l);
  LRESULT Zerstört();
  LRESULT EndgültigZerstört(WPARAM w, LPARAM l);
  // eingabe.cpp: what an input field's subclass hands on: typed characters, pastes, and
  // the edit's own steps, after which no character stands split.
  enum class Seite { Davor, Danach, NäherAmZeiger };
  LRESULT Tippen(std::size_t zeile, UINT nachricht, WPARAM zeichen, LPARAM l);
  LRESULT UnicodeTippen(std::size_t zeile, WPARAM zeichen, LPARAM l);
  LRESULT Einfügen(std::size_t zeile);
  LRESULT Ganz(std::size_t zeile, UINT nachricht, WPARAM w, LPARAM l, Seite seite);

  // anordnung.cpp
  struct Platz {
    PixelRechteck rechteck;
    std::wstring text;
    HFONT schrift;
  };
  void SchriftenErstellen(int dpi);
  Platz PlatzVon(const Steuerelement& s, HDC dc);
  void Einrichten(const Steuerelement& s, const Platz& platz);
  void ElementeErstellen();
  void TippRechteckSetzen(const Steuerelement& s);
  LRESULT TippsErstellen();
  void Anordnen(int dpi);
  // Sizes the window so that its client area has the table's size at the current DPI;
  // moves it to ort if given.
  void GrößeSetzen(const POINT* ort);

  // zugang.cpp
  // A control hears the first question of a screen reader; the names wait for it.
  void ZugangVorbereiten(std::size_t zeile);
  void ZugangEinrichten();
  void ElementBenennen(std::size_t zeile);
  // Also ends the setting up: a window on its way out gets no names any more.
  void ZugänglicheNamenLöschen();
  void ZugangBeenden();
  // Sets the names up at the first question, and answers for a control itself where the
  // property service is missing.
  static LRESULT CALLBACK Zugangsprozedur(HWND element, UINT nachricht, WPARAM w, LPARAM l,
                                          UINT_PTR zeile, DWORD_PTR selbst);
  // anzeige.cpp: draws a display field's text again where the system's disabled grey
  // would not read.
  static LRESULT CALLBACK Anzeigeprozedur(HWND feld, UINT nachricht, WPARAM w, LPARAM l,
                                          UINT_PTR id, DWORD_PTR);

  const Steuerelement* ElementVon(HWND element) const;

  HINSTANCE instanz_;
  HWND fenster_ = nullptr;
  HWND tipps_ = nullptr;
  std::array<HWND, Steuerelemente.size()> elemente_{};
  HFONT feldSchrift_ = nullptr;
  HFONT knopfSchrift_ = nullptr;
  HFONT standardSchrift_ = nullptr;
  LOGFONTW standard_{};  // the system's message font at the current DPI
  // Labels that had to step their font down to fit have one of their own.
  std::array<HFONT, Steuerelemente.size()> eigeneSchrift_{};
  int dpi_ = 96;
  bool schleifeLäuft_ = false;
  // While Ganz lets the edit act and mends after it, the field's change events wait, so
  // that Form1 hears of the whole edit once.
  struct Aufschub {
    std::size_t zeile;
    bool geändert;
  };
  std::optional<Aufschub> aufschub_;
  Meldungsfenster meldungsfenster_;
  Änderungsbeobachter beobachter_;
  enum class Zugang { Ungefragt, Eingerichtet, Beendet } zugangStand_ = Zugang::Ungefragt;
  bool comBereit_ = false;
  IAccPropServices* zugang_ = nullptr;
  std::array<bool, Steuerelemente.size()> antwortetSelbst_{};
  Form1 form_;
};

}  // namespace pz::win32
