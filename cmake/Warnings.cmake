# Every target of the project links pz_warnings, so the flags and their reasons
# live in one place.
add_library(pz_warnings INTERFACE)

option(PZ_WARNUNGEN_ALS_FEHLER "Treat compiler warnings as errors" OFF)

if(MSVC)
  target_compile_options(pz_warnings INTERFACE
    /W4            # the MSVC counterpart of -Wall -Wextra
    /permissive-   # standard conformance, so MSVC and GCC reject the same code
    /utf-8         # sources and identifiers (Prüfziffer, löschen) are UTF-8
    $<$<BOOL:${PZ_WARNUNGEN_ALS_FEHLER}>:/WX>
  )
else()
  target_compile_options(pz_warnings INTERFACE
    -Wall                   # the common mistakes
    -Wextra                 # unused parameters, signed/unsigned comparisons and more
    -Wpedantic              # stay within ISO C++ so MSVC builds the same sources
    -Wconversion            # lengths and key codes cross int16/size_t/int: no silent narrowing
    -Wsign-conversion       # ... nor a silent change of sign between them
    -Wshadow                # handler parameters must not hide members of Form1
    -Wold-style-cast        # every cast says which kind it is, so the dangerous ones stand out
    -Wnon-virtual-dtor      # the port and the field view are deleted through their bases
    -Woverloaded-virtual    # a front end's override must not hide another port function
    -Wsuggest-override      # every port function a front end implements says so
    -Wdouble-promotion      # font sizes are doubles; floats must not widen unnoticed
    -Wnull-dereference      # window handles and widgets are pointers that may be null
    -Wimplicit-fallthrough  # the message switches must say where they fall through
    -Wcast-align            # Win32 hands structures over as LPARAM
    -Wformat=2              # printf-style output in the benchmark
    $<$<BOOL:${PZ_WARNUNGEN_ALS_FEHLER}>:-Werror>
  )
  # GCC's own; Clang (macOS) does not know them.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(pz_warnings INTERFACE
      -Wuseless-cast        # no cast left over where the types already agree
      -Wduplicated-cond     # the tables of fields and keys invite copy-and-paste branches
      -Wduplicated-branches
      -Wlogical-op
    )
  endif()
endif()
