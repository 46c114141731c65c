#include <windows.h>

#include <exception>

#include "fenster.hpp"

int WINAPI wWinMain(HINSTANCE instanz, HINSTANCE, PWSTR, int anzeige) {
  try {
    pz::win32::Fenster fenster(instanz);
    fenster.Zeigen(anzeige);
    return fenster.Nachrichtenschleife();
  } catch (const std::exception&) {
    return 1;  // the window could not be created; there is nothing to show
  }
}
