#include "fenster.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "werkzeug.hpp"

namespace pz::win32 {

namespace {

constexpr wchar_t Fensterklasse[] = L"MORVA.Voveduzaz";

// Older SDKs lack the message; the value is fixed since Windows 8.1.
constexpr UINT NachrichtDpiGeändert = 0x02E0;
constexpr UINT NachrichtTippsErstellen = WM_APP;

int StandardMeldungsfenster(HWND besitzer, const std::wstring& text, const std::wstring& titel,
                            UINT stil) {
  return MessageBoxW(besitzer, text.c_str(), titel.c_str(), stil);
}

HICON Symbol(HINSTANCE instanz, int breite, int höhe) {
  return static_cast<HICON>(
      LoadImageW(instanz, MAKEINTRESOURCEW(PZ_IDI_PROGRAMM), IMAGE_ICON, breite, höhe, LR_SHARED));
}

}  // namespace

Fenster::Fenster(HINSTANCE instanz)
    : instanz_(instanz), meldungsfenster_(StandardMeldungsfenster), form_(*this) {
  INITCOMMONCONTROLSEX steuerelemente{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&steuerelemente);

  WNDCLASSEXW klasse{};
  klasse.cbSize = sizeof(klasse);
  klasse.style = CS_DBLCLKS;
  klasse.lpfnWndProc = &Fenster::Fensterprozedur;
  klasse.hInstance = instanz_;
  klasse.hIcon = Symbol(instanz_, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  klasse.hIconSm = Symbol(instanz_, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
  klasse.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  klasse.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  klasse.lpszClassName = Fensterklasse;
  if (RegisterClassExW(&klasse) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("RegisterClassExW");
  }

  const std::wstring titel = Breit(FensterTitel);
  // At its size on a screen of the system's DPI, where it nearly always opens; on another
  // it is sized again once its controls stand.
  const SIZE größe = Rahmengröße(SystemDpi());
  CreateWindowExW(FensterstilErweitert, Fensterklasse, titel.c_str(), Fensterstil, CW_USEDEFAULT,
                  CW_USEDEFAULT, größe.cx, größe.cy, nullptr, nullptr, instanz_, this);
  if (fenster_ == nullptr) {
    throw std::runtime_error("CreateWindowExW");
  }
  ElementeErstellen();
  GrößeSetzen(nullptr);
  form_.Form_Load();
}

Fenster::~Fenster() {
  if (fenster_ != nullptr) {
    DestroyWindow(fenster_);
  }
  ZugangBeenden();
  for (HFONT schrift : {feldSchrift_, knopfSchrift_, standardSchrift_}) {
    if (schrift != nullptr) {
      DeleteObject(schrift);
    }
  }
  for (HFONT schrift : eigeneSchrift_) {
    if (schrift != nullptr) {
      DeleteObject(schrift);
    }
  }
}

void Fenster::Zeigen(int anzeige) {
  ShowWindow(fenster_, anzeige);
  UpdateWindow(fenster_);
  PostMessageW(fenster_, NachrichtTippsErstellen, 0, 0);
  // Without a window manager nothing may activate the window; showing it still counts.
  if (anzeige != SW_HIDE && anzeige != SW_SHOWMINNOACTIVE && anzeige != SW_SHOWNOACTIVATE &&
      anzeige != SW_SHOWNA && anzeige != SW_MINIMIZE) {
    form_.Aktiviert();
  }
}

int Fenster::Nachrichtenschleife() {
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

void Fenster::Verarbeiten(MSG& nachricht) {
  if (fenster_ == nullptr || !IsDialogMessageW(fenster_, &nachricht)) {
    TranslateMessage(&nachricht);
    DispatchMessageW(&nachricht);
  }
}

void Fenster::SetzeMeldungsfenster(Meldungsfenster meldungsfenster) {
  meldungsfenster_ = std::move(meldungsfenster);
}

std::u16string Fenster::Text(Feld feld) const {
  return TextVon(FeldFenster(feld));
}

// A single-line edit reports every WM_SETTEXT with EN_CHANGE before SetWindowTextW
// returns, also one that leaves the text as it was: that is the change event's one route.
void Fenster::SetzeText(Feld feld, const std::u16string& text) {
  SetWindowTextW(FeldFenster(feld), Breit(text).c_str());
}

void Fenster::SetzeFokus(const Steuerelement& element) {
  SetFocus(elemente_[Zeile(element)]);
}

bool Fenster::InZwischenablageLegen(const std::u16string& text) {
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

void Fenster::ZeigeMeldung(const std::u16string& text, const std::u16string& titel,
                           Meldungsart art) {
  const UINT symbol = art == Meldungsart::Warnung ? MB_ICONWARNING : MB_ICONINFORMATION;
  meldungsfenster_(fenster_, Breit(text), Breit(titel), MB_OK | symbol);
}

const Steuerelement* Fenster::ElementVon(HWND element) const {
  const auto* gefunden = std::find(elemente_.begin(), elemente_.end(), element);
  if (element == nullptr || gefunden == elemente_.end()) {
    return nullptr;
  }
  return &Steuerelemente[static_cast<std::size_t>(gefunden - elemente_.begin())];
}

LRESULT CALLBACK Fenster::Fensterprozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
  Fenster* selbst = nullptr;
  if (nachricht == WM_NCCREATE) {
    selbst = static_cast<Fenster*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    selbst->fenster_ = fenster;
    SetWindowLongPtrW(fenster, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(selbst));
  } else {
    selbst = reinterpret_cast<Fenster*>(GetWindowLongPtrW(fenster, GWLP_USERDATA));
  }
  if (selbst == nullptr) {
    return DefWindowProcW(fenster, nachricht, w, l);
  }
  return selbst->Behandeln(nachricht, w, l);
}

LRESULT Fenster::Behandeln(UINT nachricht, WPARAM w, LPARAM l) {
  switch (nachricht) {
    case WM_COMMAND:
      return Befehl(LOWORD(w), HIWORD(w));
    case WM_ACTIVATE:
      return Aktiviert(w);
    case WM_SETFOCUS:
      return FokusErhalten();
    case WM_LBUTTONDBLCLK:
      return Doppelklick();
    case NachrichtDpiGeändert:
      return DpiGeändert(w, l);
    case NachrichtTippsErstellen:
      return TippsErstellen();
    case WM_GETOBJECT:
      ZugangEinrichten();
      return DefWindowProcW(fenster_, nachricht, w, l);
    case WM_DESTROY:
      return Zerstört();
    case WM_NCDESTROY:
      return EndgültigZerstört(w, l);
    default:
      return DefWindowProcW(fenster_, nachricht, w, l);
  }
}

LRESULT Fenster::Befehl(int id, int code) {
  if (id == IDOK) {
    // Return on a focused button presses it, as in a dialog.
    if (const Steuerelement* s = ElementVon(GetFocus()); s != nullptr) {
      form_.Click(*s);
    }
    return 0;
  }
  const int zeile = id - ErsteSteuerelementId;
  if (zeile < 0 || zeile >= static_cast<int>(Steuerelemente.size())) {
    return 0;
  }
  const Steuerelement& s = Steuerelemente[static_cast<std::size_t>(zeile)];
  if (s.art == Art::Knopf) {
    if (code == BN_CLICKED) {
      form_.Click(s);
    } else if (code == BN_SETFOCUS) {
      form_.FokusErhalten(s);
    }
  } else if (s.art == Art::Textfeld && s.aktiviert) {
    if (code == EN_CHANGE && aufschub_ && aufschub_->zeile == static_cast<std::size_t>(zeile)) {
      aufschub_->geändert = true;
    } else if (code == EN_CHANGE) {
      Geändert(s.feld);
    } else if (code == EN_SETFOCUS) {
      form_.FokusErhalten(s);
    }
  }
  return 0;
}

void Fenster::Geändert(Feld feld) {
  if (beobachter_) {
    beobachter_(feld);
  }
  form_.Change(feld);
}

LRESULT Fenster::Aktiviert(WPARAM w) {
  if (LOWORD(w) != WA_INACTIVE && HIWORD(w) == 0) {  // not while minimized
    form_.Aktiviert();
  }
  return 0;
}

// Restored from the task bar, the window itself gets the focus; it belongs in a control.
LRESULT Fenster::FokusErhalten() {
  if (IsWindowVisible(fenster_)) {
    form_.Aktiviert();
  }
  return 0;
}

LRESULT Fenster::Doppelklick() {
  form_.Form_DblClick();
  return 0;
}

// Another program may send the message with anything in it; a DPI no screen has would
// collapse every control to nothing or blow it up past any screen.
LRESULT Fenster::DpiGeändert(WPARAM w, LPARAM l) {
  constexpr int KleinsteDpi = 48, GrößteDpi = 960;
  const int dpi = LOWORD(w);
  const RECT* vorschlag = reinterpret_cast<const RECT*>(l);
  if (dpi < KleinsteDpi || dpi > GrößteDpi || vorschlag == nullptr) {
    return 0;
  }
  Anordnen(dpi);
  const POINT ort{vorschlag->left, vorschlag->top};
  GrößeSetzen(&ort);
  return 0;
}

LRESULT Fenster::Zerstört() {
  ZugänglicheNamenLöschen();
  return 0;
}

LRESULT Fenster::EndgültigZerstört(WPARAM w, LPARAM l) {
  const HWND fenster = fenster_;
  fenster_ = nullptr;
  tipps_ = nullptr;
  elemente_.fill(nullptr);
  SetWindowLongPtrW(fenster, GWLP_USERDATA, 0);
  if (schleifeLäuft_) {
    PostQuitMessage(0);
  }
  return DefWindowProcW(fenster, WM_NCDESTROY, w, l);
}

}  // namespace pz::win32
