#pragma once

#include <windows.h>

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

// Fixed single frame: no sizing border and no maximize button.
inline constexpr DWORD Fensterstil = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD FensterstilErweitert = 0;

// The DPI of the monitor the window is on, or the system's.
int DpiVon(HWND fenster);

}  // namespace pz::win32
