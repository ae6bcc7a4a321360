// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// apply FILE (-d N | --all) [--dry-run]: one settings file to one recorder or to every connected one.
#include "quorvelctl/session/CommandContext.h"
#include "quorvelctl/settings/SettingsApplier.h"

class CApplyCommand {
 public:
  static ExitCode Run(CCommandContext& context);

 private:
  // The report of a recorder that went away between counting and applying.
  static ApplyReport Unreachable(LONG index, HRESULT why);
};
