// The suites drive real widgets, so the application exists before any test runs.
#include <gtest/gtest.h>

#include "host/runtime.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  StartHostRuntime(argc, argv);
  return RUN_ALL_TESTS();
}
