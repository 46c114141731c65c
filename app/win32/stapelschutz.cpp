// GCC's stack protector (cmake/Haertung.cmake) takes its guard value from libssp, which
// draws it with CryptGenRandom: that loads Windows' cryptographic provider at every start,
// which cost the start 45 ms and 1.3 MiB under Wine. The program draws the value as MSVC's
// /GS draws its own, from the clocks, the process and thread ids and the addresses ASLR
// chose; and a smashed stack ends it as /GS does, at once, with STATUS_STACK_BUFFER_OVERRUN.
// Defining both here keeps libssp out of the program.
#include <windows.h>

#include <cstdint>

#if defined(__MINGW32__) && (defined(__SSP__) || defined(__SSP_STRONG__) || defined(__SSP_ALL__))

extern "C" {
// The value until the first constructor runs; no checked function has been entered yet.
std::uintptr_t __stack_chk_guard = 0x2B992DDFA232;

[[noreturn]] void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), 0xC0000409);  // STATUS_STACK_BUFFER_OVERRUN
  __builtin_unreachable();
}
}

namespace {
// The first constructor: the C runtime's start-up, which calls it, is not checked; and it
// is not checked itself, since it changes the value that a check would compare against.
__attribute__((constructor(101), no_stack_protector)) void WächterWählen() {
  FILETIME zeit{};
  GetSystemTimeAsFileTime(&zeit);
  LARGE_INTEGER zähler{};
  QueryPerformanceCounter(&zähler);
  const auto takte = static_cast<std::uint64_t>(zähler.QuadPart);
  std::uint64_t wert = static_cast<std::uint64_t>(zeit.dwHighDateTime) << 32 | zeit.dwLowDateTime;
  wert ^= takte << 32 ^ takte;
  wert ^= static_cast<std::uint64_t>(GetCurrentProcessId()) << 32 ^ GetCurrentThreadId();
  wert ^= GetTickCount64();
  wert ^= reinterpret_cast<std::uintptr_t>(&zeit) ^ reinterpret_cast<std::uintptr_t>(&wert);
  __stack_chk_guard = wert ^ reinterpret_cast<std::uintptr_t>(&__stack_chk_guard);
}
}  // namespace

#endif
