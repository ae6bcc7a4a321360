// SPDX-License-Identifier: GPL-3.0-or-later
// Quorvel: configuration of DPM dictation recorders.
#include <cstdio>
#include <cstring>

#include "app/MarnCtrlApp.h"

namespace {
CMarnCtrlApp theApp;
}

int main(int argc, char** argv) {
  // Answered before the framework starts, so that it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("quorvel %s\n", QUORVEL_VERSION);
    return 0;
  }
  return theApp.WinMain(argc, argv);
}
