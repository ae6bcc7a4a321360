// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that read and write one recorder's settings: show, export, import, diff and set.
#include "quorvelctl/session/CommandContext.h"

class CSettingsCommands {
 public:
  static ExitCode Show(CCommandContext& context);
  static ExitCode Export(CCommandContext& context);
  static ExitCode Import(CCommandContext& context);
  static ExitCode Diff(CCommandContext& context);
  static ExitCode Set(CCommandContext& context);
};
