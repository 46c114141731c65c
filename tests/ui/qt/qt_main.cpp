#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

// The tests drive real widgets, so they need a QApplication. Listing the tests, which
// CMake does to discover them, needs none and runs without a display.
int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  std::unique_ptr<QApplication> app;
  if (!GTEST_FLAG_GET(list_tests)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    app = std::make_unique<QApplication>(argc, argv);
  }
  return RUN_ALL_TESTS();
}
