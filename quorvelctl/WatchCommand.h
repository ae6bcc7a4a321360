#pragma once
// watch --apply FILE: applies the file to every recorder connected now and to each one that connects
// later, one log line each, until SIGINT or SIGTERM.
#include <set>
#include <string>

#include "quorvelctl/CommandContext.h"
#include "quorvelctl/SettingsApplier.h"

class CWatchCommand {
 public:
  explicit CWatchCommand(CCommandContext& context) : m_context(context) {}
  ExitCode Run();

 private:
  void ApplyToAllConnected();
  // Once per connection: a recorder already served is left alone until it disconnects.
  void ApplyIfNew(LONG index);
  // Forgets the recorders no longer connected, so they are served again when they come back.
  void ForgetDisconnected();
  void Log(const ApplyReport& report) const;

  CCommandContext& m_context;
  CSettingsApplier m_applier;
  std::set<std::string> m_served;  // MAC addresses
};
