#include "ui/win32/hauptfenster.hpp"

#include <commctrl.h>
// The accessibility GUIDs are defined here rather than taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace pz::win32 {

namespace {

constexpr wchar_t Fensterklasse[] = L"MORVA.Voveduzaz";

// Fixed single frame: no sizing border and no maximize button.
constexpr DWORD Fensterstil = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD FensterstilErweitert = 0;

// Older SDKs lack the message; the value is fixed since Windows 8.1.
constexpr UINT NachrichtDpiGeändert = 0x02E0;

std::wstring Breit(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::u16string Schmal(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

// Functions that Windows 7 lacks are looked up at run time, so the program still starts
// there, at the system DPI.
template <typename Funktion>
Funktion Nachschlagen(const wchar_t* modul, const char* name) {
  const HMODULE h = GetModuleHandleW(modul);
  if (h == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<Funktion>(reinterpret_cast<void (*)()>(GetProcAddress(h, name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

int SystemDpi() {
  const HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

int DpiVon(HWND fenster) {
  static const auto getDpiForWindow =
      Nachschlagen<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow != nullptr) {
    if (const UINT dpi = getDpiForWindow(fenster); dpi != 0) {
      return static_cast<int>(dpi);
    }
  }
  return SystemDpi();
}

HFONT SchriftErstellen(const SchriftDef& def, int dpi) {
  const std::wstring name = Breit(def.name);
  return CreateFontW(-MulDiv(def.hundertstelPunkt, dpi, 7200), 0, 0, 0, def.gewicht, FALSE, FALSE,
                     FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FIXED_PITCH | FF_MODERN, name.c_str());
}

// The system's message font, the one dialogs use for their text.
HFONT MeldungsSchrift(int dpi) {
  static const auto systemParametersInfoForDpi =
      Nachschlagen<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
  NONCLIENTMETRICSW maße{};
  maße.cbSize = sizeof(maße);
  if (systemParametersInfoForDpi != nullptr &&
      systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(maße), &maße, 0,
                                 static_cast<UINT>(dpi))) {
    return CreateFontIndirectW(&maße.lfMessageFont);
  }
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(maße), &maße, 0)) {
    maße.lfMessageFont.lfHeight = MulDiv(maße.lfMessageFont.lfHeight, dpi, SystemDpi());
    return CreateFontIndirectW(&maße.lfMessageFont);
  }
  LOGFONTW schrift{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(schrift), &schrift);
  return CreateFontIndirectW(&schrift);
}

int Breite(HDC dc, const std::wstring& zeile) {
  RECT r{};
  DrawTextW(dc, zeile.c_str(), static_cast<int>(zeile.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return r.right - r.left;
}

struct Beschriftung {
  std::wstring text;  // with the line breaks the label shows
  SIZE größe;
};

// A label takes the size of its caption. One that wraps keeps its design width and
// breaks at the spaces; the lines are decided here rather than by the control, because a
// word wider than the design width widens the label, and the control would then pack
// its lines against that wider width.
Beschriftung BeschriftungMessen(HDC dc, const Steuerelement& s, int dpi) {
  const std::wstring text = Breit(s.text);
  std::wstring zeilen;
  const int platz = InPixel(s, dpi).breite;
  if (!s.umbrechen) {
    zeilen = text;
  } else {
    const auto breiteVon = [dc](std::u16string_view zeile) { return Breite(dc, Breit(zeile)); };
    for (const std::u16string& zeile : Umbrechen(s.text, platz, breiteVon)) {
      zeilen += (zeilen.empty() ? L"" : L"\r\n") + Breit(zeile);
    }
  }
  RECT r{};
  DrawTextW(dc, zeilen.c_str(), static_cast<int>(zeilen.size()), &r, DT_CALCRECT | DT_NOPREFIX);
  LONG breite = r.right - r.left;
  if (s.umbrechen) {
    breite = std::max<LONG>(breite, platz);
  }
  return {zeilen, {breite, r.bottom - r.top}};
}

std::size_t ZeileVonFeld(Feld feld) {
  return static_cast<std::size_t>(&ZeileVon(feld) - Steuerelemente.data());
}

int StandardMeldungsfenster(HWND besitzer, const std::wstring& text, const std::wstring& titel,
                            UINT stil) {
  return MessageBoxW(besitzer, text.c_str(), titel.c_str(), stil);
}

}  // namespace

Hauptfenster::Hauptfenster(HINSTANCE instanz)
    : instanz_(instanz), meldungsfenster_(StandardMeldungsfenster), form_(*this) {
  INITCOMMONCONTROLSEX steuerelemente{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&steuerelemente);

  WNDCLASSEXW klasse{};
  klasse.cbSize = sizeof(klasse);
  klasse.style = CS_DBLCLKS;
  klasse.lpfnWndProc = &Hauptfenster::Fensterprozedur;
  klasse.hInstance = instanz_;
  klasse.hIcon = static_cast<HICON>(LoadImageW(instanz_, MAKEINTRESOURCEW(PZ_IDI_PROGRAMM),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_SHARED));
  klasse.hIconSm = static_cast<HICON>(LoadImageW(instanz_, MAKEINTRESOURCEW(PZ_IDI_PROGRAMM),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  klasse.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  klasse.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  klasse.lpszClassName = Fensterklasse;
  if (RegisterClassExW(&klasse) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("RegisterClassExW");
  }

  const std::wstring titel = Breit(FensterTitel);
  CreateWindowExW(FensterstilErweitert, Fensterklasse, titel.c_str(), Fensterstil, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instanz_, this);
  if (fenster_ == nullptr) {
    throw std::runtime_error("CreateWindowExW");
  }
  ElementeErstellen();
  ZugänglicheNamenSetzen();
  TippsErstellen();
  Anordnen(DpiVon(fenster_));
  GrößeSetzen(nullptr);
  form_.Form_Load();
}

Hauptfenster::~Hauptfenster() {
  if (fenster_ != nullptr) {
    DestroyWindow(fenster_);
  }
  if (zugang_ != nullptr) {
    zugang_->Release();
  }
  if (comBereit_) {
    CoUninitialize();
  }
  for (HFONT schrift : {feldSchrift_, knopfSchrift_, standardSchrift_}) {
    if (schrift != nullptr) {
      DeleteObject(schrift);
    }
  }
}

void Hauptfenster::ElementeErstellen() {
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const Steuerelement& s = Steuerelemente[zeile];
    const wchar_t* klasse = L"STATIC";
    DWORD stil = WS_CHILD | WS_VISIBLE;
    DWORD erweitert = 0;
    switch (s.art) {
      case Art::Beschriftung:
        stil |= SS_NOPREFIX | (s.umbrechen ? SS_LEFT : SS_LEFTNOWORDWRAP);
        break;
      case Art::Knopf:
        klasse = L"BUTTON";
        stil |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
      case Art::Textfeld:
        klasse = L"EDIT";
        if (s.aktiviert) {
          stil |= ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
          erweitert = WS_EX_CLIENTEDGE;
        } else {
          // The check digit fields are barely wider than a digit: a flat frame leaves the
          // digit room, and it stands centred.
          stil |= ES_CENTER | WS_BORDER | WS_DISABLED;
        }
        break;
    }
    const std::wstring text = Breit(s.text);
    // Each new child goes to the bottom of the z-order, so creating the controls in
    // tab-index order makes the dialog manager's Tab order the table's.
    const HWND element =
        CreateWindowExW(erweitert, klasse, text.c_str(), stil, 0, 0, 0, 0, fenster_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ErsteSteuerelementId) +
                                                static_cast<INT_PTR>(zeile)),
                        instanz_, nullptr);
    if (element == nullptr) {
      throw std::runtime_error("CreateWindowExW");
    }
    elemente_[zeile] = element;
    if (s.art == Art::Textfeld) {
      SendMessageW(element, EM_SETLIMITTEXT, static_cast<WPARAM>(s.maxLänge), 0);
      if (s.aktiviert) {
        SetWindowSubclass(element, &Hauptfenster::Eingabeprozedur, zeile,
                          reinterpret_cast<DWORD_PTR>(this));
      }
    }
  }
}

// A screen reader names an edit after the label before it in the z-order; here the
// z-order follows the Tab order, which puts every label first. So each field and button
// is given its name explicitly, the tool tip, which says more than the short label.
void Hauptfenster::ZugänglicheNamenSetzen() {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  comBereit_ = SUCCEEDED(com);
  if (!comBereit_ ||
      FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&zugang_)))) {
    zugang_ = nullptr;
    return;  // without the service the window works, unnamed
  }
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const std::wstring name = Breit(ZugänglicherName(Steuerelemente[zeile]));
    if (!name.empty()) {
      zugang_->SetHwndPropStr(elemente_[zeile], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_NAME, name.c_str());
    }
  }
}

// The service keeps the names until told otherwise, also for windows that are gone.
void Hauptfenster::ZugänglicheNamenLöschen() {
  if (zugang_ == nullptr) {
    return;
  }
  MSAAPROPID eigenschaft = PROPID_ACC_NAME;
  for (HWND element : elemente_) {
    if (element != nullptr) {
      zugang_->ClearHwndProps(element, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &eigenschaft,
                              1);
    }
  }
}

void Hauptfenster::TippsErstellen() {
  tipps_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, fenster_, nullptr, instanz_, nullptr);
  if (tipps_ == nullptr) {
    return;  // the window works without its tips
  }
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const Steuerelement& s = Steuerelemente[zeile];
    if (s.tipp.empty()) {
      continue;
    }
    std::wstring tipp = Breit(s.tipp);
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = fenster_;
    info.lpszText = tipp.data();  // the control keeps its own copy
    if (s.aktiviert) {
      info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      info.uId = reinterpret_cast<UINT_PTR>(elemente_[zeile]);
    } else {
      info.uFlags = TTF_SUBCLASS;
      info.uId = ErsteTippId + zeile;  // its rectangle follows in Anordnen
    }
    SendMessageW(tipps_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void Hauptfenster::Anordnen(int dpi) {
  dpi_ = dpi;
  const HFONT altFeld = feldSchrift_;
  const HFONT altKnopf = knopfSchrift_;
  const HFONT altStandard = standardSchrift_;
  feldSchrift_ = SchriftErstellen(FeldSchrift, dpi);
  knopfSchrift_ = SchriftErstellen(KnopfSchrift, dpi);
  standardSchrift_ = MeldungsSchrift(dpi);

  const HDC dc = GetDC(fenster_);
  const HGDIOBJ vorher = SelectObject(dc, standardSchrift_);
  for (std::size_t zeile = 0; zeile < Steuerelemente.size(); ++zeile) {
    const Steuerelement& s = Steuerelemente[zeile];
    const HWND element = elemente_[zeile];
    PixelRechteck r = InPixel(s, dpi);
    HFONT schrift = standardSchrift_;
    if (s.art == Art::Beschriftung) {
      const Beschriftung b = BeschriftungMessen(dc, s, dpi);
      SetWindowTextW(element, b.text.c_str());
      r.breite = b.größe.cx;
      r.höhe = b.größe.cy;
    } else {
      schrift = s.art == Art::Textfeld ? feldSchrift_ : knopfSchrift_;
    }
    SendMessageW(element, WM_SETFONT, reinterpret_cast<WPARAM>(schrift), FALSE);
    if (s.art == Art::Textfeld) {
      // The margins the edit derives from the font would leave a full txtBehördenKennZahl
      // no room for the caret, and it would scroll its first digit out of sight.
      const int rand = s.aktiviert ? MulDiv(1, dpi, 96) : 0;
      SendMessageW(element, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(rand, rand));
    }
    SetWindowPos(element, nullptr, r.x, r.y, r.breite, r.höhe,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    if (tipps_ != nullptr && !s.aktiviert && !s.tipp.empty()) {
      TTTOOLINFOW info{};
      info.cbSize = sizeof(info);
      info.hwnd = fenster_;
      info.uId = ErsteTippId + zeile;
      info.rect = {r.x, r.y, r.x + r.breite, r.y + r.höhe};
      SendMessageW(tipps_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    }
  }
  SelectObject(dc, vorher);
  ReleaseDC(fenster_, dc);
  InvalidateRect(fenster_, nullptr, TRUE);

  for (HFONT schrift : {altFeld, altKnopf, altStandard}) {
    if (schrift != nullptr) {
      DeleteObject(schrift);
    }
  }
}

void Hauptfenster::GrößeSetzen(const POINT* ort) {
  const LONG breite = InPixel(FensterBreite, dpi_);
  const LONG höhe = InPixel(FensterHöhe, dpi_);
  RECT r{0, 0, breite, höhe};
  static const auto adjustWindowRectExForDpi =
      Nachschlagen<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjustWindowRectExForDpi != nullptr) {
    adjustWindowRectExForDpi(&r, Fensterstil, FALSE, FensterstilErweitert, static_cast<UINT>(dpi_));
  } else {
    AdjustWindowRectEx(&r, Fensterstil, FALSE, FensterstilErweitert);
  }
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (ort == nullptr ? SWP_NOMOVE : 0U);
  const int x = ort == nullptr ? 0 : ort->x;
  const int y = ort == nullptr ? 0 : ort->y;
  SetWindowPos(fenster_, nullptr, x, y, r.right - r.left, r.bottom - r.top, flags);
  // The frame the system actually draws may differ from the computed one (a frame not yet
  // scaled to the new DPI, a theme); the client area is what must come out exact.
  RECT innen;
  GetClientRect(fenster_, &innen);
  if (innen.right != breite || innen.bottom != höhe) {
    SetWindowPos(fenster_, nullptr, 0, 0, r.right - r.left + breite - innen.right,
                 r.bottom - r.top + höhe - innen.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Hauptfenster::Zeigen(int anzeige) {
  ShowWindow(fenster_, anzeige);
  UpdateWindow(fenster_);
  // Without a window manager nothing may activate the window; the first showing must
  // still run Form_Activate.
  if (!schonAktiviert_ && anzeige != SW_HIDE && anzeige != SW_SHOWMINNOACTIVE &&
      anzeige != SW_SHOWNOACTIVATE && anzeige != SW_SHOWNA && anzeige != SW_MINIMIZE) {
    Aktiviert();
  }
}

int Hauptfenster::Nachrichtenschleife() {
  schleifeLäuft_ = true;
  MSG nachricht{};
  BOOL ergebnis;
  while ((ergebnis = GetMessageW(&nachricht, nullptr, 0, 0)) != 0) {
    if (ergebnis == -1) {
      schleifeLäuft_ = false;
      return 1;
    }
    Verarbeiten(nachricht);
  }
  schleifeLäuft_ = false;
  return static_cast<int>(nachricht.wParam);
}

void Hauptfenster::Verarbeiten(MSG& nachricht) {
  if (fenster_ == nullptr || !IsDialogMessageW(fenster_, &nachricht)) {
    TranslateMessage(&nachricht);
    DispatchMessageW(&nachricht);
  }
}

HWND Hauptfenster::FeldFenster(Feld feld) const {
  return elemente_[ZeileVonFeld(feld)];
}

void Hauptfenster::SetzeMeldungsfenster(Meldungsfenster meldungsfenster) {
  meldungsfenster_ = std::move(meldungsfenster);
}

std::u16string Hauptfenster::Text(Feld feld) const {
  const HWND element = FeldFenster(feld);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(element)) + 1, L'\0');
  const int länge = GetWindowTextW(element, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(länge, 0)));
  return Schmal(text);
}

void Hauptfenster::SetzeText(Feld feld, const std::u16string& text) {
  const std::wstring breit = Breit(text);
  // A single-line edit reports the new text with EN_CHANGE before SetWindowTextW
  // returns; Form1 lets the handler run once only, here too should an edit stay silent.
  SetWindowTextW(FeldFenster(feld), breit.c_str());
  form_.Change(feld);
}

void Hauptfenster::SetzeFokus(Feld feld) {
  SetFocus(FeldFenster(feld));
}

bool Hauptfenster::InZwischenablageLegen(const std::u16string& text) {
  if (!OpenClipboard(fenster_)) {
    return false;
  }
  bool gelegt = false;
  if (EmptyClipboard()) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL speicher = GlobalAlloc(GMEM_MOVEABLE, bytes); speicher != nullptr) {
      if (void* ziel = GlobalLock(speicher); ziel != nullptr) {
        const std::wstring breit = Breit(text);
        std::memcpy(ziel, breit.c_str(), bytes);
        GlobalUnlock(speicher);
        gelegt = SetClipboardData(CF_UNICODETEXT, speicher) != nullptr;
      }
      if (!gelegt) {
        GlobalFree(speicher);  // the clipboard took no ownership
      }
    }
  }
  CloseClipboard();
  return gelegt;
}

void Hauptfenster::ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                                Meldungsart art) {
  meldungsfenster_(fenster_, Breit(text), Breit(titel), static_cast<UINT>(art));
}

std::ptrdiff_t Hauptfenster::ZeileVonFenster(HWND element) const {
  const auto* gefunden = std::find(elemente_.begin(), elemente_.end(), element);
  return gefunden == elemente_.end() ? -1 : gefunden - elemente_.begin();
}

void Hauptfenster::Aktiviert() {
  if (!schonAktiviert_) {
    schonAktiviert_ = true;
    form_.Form_Activate();
    return;
  }
  // A plain window does not keep its child's focus across a deactivation the way a
  // dialog does; give it back.
  HWND ziel = letzterFokus_;
  if (ziel == nullptr || !IsWindow(ziel) || !IsChild(fenster_, ziel) || !IsWindowEnabled(ziel)) {
    ziel = FeldFenster(Feld::txtBehördenKennZahl);
  }
  SetFocus(ziel);
}

void Hauptfenster::Befehl(int id, int code) {
  if (id == IDOK) {
    // Return on a focused button presses it, as in a dialog.
    if (const auto zeile = ZeileVonFenster(GetFocus()); zeile >= 0) {
      form_.Click(Steuerelemente[static_cast<std::size_t>(zeile)]);
    }
    return;
  }
  const int zeile = id - ErsteSteuerelementId;
  if (zeile < 0 || zeile >= static_cast<int>(Steuerelemente.size())) {
    return;
  }
  const Steuerelement& s = Steuerelemente[static_cast<std::size_t>(zeile)];
  if (s.art == Art::Knopf && code == BN_CLICKED) {
    form_.Click(s);
  } else if (s.art == Art::Textfeld && s.aktiviert && code == EN_CHANGE) {
    form_.Change(s.feld);
  }
}

LRESULT CALLBACK Hauptfenster::Fensterprozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
  Hauptfenster* selbst = nullptr;
  if (nachricht == WM_NCCREATE) {
    selbst = static_cast<Hauptfenster*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    selbst->fenster_ = fenster;
    SetWindowLongPtrW(fenster, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(selbst));
  } else {
    selbst = reinterpret_cast<Hauptfenster*>(GetWindowLongPtrW(fenster, GWLP_USERDATA));
  }
  if (selbst == nullptr) {
    return DefWindowProcW(fenster, nachricht, w, l);
  }
  return selbst->Behandeln(nachricht, w, l);
}

LRESULT Hauptfenster::Behandeln(UINT nachricht, WPARAM w, LPARAM l) {
  switch (nachricht) {
    case WM_COMMAND:
      Befehl(LOWORD(w), HIWORD(w));
      return 0;

    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) {
        const HWND fokus = GetFocus();
        if (fokus != nullptr && IsChild(fenster_, fokus)) {
          letzterFokus_ = fokus;
        }
      } else if (HIWORD(w) == 0) {  // not while minimized
        Aktiviert();
      }
      return 0;

    case WM_SETFOCUS:
      // Restored from the task bar, the window itself gets the focus first.
      if (schonAktiviert_ && letzterFokus_ != nullptr && IsWindow(letzterFokus_)) {
        SetFocus(letzterFokus_);
      }
      return 0;

    case WM_LBUTTONDBLCLK:
      form_.Form_DblClick();
      return 0;

    case NachrichtDpiGeändert: {
      Anordnen(static_cast<int>(LOWORD(w)));
      const RECT* vorschlag = reinterpret_cast<const RECT*>(l);
      const POINT ort{vorschlag->left, vorschlag->top};
      GrößeSetzen(&ort);
      return 0;
    }

    case WM_DESTROY:
      ZugänglicheNamenLöschen();
      return 0;

    case WM_NCDESTROY: {
      const HWND fenster = fenster_;
      fenster_ = nullptr;
      tipps_ = nullptr;
      elemente_.fill(nullptr);
      SetWindowLongPtrW(fenster, GWLP_USERDATA, 0);
      if (schleifeLäuft_) {
        PostQuitMessage(0);
      }
      return DefWindowProcW(fenster, nachricht, w, l);
    }

    default:
      return DefWindowProcW(fenster_, nachricht, w, l);
  }
}

LRESULT CALLBACK Hauptfenster::Eingabeprozedur(HWND feld, UINT nachricht, WPARAM w, LPARAM l,
                                               UINT_PTR zeile, DWORD_PTR selbst) {
  switch (nachricht) {
    case WM_CHAR: {
      // The key filter sees every typed character before the edit does; a code set to 0
      // never reaches it.
      auto code = static_cast<std::int16_t>(static_cast<std::uint16_t>(w));
      reinterpret_cast<Hauptfenster*>(selbst)->form_.KeyPress(Steuerelemente[zeile].feld, code);
      if (code == 0) {
        return 0;
      }
      w = static_cast<WPARAM>(static_cast<std::uint16_t>(code));
      break;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(feld, &Hauptfenster::Eingabeprozedur, zeile);
      break;
    default:
      break;
  }
  return DefSubclassProc(feld, nachricht, w, l);
}

}  // namespace pz::win32
