# AddressSanitizer and UndefinedBehaviorSanitizer for the native debug build.
# UB is made fatal so that a test run cannot pass over it.
add_library(pz_sanitizers INTERFACE)
if(PZ_SANITIZE AND NOT MSVC)
  set(_pz_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(pz_sanitizers INTERFACE ${_pz_san})
  target_link_options(pz_sanitizers INTERFACE ${_pz_san})
endif()
