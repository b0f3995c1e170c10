// Runs the end-to-end tests against the launcher named on the command line.
#include <gtest/gtest.h>

#include <cstdio>

#include "LauncherHarness.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: launcher_e2e_tests <pipitlauncher.exe> <assets folder>\n");
    return 2;
  }
  pipit::wintest::setLauncherExecutable(pipit::wintest::windowsPath(argv[1]));
  pipit::wintest::setAssetsFolder(pipit::wintest::windowsPath(argv[2]));
  if (argc > 3) pipit::wintest::setRecorderExecutable(pipit::wintest::windowsPath(argv[3]));
  return RUN_ALL_TESTS();
}
