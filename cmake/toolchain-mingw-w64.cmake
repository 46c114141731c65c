# Cross build for 64-bit Windows with mingw-w64 (posix thread model), tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_pz_ziel x86_64-w64-mingw32)
# GoogleTest's own project enables C as well, so both compilers are named.
set(CMAKE_C_COMPILER ${_pz_ziel}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_pz_ziel}-g++-posix)
set(CMAKE_RC_COMPILER ${_pz_ziel}-windres)
set(CMAKE_OBJDUMP ${_pz_ziel}-objdump CACHE FILEPATH "objdump of the target")

set(CMAKE_FIND_ROOT_PATH /usr/${_pz_ziel})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything links statically, so neither the program nor a test hunts for
# libstdc++-6.dll or libwinpthread-1.dll at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine, in a prefix that belongs to this build directory and is
# created on first use; the wrapper sets up the environment that keeps Wine quiet and
# free of installer dialogs.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/unter-wine.sh;${CMAKE_BINARY_DIR}/wine")
