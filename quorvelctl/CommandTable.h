// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands: their names, what they take, their help, and what runs them.
#include <span>
#include <string_view>

#include "quorvelctl/session/CommandContext.h"

struct CommandEntry {
  std::string_view name;
  std::string_view synopsis;  // "show [FILE] [-d N] [--json]"
  std::string_view help;      // what it does, its arguments and its exit codes
  unsigned options;           // the CommandOption bits it takes (--json included where it prints)
  size_t minArguments;
  size_t maxArguments;
  ExitCode (*run)(CCommandContext& context);
};

class CCommandTable {
 public:
  static std::span<const CommandEntry> All();
  static const CommandEntry* Find(std::string_view name);
  // The program's own help: the commands, the exit codes, the names of settings.
  static std::string_view ProgramHelp();
};
