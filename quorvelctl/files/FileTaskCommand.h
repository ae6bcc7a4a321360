// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// copy and move: one file task of the component, followed to its end through the progress
// events (a bar on a terminal). SIGINT, SIGTERM or SIGHUP cancels it, and the component then leaves
// no target.
#include <functional>

#include "device/IDPMControl.h"
#include "quorvelctl/session/CommandContext.h"
#include "quorvelctl/session/DeviceEvents.h"
#include "quorvelctl/cli/StopSignals.h"

class CFileTaskCommand {
 public:
  static ExitCode Copy(CCommandContext& context);
  static ExitCode Move(CCommandContext& context);

 private:
  // Starts the task with the source and destination as the component takes them.
  using Start = std::function<HRESULT(IDPMControl* control, BSTR source, BSTR destination)>;

  CFileTaskCommand(CCommandContext& context, const char* verb) : m_context(context), m_verb(verb) {}
  ExitCode Run(const Start& start, const char* done);
  // Pumps until the task's last progress event and gives its result, cancelling it on a stop signal.
  HRESULT Follow(CDeviceEvents& events, const CStopSignals& stop);

  CCommandContext& m_context;
  const char* m_verb;
};
