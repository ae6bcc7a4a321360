// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's exit codes, as its help lists them.
enum ExitCode : int {
  kExitDone = 0,
  kExitDifference = 1,  // a difference, or a refusal or failure of the component
  kExitUsage = 2,
  kExitNoDevice = 3,  // no component, or no recorder
};
