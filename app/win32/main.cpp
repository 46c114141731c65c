#include <windows.h>

#include <cstdlib>
#include <exception>

#include "fenster.hpp"

#if defined(__GLIBCXX__)
// A window program has no console on which libstdc++'s own handler could name an exception
// that nothing caught; it ends the program as that handler does, without the attempt. Defined
// here, it keeps that handler out of the program, and with it the demangler and the printf
// behind it: 70 KB of the 260 the program would weigh.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
#endif

int WINAPI wWinMain(HINSTANCE instanz, HINSTANCE, PWSTR, int anzeige) {
  try {
    pz::win32::Fenster fenster(instanz);
    fenster.Zeigen(anzeige);
    return fenster.Nachrichtenschleife();
  } catch (const std::exception&) {
    return 1;  // the window could not be created; there is nothing to show
  }
}
