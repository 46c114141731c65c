#include <windows.h>

#include <cwchar>

// The Win32 yardstick: a plain window of the program's size and frame, with nothing in
// it, under the same Wine prefix and server as the program. It uses no manifest, no
// common controls, no COM and no font of its own: what is left is what Wine and the
// window system cost any program.
// With "--beschriftung" it shows one static label as well, in the dialog font and sized to
// its caption before the window is shown, as the program sizes its labels: the first text
// measured is what starts the font system.

namespace {

LRESULT CALLBACK Fensterprozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
  if (nachricht == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(fenster, nachricht, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instanz, HINSTANCE, PWSTR befehlszeile, int anzeige) {
  WNDCLASSEXW klasse{};
  klasse.cbSize = sizeof(klasse);
  klasse.lpfnWndProc = &Fensterprozedur;
  klasse.hInstance = instanz;
  klasse.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  klasse.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  klasse.lpszClassName = L"Leer";
  RegisterClassExW(&klasse);

  // The program's frame and its 428 x 113 client area at 96 dpi.
  constexpr DWORD stil = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT r{0, 0, 428, 113};
  AdjustWindowRectEx(&r, stil, FALSE, 0);
  const HWND fenster =
      CreateWindowExW(0, L"Leer", L"Leer", stil, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                      r.bottom - r.top, nullptr, nullptr, instanz, nullptr);
  if (fenster == nullptr) {
    return 1;
  }
  if (std::wcsstr(befehlszeile, L"--beschriftung") != nullptr) {
    const HGDIOBJ schrift = GetStockObject(DEFAULT_GUI_FONT);
    const HDC dc = GetDC(fenster);
    const HGDIOBJ vorher = SelectObject(dc, schrift);
    RECT größe{};
    DrawTextW(dc, L"Seriennr.", -1, &größe, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, vorher);
    ReleaseDC(fenster, dc);
    const HWND beschriftung =
        CreateWindowExW(0, L"STATIC", L"Seriennr.", WS_CHILD | WS_VISIBLE, 64, 8, größe.right,
                        größe.bottom, fenster, nullptr, instanz, nullptr);
    SendMessageW(beschriftung, WM_SETFONT, reinterpret_cast<WPARAM>(schrift), FALSE);
  }
  ShowWindow(fenster, anzeige);
  UpdateWindow(fenster);

  MSG nachricht{};
  while (GetMessageW(&nachricht, nullptr, 0, 0) > 0) {
    TranslateMessage(&nachricht);
    DispatchMessageW(&nachricht);
  }
  return static_cast<int>(nachricht.wParam);
}
