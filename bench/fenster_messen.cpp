// fenster_messen PROGRAM [ARG...]
//
// Starts PROGRAM and waits for the X server to map its first top-level window. Prints
// the milliseconds from the start to that moment and the program's peak resident memory
// in KiB, as "ms kib". The program is ended half a second after its window appeared, so
// the peak includes the first paint. The program's own output goes to standard error, so
// that it cannot mix with the figures.
//
// When no figure comes out, one line on standard error says why, and the exit status is 1.
//
// Watching the X server from outside measures every program the same way and needs no
// timing code in the program itself.
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using Uhr = std::chrono::steady_clock;

struct Frei {
  void operator()(void* p) const { std::free(p); }
};

enum class Ausgang { Gezeigt, Zeitüberschreitung, VerbindungVerloren, Beendet };

// Waits for a top-level window to be mapped, for the time limit, or for the program to
// end first (then *status holds its wait status).
Ausgang AufAbbildungWarten(xcb_connection_t* verbindung, pid_t kind, int millisekunden,
                           int* status) {
  const auto ende = Uhr::now() + std::chrono::milliseconds(millisekunden);
  pollfd pfd{xcb_get_file_descriptor(verbindung), POLLIN, 0};
  while (Uhr::now() < ende) {
    while (std::unique_ptr<xcb_generic_event_t, Frei> e{xcb_poll_for_event(verbindung)}) {
      if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        const auto* abb = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
        if (abb->override_redirect == 0) {
          return Ausgang::Gezeigt;
        }
      }
    }
    if (xcb_connection_has_error(verbindung) != 0) {
      return Ausgang::VerbindungVerloren;
    }
    if (waitpid(kind, status, WNOHANG) == kind) {
      return Ausgang::Beendet;
    }
    poll(&pfd, 1, 20);
  }
  return Ausgang::Zeitüberschreitung;
}

// Under load the X server can be slow to take a new client; a few tries before giving up.
xcb_connection_t* Verbinden(int* bildschirmNr) {
  xcb_connection_t* verbindung = nullptr;
  for (int versuch = 0; versuch < 20; ++versuch) {
    verbindung = xcb_connect(nullptr, bildschirmNr);
    if (xcb_connection_has_error(verbindung) == 0) {
      return verbindung;
    }
    xcb_disconnect(verbindung);
    usleep(100 * 1000);
  }
  return nullptr;
}

constexpr int Zeitgrenze = 20000;  // ms

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: fenster_messen PROGRAM [ARG...]\n");
    return 2;
  }
  int bildschirmNr = 0;
  xcb_connection_t* verbindung = Verbinden(&bildschirmNr);
  if (verbindung == nullptr) {
    const char* anzeige = std::getenv("DISPLAY");
    std::fprintf(stderr, "fenster_messen: cannot open the X display %s\n",
                 anzeige != nullptr ? anzeige : "(DISPLAY is not set)");
    return 1;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(verbindung));
  for (int i = 0; i < bildschirmNr; ++i) {
    xcb_screen_next(&it);
  }
  const std::uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(verbindung, it.data->root, XCB_CW_EVENT_MASK, &maske);
  // A round trip, so the server watches the root before the program can map anything.
  std::free(xcb_get_input_focus_reply(verbindung, xcb_get_input_focus(verbindung), nullptr));

  const auto start = Uhr::now();
  const pid_t kind = fork();
  if (kind < 0) {
    std::perror("fenster_messen: fork");
    return 1;
  }
  if (kind == 0) {
    dup2(STDERR_FILENO, STDOUT_FILENO);
    execvp(argv[1], argv + 1);
    std::fprintf(stderr, "fenster_messen: cannot start %s\n", argv[1]);
    _exit(127);
  }
  int status = 0;
  const Ausgang ausgang = AufAbbildungWarten(verbindung, kind, Zeitgrenze, &status);
  const auto gezeigtUm = Uhr::now();
  rusage verbrauch{};
  if (ausgang != Ausgang::Beendet) {
    if (ausgang == Ausgang::Gezeigt) {
      usleep(500 * 1000);
    }
    kill(kind, SIGTERM);
    wait4(kind, &status, 0, &verbrauch);
  }
  xcb_disconnect(verbindung);
  switch (ausgang) {
    case Ausgang::Gezeigt:
      break;
    case Ausgang::Zeitüberschreitung:
      std::fprintf(stderr, "fenster_messen: %s showed no window within %d s\n", argv[1],
                   Zeitgrenze / 1000);
      return 1;
    case Ausgang::VerbindungVerloren:
      std::fprintf(stderr, "fenster_messen: lost the X display while waiting for %s\n", argv[1]);
      return 1;
    case Ausgang::Beendet:
      if (WIFSIGNALED(status)) {
        std::fprintf(stderr,
                     "fenster_messen: %s was killed by signal %d before it showed a window\n",
                     argv[1], WTERMSIG(status));
      } else {
        std::fprintf(stderr, "fenster_messen: %s exited with status %d before it showed a window\n",
                     argv[1], WEXITSTATUS(status));
      }
      return 1;
  }
  const double ms = std::chrono::duration<double, std::milli>(gezeigtUm - start).count();
  std::printf("%.1f %ld\n", ms, verbrauch.ru_maxrss);
  return 0;
}
