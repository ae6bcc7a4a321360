// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// watch --apply FILE: applies the file to every recorder connected now and to each one that connects
// later, one log line each, until SIGINT, SIGTERM or SIGHUP. When configuration management replaces
// the file, the new one goes to every connected recorder; a damaged replacement is reported and the
// old one kept.
#include <sys/stat.h>

#include <set>
#include <string>

#include "quorvelctl/session/CommandContext.h"
#include "quorvelctl/settings/SettingsApplier.h"

class CWatchCommand {
 public:
  explicit CWatchCommand(CCommandContext& context) : m_context(context) {}
  ExitCode Run();

 private:
  // Which version of the reference file is there: changes when it is rewritten or replaced.
  struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileStamp& other) const;
  };
  static FileStamp StampOf(const std::string& path);

  // Reads the reference file; false after reporting the failure.
  bool LoadReference(ExitCode* exit);
  void ReloadIfChanged();
  void ApplyToAllConnected();
  // Once per connection: a recorder already served is left alone until it disconnects.
  void ApplyIfNew(LONG index);
  // Forgets the recorders no longer connected, so they are served again when they come back.
  void ForgetDisconnected();
  void Log(const ApplyReport& report) const;

  CCommandContext& m_context;
  CSettingsApplier m_applier;
  FileStamp m_stamp;
  std::set<std::string> m_served;  // MAC addresses
};
