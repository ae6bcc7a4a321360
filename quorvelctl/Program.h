// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// quorvelctl's entry: the command line to the command that runs, help and usage errors included.
#include <string>
#include <vector>

class CProgram {
 public:
  // The words after the program's name; the exit code.
  static int Run(const std::vector<std::string>& words);
};
