// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>
#include <iostream>

#include "component/tool/RecorderTool.h"

int main(int argc, char** argv) {
  // Under a file-size limit a write fails (the card is full) instead of killing the tool mid-file.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args == std::vector<std::string>{"--version"}) {
    std::cout << "dpmrecorder " QUORVEL_VERSION "\n";
    return 0;
  }
  return RecorderTool(std::cout, std::cerr).Run(args);
}
