// fenster_messen PROGRAM [ARG...]
//
// Starts PROGRAM and waits for the X server to map its first top-level window. Prints
// the milliseconds from the start to that moment and the program's peak resident memory
// in KiB, as "ms kib". The program is ended half a second after its window appeared, so
// the peak includes the first paint.
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

// Waits for a top-level window to be mapped; false on timeout or a lost connection.
bool AufAbbildungWarten(xcb_connection_t* verbindung, int millisekunden) {
  const auto ende = Uhr::now() + std::chrono::milliseconds(millisekunden);
  pollfd pfd{xcb_get_file_descriptor(verbindung), POLLIN, 0};
  while (Uhr::now() < ende) {
    while (std::unique_ptr<xcb_generic_event_t, Frei> e{xcb_poll_for_event(verbindung)}) {
      if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        const auto* abb = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
        if (abb->override_redirect == 0) {
          return true;
        }
      }
    }
    if (xcb_connection_has_error(verbindung) != 0) {
      return false;
    }
    poll(&pfd, 1, 50);
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: fenster_messen PROGRAM [ARG...]\n");
    return 2;
  }
  int bildschirmNr = 0;
  xcb_connection_t* verbindung = xcb_connect(nullptr, &bildschirmNr);
  if (xcb_connection_has_error(verbindung) != 0) {
    std::fprintf(stderr, "fenster_messen: no X display\n");
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
  if (kind == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  const bool gezeigt = AufAbbildungWarten(verbindung, 20000);
  const auto gezeigtUm = Uhr::now();
  usleep(500 * 1000);
  kill(kind, SIGTERM);
  int status = 0;
  rusage verbrauch{};
  wait4(kind, &status, 0, &verbrauch);
  xcb_disconnect(verbindung);
  if (!gezeigt) {
    std::fprintf(stderr, "fenster_messen: %s showed no window\n", argv[1]);
    return 1;
  }
  const double ms = std::chrono::duration<double, std::milli>(gezeigtUm - start).count();
  std::printf("%.1f %ld\n", ms, verbrauch.ru_maxrss);
  return 0;
}
