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

int SystemDpi() {
  const HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

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

void Fenster::ElementeErstellen() {
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
    const std::wstring text = Breit(s.text);
    // Each new child goes to the bottom of the z-order, so this order of creation puts
    // each label just before its field and keeps the dialog manager's Tab order the
    // table's.
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
      SendMessageW(element, EM_SETLIMITTEXT, static_cast<WPARAM>(MaxLänge(s)), 0);
      if (s.aktiviert) {
        SetWindowSubclass(element, &Fenster::Eingabeprozedur, zeile,
                          reinterpret_cast<DWORD_PTR>(this));
      } else {
        SetWindowSubclass(element, &Fenster::Anzeigeprozedur, zeile, 0);
      }
    }
  }
}

void Fenster::TippsErstellen() {
  tipps_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, fenster_, nullptr, instanz_, nullptr);
  if (tipps_ == nullptr) {
    return;  // the window works without its tips
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
    } else {
      info.uFlags = TTF_SUBCLASS;
      info.uId = ErsteTippId + Zeile(s);  // its rectangle follows in Anordnen
    }
    SendMessageW(tipps_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void Fenster::Anordnen(int dpi) {
  dpi_ = dpi;
  std::vector<HFONT> alt{feldSchrift_, knopfSchrift_, standardSchrift_};
  alt.insert(alt.end(), eigeneSchrift_.begin(), eigeneSchrift_.end());
  eigeneSchrift_.fill(nullptr);
  feldSchrift_ = SchriftErstellen(FeldSchrift, dpi);
  knopfSchrift_ = SchriftErstellen(KnopfSchrift, dpi);
  const LOGFONTW standard = MeldungsSchrift(dpi);
  standardSchrift_ = CreateFontIndirectW(&standard);

  const HDC dc = GetDC(fenster_);
  const HGDIOBJ vorher = SelectObject(dc, standardSchrift_);
  const auto breiteVon = [&](std::u16string_view zeile, double punkt) {
    const LOGFONTW def = InGröße(standard, punkt, dpi);
    const bool eigene = def.lfHeight != standard.lfHeight;
    const HFONT schrift = eigene ? CreateFontIndirectW(&def) : standardSchrift_;
    SelectObject(dc, schrift);
    const LONG breite = Ausmaß(dc, Breit(zeile), DT_SINGLELINE).cx;
    SelectObject(dc, standardSchrift_);
    if (eigene) {
      DeleteObject(schrift);
    }
    return static_cast<int>(breite);
  };
  for (const Steuerelement& s : Steuerelemente) {
    const std::size_t zeile = Zeile(s);
    const HWND element = elemente_[zeile];
    PixelRechteck r = InPixel(s, dpi);
    HFONT schrift = s.art == Art::Textfeld ? feldSchrift_
                    : s.art == Art::Knopf  ? knopfSchrift_
                                           : standardSchrift_;
    if (s.art == Art::Beschriftung) {
      const BeschriftungsSatz satz = BeschriftungSetzen(s, dpi, PunktVon(standard, dpi), breiteVon);
      if (const LOGFONTW def = InGröße(standard, satz.punkt, dpi);
          def.lfHeight != standard.lfHeight) {
        eigeneSchrift_[zeile] = CreateFontIndirectW(&def);
        schrift = eigeneSchrift_[zeile];
      }
      std::wstring text;
      for (const std::u16string& z : satz.zeilen) {
        text += (text.empty() ? L"" : L"\r\n") + Breit(z);
      }
      SelectObject(dc, schrift);
      r.breite = satz.breite;
      r.höhe = Ausmaß(dc, text, 0).cy;
      SelectObject(dc, standardSchrift_);
      SetWindowTextW(element, text.c_str());
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

  for (HFONT schrift : alt) {
    if (schrift != nullptr) {
      DeleteObject(schrift);
    }
  }
}

void Fenster::GrößeSetzen(const POINT* ort) {
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

}  // namespace pz::win32
