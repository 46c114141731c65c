// The window's controls from the table: creating them, their fonts, tool tips, and
// their places and sizes at the current DPI.
#include "fenster.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "werkzeug.hpp"

namespace pz::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

HFONT SchriftErstellen(const SchriftDef& def, int dpi) {
  const std::wstring name = Breit(def.name);
  return CreateFontW(-MulDiv(def.hundertstelPunkt, dpi, 7200), 0, 0, 0, def.gewicht, FALSE, FALSE,
                     FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FIXED_PITCH | FF_MODERN, name.c_str());
}

// The system's message font, the one dialogs use for their text.
LOGFONTW MeldungsSchrift(int dpi) {
  static const auto systemParametersInfoForDpi =
      Nachschlagen<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
  NONCLIENTMETRICSW maße{};
  maße.cbSize = sizeof(maße);
  if (systemParametersInfoForDpi != nullptr &&
      systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(maße), &maße, 0,
                                 static_cast<UINT>(dpi))) {
    return maße.lfMessageFont;
  }
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(maße), &maße, 0)) {
    maße.lfMessageFont.lfHeight = MulDiv(maße.lfMessageFont.lfHeight, dpi, SystemDpi());
    return maße.lfMessageFont;
  }
  LOGFONTW schrift{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(schrift), &schrift);
  return schrift;
}

double PunktVon(const LOGFONTW& schrift, int dpi) {
  return std::abs(schrift.lfHeight) * 72.0 / dpi;
}

LOGFONTW InGröße(LOGFONTW schrift, double punkt, int dpi) {
  schrift.lfHeight = -std::lround(punkt * dpi / 72.0);
  return schrift;
}

SIZE Ausmaß(HDC dc, const std::wstring& text, UINT format) {
  RECT r{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | format);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

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

void Fenster::SchriftenErstellen(int dpi) {
  std::vector<HFONT> alt{feldSchrift_, knopfSchrift_, standardSchrift_};
  alt.insert(alt.end(), eigeneSchrift_.begin(), eigeneSchrift_.end());
  eigeneSchrift_.fill(nullptr);
  feldSchrift_ = SchriftErstellen(FeldSchrift, dpi);
  knopfSchrift_ = SchriftErstellen(KnopfSchrift, dpi);
  standard_ = MeldungsSchrift(dpi);
  standardSchrift_ = CreateFontIndirectW(&standard_);
  for (HFONT schrift : alt) {
    if (schrift != nullptr) {
      DeleteObject(schrift);
    }
  }
}

// Where a control stands at the current DPI, in which font, and for a label the lines it
// shows. A label that has to step its font down gets one of its own.
Fenster::Platz Fenster::PlatzVon(const Steuerelement& s, HDC dc) {
  const std::size_t zeile = Zeile(s);
  Platz platz{InPixel(s, dpi_), Breit(s.text),
              s.art == Art::Textfeld ? feldSchrift_
              : s.art == Art::Knopf  ? knopfSchrift_
                                     : standardSchrift_};
  if (s.art != Art::Beschriftung) {
    return platz;
  }
  const auto breiteVon = [&](std::u16string_view text, double punkt) {
    const LOGFONTW def = InGröße(standard_, punkt, dpi_);
    const bool eigene = def.lfHeight != standard_.lfHeight;
    const HFONT schrift = eigene ? CreateFontIndirectW(&def) : standardSchrift_;
    const HGDIOBJ vorher = SelectObject(dc, schrift);
    const LONG breite = Ausmaß(dc, Breit(text), DT_SINGLELINE).cx;
    SelectObject(dc, vorher);
    if (eigene) {
      DeleteObject(schrift);
    }
    return static_cast<int>(breite);
  };
  const BeschriftungsSatz satz = BeschriftungSetzen(s, dpi_, PunktVon(standard_, dpi_), breiteVon);
  if (const LOGFONTW def = InGröße(standard_, satz.punkt, dpi_);
      def.lfHeight != standard_.lfHeight) {
    eigeneSchrift_[zeile] = CreateFontIndirectW(&def);
    platz.schrift = eigeneSchrift_[zeile];
  }
  platz.text.clear();
  for (const std::u16string& text : satz.zeilen) {
    platz.text += (platz.text.empty() ? L"" : L"\r\n") + Breit(text);
  }
  const HGDIOBJ vorher = SelectObject(dc, platz.schrift);
  platz.rechteck.breite = satz.breite;
  platz.rechteck.höhe = Ausmaß(dc, platz.text, 0).cy;
  SelectObject(dc, vorher);
  return platz;
}

void Fenster::Einrichten(const Steuerelement& s, const Platz& platz) {
  const HWND element = elemente_[Zeile(s)];
  SendMessageW(element, WM_SETFONT, reinterpret_cast<WPARAM>(platz.schrift), FALSE);
  if (s.art == Art::Textfeld) {
    // The margins the edit derives from the font would leave a full txtBehördenKennZahl
    // no room for the caret, and it would scroll its first digit out of sight.
    const int rand = s.aktiviert ? MulDiv(1, dpi_, 96) : 0;
    SendMessageW(element, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(rand, rand));
  }
}

// Each control is created where it stands, in its font: moving 22 controls into place
// afterwards would cost a noticeable part of the start under Wine.
void Fenster::ElementeErstellen() {
  dpi_ = DpiVon(fenster_);
  SchriftenErstellen(dpi_);
  const HDC dc = GetDC(fenster_);
  for (const std::size_t zeile : Erstellreihenfolge) {
    const Steuerelement& s = Steuerelemente[zeile];
    const wchar_t* klasse = L"STATIC";
    DWORD stil = WS_CHILD | WS_VISIBLE;
    DWORD erweitert = 0;
    switch (s.art) {
      case Art::Beschriftung:
        // The lines are broken in Anordnen; the control only shows them.
        stil |= SS_NOPREFIX | SS_LEFTNOWORDWRAP;
        break;
      case Art::Knopf:
        klasse = L"BUTTON";
        // BS_NOTIFY: the window hears when a button takes the focus.
        stil |= WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;
        break;
      case Art::Textfeld:
        klasse = L"EDIT";
        if (s.aktiviert) {
          stil |= ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
          erweitert = WS_EX_CLIENTEDGE;
        } else {
          // The check digit fields are barely wider than a digit: a flat frame leaves the
          // digit room, and it stands centred. Read-only as well as disabled, so that a
          // screen reader hears text that cannot be edited.
          stil |= ES_CENTER | ES_READONLY | WS_BORDER | WS_DISABLED;
        }
        break;
    }
    const Platz platz = PlatzVon(s, dc);
    const PixelRechteck& r = platz.rechteck;
    // Each new child goes to the bottom of the z-order, so this order of creation puts
    // each label just before its field and keeps the dialog manager's Tab order the
    // table's.
    const HWND element = CreateWindowExW(
        erweitert, klasse, platz.text.c_str(), stil, r.x, r.y, r.breite, r.höhe, fenster_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ErsteSteuerelementId) +
                                static_cast<INT_PTR>(zeile)),
        instanz_, nullptr);
    if (element == nullptr) {
      ReleaseDC(fenster_, dc);
      throw std::runtime_error("CreateWindowExW");
    }
    elemente_[zeile] = element;
    Einrichten(s, platz);
    if (s.art == Art::Textfeld) {
      SendMessageW(element, EM_SETLIMITTEXT, static_cast<WPARAM>(MaxLänge(s)), 0);
      if (s.aktiviert) {
        SetWindowSubclass(element, &Fenster::Eingabeprozedur, zeile,
                          reinterpret_cast<DWORD_PTR>(this));
      } else {
        SetWindowSubclass(element, &Fenster::Anzeigeprozedur, zeile, 0);
      }
    }
    ZugangVorbereiten(zeile);
  }
  ReleaseDC(fenster_, dc);
}

// A disabled control gets no mouse input, so its tip is a tool of the window over its
// rectangle.
void Fenster::TippRechteckSetzen(const Steuerelement& s) {
  RECT r;
  GetWindowRect(elemente_[Zeile(s)], &r);
  MapWindowPoints(nullptr, fenster_, reinterpret_cast<POINT*>(&r), 2);
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = fenster_;
  info.uId = ErsteTippId + Zeile(s);
  info.rect = r;
  SendMessageW(tipps_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

// Made once the window is on the screen: a tip shows only after the pointer has rested
// half a second, and making them first would hold the window back.
LRESULT Fenster::TippsErstellen() {
  if (tipps_ != nullptr || fenster_ == nullptr) {
    return 0;
  }
  tipps_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, fenster_, nullptr, instanz_, nullptr);
  if (tipps_ == nullptr) {
    return 0;  // the window works without its tips
  }
  for (const Steuerelement& s : Steuerelemente) {
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
      info.uId = reinterpret_cast<UINT_PTR>(elemente_[Zeile(s)]);
      SendMessageW(tipps_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    } else {
      info.uFlags = TTF_SUBCLASS;
      info.uId = ErsteTippId + Zeile(s);
      SendMessageW(tipps_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
      TippRechteckSetzen(s);
    }
  }
  return 0;
}

// At a new DPI: new fonts, every control to its new place, and the tips with them.
void Fenster::Anordnen(int dpi) {
  dpi_ = dpi;
  SchriftenErstellen(dpi);
  const HDC dc = GetDC(fenster_);
  for (const Steuerelement& s : Steuerelemente) {
    const HWND element = elemente_[Zeile(s)];
    const Platz platz = PlatzVon(s, dc);
    if (s.art == Art::Beschriftung) {
      SetWindowTextW(element, platz.text.c_str());
    }
    Einrichten(s, platz);
    const PixelRechteck& r = platz.rechteck;
    SetWindowPos(element, nullptr, r.x, r.y, r.breite, r.höhe,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    if (tipps_ != nullptr && !s.aktiviert && !s.tipp.empty()) {
      TippRechteckSetzen(s);
    }
  }
  ReleaseDC(fenster_, dc);
  InvalidateRect(fenster_, nullptr, TRUE);
}

SIZE Rahmengröße(int dpi) {
  RECT r{0, 0, InPixel(FensterBreite, dpi), InPixel(FensterHöhe, dpi)};
  static const auto adjustWindowRectExForDpi =
      Nachschlagen<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjustWindowRectExForDpi != nullptr) {
    adjustWindowRectExForDpi(&r, Fensterstil, FALSE, FensterstilErweitert, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&r, Fensterstil, FALSE, FensterstilErweitert);
  }
  return {r.right - r.left, r.bottom - r.top};
}

void Fenster::GrößeSetzen(const POINT* ort) {
  const LONG breite = InPixel(FensterBreite, dpi_);
  const LONG höhe = InPixel(FensterHöhe, dpi_);
  RECT innen;
  GetClientRect(fenster_, &innen);
  if (ort == nullptr && innen.right == breite && innen.bottom == höhe) {
    return;  // created at this size
  }
  const SIZE rahmen = Rahmengröße(dpi_);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (ort == nullptr ? SWP_NOMOVE : 0U);
  const int x = ort == nullptr ? 0 : ort->x;
  const int y = ort == nullptr ? 0 : ort->y;
  SetWindowPos(fenster_, nullptr, x, y, rahmen.cx, rahmen.cy, flags);
  // The frame the system actually draws may differ from the computed one (a frame not yet
  // scaled to the new DPI, a theme); the client area is what must come out exact.
  GetClientRect(fenster_, &innen);
  if (innen.right != breite || innen.bottom != höhe) {
    SetWindowPos(fenster_, nullptr, 0, 0, rahmen.cx + breite - innen.right,
                 rahmen.cy + höhe - innen.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace pz::win32
