// Built with the stack protector and the guard of the Windows program
// (app/win32/stapelschutz.cpp): without an argument it prints the guard value; given one, it
// copies the argument into a buffer of 8 bytes on its stack.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

extern "C" std::uintptr_t __stack_chk_guard;

namespace {
__attribute__((noinline)) void Kopieren(const char* text, std::size_t länge) {
  char puffer[8];
  std::memcpy(puffer, text, länge);
  std::fwrite(puffer, 1, sizeof puffer, stdout);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    // Through a volatile, so that the compiler cannot see the overrun coming.
    const volatile std::size_t länge = std::strlen(argv[1]);
    Kopieren(argv[1], länge);
    return 0;
  }
  std::printf("%" PRIxPTR "\n", __stack_chk_guard);
  return 0;
}
