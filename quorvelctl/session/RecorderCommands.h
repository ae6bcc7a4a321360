// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands about recorders themselves: list them, set a clock, format a card.
#include "quorvelctl/session/CommandContext.h"

class CRecorderCommands {
 public:
  static ExitCode List(CCommandContext& context);
  static ExitCode Time(CCommandContext& context);
  static ExitCode Format(CCommandContext& context);

 private:
  // Runs one device operation on the selected recorder and reports it as `done`.
  static ExitCode RunOnDevice(CCommandContext& context, HRESULT (IDPMDevice::*operation)(), const char* what,
                              const char* done);
};
