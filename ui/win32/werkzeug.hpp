#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pz::win32 {

// Win32 counts in wchar_t, which is UTF-16 on Windows as std::u16string is.
inline std::wstring Breit(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string Schmal(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

inline std::u16string TextVon(HWND fenster) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(fenster)) + 1, L'\0');
  const int länge = GetWindowTextW(fenster, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(länge > 0 ? länge : 0));
  return Schmal(text);
}

// The clipboard's text, or nothing where it holds none or cannot be opened.
std::optional<std::u16string> AblageText(HWND besitzer);

// Functions that Windows 7 lacks are looked up at run time, so the program still starts
// there, at the system DPI.
template <typename Funktion>
Funktion Nachschlagen(HMODULE modul, const char* name) {
  return modul == nullptr ? nullptr
                          : reinterpret_cast<Funktion>(
                                reinterpret_cast<void (*)()>(GetProcAddress(modul, name)));
}
template <typename Funktion>
Funktion Nachschlagen(const wchar_t* modul, const char* name) {
  return Nachschlagen<Funktion>(GetModuleHandleW(modul), name);
}

// Fixed single frame: no sizing border and no maximize button.
inline constexpr DWORD Fensterstil = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD FensterstilErweitert = 0;

// The DPI of the monitor the window is on, or the system's.
int SystemDpi();
int DpiVon(HWND fenster);

// The window's outer size for a client area of the table's size at this DPI.
SIZE Rahmengröße(int dpi);

}  // namespace pz::win32
