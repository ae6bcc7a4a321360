// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>
#include <cstdio>
#include <cstring>

#include "quorvelctl/cli/Console.h"
#include "quorvelctl/Program.h"

int main(int argc, char** argv) {
  // A file-size limit would kill the program in the middle of a task, leaving its temporary file;
  // ignored, the write fails and the task cleans up and reports it.
  std::signal(SIGXFSZ, SIG_IGN);
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("quorvelctl %s\n", QUORVEL_VERSION);
    return kExitDone;
  }
  const int exit = CProgram::Run(std::vector<std::string>(argv + 1, argv + argc));
  // A script reading a listing that never reached its file must not be told all went well.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    CConsole(false).Error("the output could not be written");
    return exit == kExitDone ? kExitDifference : exit;
  }
  return exit;
}
