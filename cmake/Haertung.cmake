# The protections that compiler and linker build into every program of the project.
#
# On Linux, those Debian gives its own packages: the flags of dpkg-buildflags with
# DEB_BUILD_MAINT_OPTIONS=hardening=+all. Debian 12's dpkg (1.21) leaves out stack-clash
# and control-flow protection, which later ones add; they are named here all the same.
# dpkg-buildflags' -ffile-prefix-map and -g are not taken: the flags here name no folder,
# so the package stays the same bytes whatever folder it is built in.
#   -fstack-protector-strong  a guard value before the return address of each function
#                             that keeps an array or hands out the address of a local
#   -D_FORTIFY_SOURCE=2       glibc's checking memcpy, snprintf, ... where the compiler
#                             knows the size; it needs optimisation, and AddressSanitizer
#                             checks more than it does
#   -fstack-clash-protection  touches each page of a large stack frame, so that the stack
#                             cannot grow past its guard page into another mapping
#   -fcf-protection           Intel CET: an indirect jump or return lands only where meant
#   PIE, -z relro, -z now     the program at a random address; its relocations bound at
#                             start-up and then made read-only
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
  add_compile_options(-fstack-protector-strong -fstack-clash-protection)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
    # The linker marks a program as built for CET only when every object in it is. Debian
    # 12's C start-up files (crt1.o, crti.o) carry no mark, so no program built on it is
    # marked, Debian's own neither; the program's own code is ready for the day they are.
    # Forcing the mark would claim it for _init too, which has no landing pad.
    add_compile_options(-fcf-protection)
  endif()
  if(NOT PZ_SANITIZE)
    # -U first: some distributions' compilers define it already, at another level.
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

# On Windows the linker sets what the loader checks (ASLR with high entropy, no code in data;
# a test holds them). GCC's stack protector costs the program 2.5 KB; the program takes its
# guard value from app/win32/stapelschutz.cpp, not from libssp. MSVC's /GS is on by default.
if(MINGW)
  add_compile_options(-fstack-protector-strong)
  add_link_options(-fstack-protector-strong)
endif()
