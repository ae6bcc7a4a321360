// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that read dictations: the list on a recorder's card, and one file's properties.
#include "quorvelctl/session/CommandContext.h"

class CFileCommands {
 public:
  static ExitCode Files(CCommandContext& context);
  static ExitCode Info(CCommandContext& context);

  // "1:02:03.500" for a length in milliseconds.
  static std::string LengthText(LONG milliseconds);
};
