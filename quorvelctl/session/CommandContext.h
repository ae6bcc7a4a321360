// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every command works with: its command line, the console, and the component.
#include "device/IDPMDevice.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/cli/CommandLine.h"
#include "quorvelctl/cli/Console.h"
#include "quorvelctl/session/ControlSession.h"

class CCommandContext {
 public:
  explicit CCommandContext(const CommandLine& line)
      : m_line(line), m_console((line.given & kOptJson) != 0), m_session((line.given & kOptDryRun) != 0) {}
  CCommandContext(const CCommandContext&) = delete;
  CCommandContext& operator=(const CCommandContext&) = delete;

  const CommandLine& Line() const { return m_line; }
  const CConsole& Console() const { return m_console; }
  CControlSession& Session() { return m_session; }

  // The recorder -d names (the first when none is named); a failure is reported and *exit set.
  bool SelectedDevice(ComPtr<IDPMDevice>* device, ExitCode* exit);

 private:
  const CommandLine& m_line;
  CConsole m_console;
  CControlSession m_session;
};
