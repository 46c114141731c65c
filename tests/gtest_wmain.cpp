// The test programs' entry point on Windows. Their narrow arguments come in the Windows code
// page, where a test name's umlaut is no longer the UTF-8 it was compiled in, so that a filter
// naming that test, as ctest passes one, would run no test at all; the wide ones carry it whole.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
