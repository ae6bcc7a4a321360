// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: the command, its arguments and the options, which may stand anywhere after the
// program's name ("--" ends them, for a file whose name starts with '-').
#include <optional>
#include <string>
#include <vector>

#include "platform/automation/Types.h"

enum CommandOption : unsigned {
  kOptDevice = 1u << 0,  // -d N, --device N
  kOptAll = 1u << 1,     // --all
  kOptDryRun = 1u << 2,  // --dry-run
  kOptJson = 1u << 3,    // --json
  kOptYes = 1u << 4,     // --yes
  kOptApply = 1u << 5,   // --apply FILE
  kOptFormat = 1u << 6,  // --format NAME
  kOptRecursive = 1u << 7,  // -r, --recursive
  kOptJobs = 1u << 8,       // -j N, --jobs N
};

struct CommandLine {
  std::string command;
  std::vector<std::string> arguments;
  unsigned given = 0;  // the CommandOption bits seen
  bool help = false;
  LONG device = 0;
  std::string applyFile;
  std::string format;  // as given; empty when not
  LONG jobs = 0;       // 0: one per core
};

class CCommandLine {
 public:
  // False with *error set for an unknown option or an option without its value.
  static bool Parse(const std::vector<std::string>& words, CommandLine* out, std::string* error);
  // The name of one option bit, for "--all is not an option of list".
  static const char* OptionName(CommandOption option);
};
