# Every target of the project links pz_warnings, so the flags and their reasons
# live in one place.
add_library(pz_warnings INTERFACE)

if(MSVC)
  target_compile_options(pz_warnings INTERFACE
    /W4            # the MSVC counterpart of -Wall -Wextra
    /permissive-   # standard conformance, so MSVC and GCC reject the same code
    /utf-8         # sources and identifiers (Prüfziffer, löschen) are UTF-8
  )
else()
  target_compile_options(pz_warnings INTERFACE
    -Wall          # the common mistakes
    -Wextra        # unused parameters, signed/unsigned comparisons and more
    -Wpedantic     # stay within ISO C++ so MSVC builds the same sources
    -Wconversion   # field lengths and key codes cross int16/size_t/int: no silent narrowing
    -Wshadow       # handler parameters must not hide members of Form1
  )
endif()
