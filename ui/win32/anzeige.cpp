// Display fields whose check digits read against their ground, whatever grey the system
// draws a disabled edit's text in.
#include "fenster.hpp"

#include <commctrl.h>

#include <array>
#include <string>

#include "kontrast.hpp"

namespace pz::win32 {

namespace {

Farbe Von(COLORREF farbe) {
  return {GetRValue(farbe), GetGValue(farbe), GetBValue(farbe)};
}

// The edit draws a disabled field's text in the system's grey, whatever its parent says.
// Where that grey does not read on the field's ground (Wine's #A6A6A6 on #F5F5F5), the
// text is drawn again over it, at the same place in the same font, in a grey that does;
// where it reads (Windows' own), the edit's drawing stands.
void LesbarNachzeichnen(HWND feld, HDC dc) {
  const int länge = GetWindowTextLengthW(feld);
  if (länge <= 0) {
    return;
  }
  const int gespeichert = SaveDC(dc);
  // The edit takes its ground from its parent, as a read-only or disabled edit asks for it.
  const auto pinsel = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(feld), WM_CTLCOLORSTATIC,
                                                            reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(feld)));
  COLORREF grund = GetBkColor(dc);
  LOGBRUSH pinselArt{};
  if (pinsel != nullptr && GetObjectW(pinsel, sizeof(pinselArt), &pinselArt) == sizeof(pinselArt) &&
      pinselArt.lbStyle == BS_SOLID) {
    grund = pinselArt.lbColor;
  }
  const Farbe grau = Von(GetSysColor(COLOR_GRAYTEXT));
  const std::array gründe{Von(grund)};
  const Farbe lesbar = LesbaresGrau(grau, gründe, Von(GetSysColor(COLOR_WINDOWTEXT)));
  if (lesbar != grau) {
    std::wstring text(static_cast<std::size_t>(länge) + 1, L'\0');
    GetWindowTextW(feld, text.data(), länge + 1);
    RECT rahmen{};
    SendMessageW(feld, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rahmen));
    const auto ort = static_cast<DWORD>(SendMessageW(feld, EM_POSFROMCHAR, 0, 0));
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(feld, WM_GETFONT, 0, 0)));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, RGB(lesbar.rot, lesbar.grün, lesbar.blau));
    SetBkColor(dc, grund);
    ExtTextOutW(dc, static_cast<short>(LOWORD(ort)), static_cast<short>(HIWORD(ort)),
                ETO_OPAQUE | ETO_CLIPPED, &rahmen, text.c_str(), static_cast<UINT>(länge), nullptr);
  }
  RestoreDC(dc, gespeichert);
}

}  // namespace

LRESULT CALLBACK Fenster::Anzeigeprozedur(HWND feld, UINT nachricht, WPARAM w, LPARAM l,
                                          UINT_PTR id, DWORD_PTR) {
  switch (nachricht) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      const LRESULT ergebnis = DefSubclassProc(feld, nachricht, w, l);
      if (w != 0) {
        LesbarNachzeichnen(feld, reinterpret_cast<HDC>(w));
      } else {
        const HDC dc = GetDC(feld);
        LesbarNachzeichnen(feld, dc);
        ReleaseDC(feld, dc);
      }
      return ergebnis;
    }
    case WM_SETTEXT: {
      // An edit may draw a new text at once, outside WM_PAINT; the next paint covers it.
      const LRESULT ergebnis = DefSubclassProc(feld, nachricht, w, l);
      InvalidateRect(feld, nullptr, FALSE);
      return ergebnis;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(feld, &Fenster::Anzeigeprozedur, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(feld, nachricht, w, l);
}

}  // namespace pz::win32
