// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/Program.h"

#include <bit>
#include <cstdio>
#include <new>

#include "quorvelctl/CommandTable.h"

namespace {

void PrintHelp(const CommandEntry& command) {
  std::printf("usage: quorvelctl %.*s\n\n%.*s\n", static_cast<int>(command.synopsis.size()), command.synopsis.data(),
              static_cast<int>(command.help.size()), command.help.data());
}

// The first option given that the command does not take; 0 when there is none.
unsigned StrayOption(const CommandEntry& command, unsigned given) {
  const unsigned stray = given & ~command.options;
  return stray ? 1u << std::countr_zero(stray) : 0;
}

}  // namespace

int CProgram::Run(const std::vector<std::string>& words) {
  CommandLine line;
  std::string error;
  const CConsole console(false);
  if (!CCommandLine::Parse(words, &line, &error)) return console.Usage(error);
  if (line.command.empty() || line.command == "help") {
    const CommandEntry* command = line.arguments.empty() ? nullptr : CCommandTable::Find(line.arguments[0]);
    if (!command && !line.arguments.empty()) return console.Usage("unknown command " + line.arguments[0]);
    if (command) {
      PrintHelp(*command);
    } else {
      std::fputs(CCommandTable::ProgramHelp().data(), line.help || !line.command.empty() ? stdout : stderr);
    }
    return line.help || !line.command.empty() ? kExitDone : kExitUsage;
  }
  const CommandEntry* command = CCommandTable::Find(line.command);
  if (!command) return console.Usage("unknown command " + line.command);
  if (line.help) {
    PrintHelp(*command);
    return kExitDone;
  }
  if (const unsigned stray = StrayOption(*command, line.given)) {
    return console.Usage(std::string(CCommandLine::OptionName(static_cast<CommandOption>(stray))) +
                         " is not an option of " + line.command);
  }
  if (line.arguments.size() < command->minArguments || line.arguments.size() > command->maxArguments) {
    return console.Usage("usage: quorvelctl " + std::string(command->synopsis));
  }
  CCommandContext context(line);
  if (HRESULT hr = context.Session().Create(); FAILED(hr)) {
    context.Console().Failure("creating the device-control component", hr);
    return kExitNoDevice;
  }
  try {
    return command->run(context);
  } catch (const std::bad_alloc&) {
    context.Console().Error("out of memory");
    return kExitDifference;
  }
}
