#pragma once
// apply FILE (-d N | --all) [--dry-run]: one settings file to one recorder or to every connected one.
#include "quorvelctl/CommandContext.h"

class CApplyCommand {
 public:
  static ExitCode Run(CCommandContext& context);
};
