// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock of one recorder, shared by every process that changes the recorder's files (the component
// in any program, the recorder tool): an advisory lock (flock) on the recorder's .lock file, held from
// reading a file to writing it back, so no change is lost between two writers. Whoever writes a
// temporary file into the recorder folder holds it until the file is renamed into place or removed,
// so a temporary file found while holding the lock was left by a writer that died.
//
// The lock belongs to an open file: two RecorderLock objects exclude each other even in one thread,
// so a holder never takes it a second time.
#include <chrono>
#include <string>

#include "platform/automation/Types.h"

class RecorderLock {
 public:
  // Others hold the lock for a few file operations and a hash; five seconds means it is stuck.
  static constexpr std::chrono::milliseconds kPatience{5000};

  RecorderLock() = default;
  RecorderLock(const RecorderLock&) = delete;
  RecorderLock& operator=(const RecorderLock&) = delete;
  ~RecorderLock() { Release(); }

  // Waits for the lock of the recorder in `folder`: S_OK, dpmCtrlDeviceNotReady when another holder
  // kept it longer than `patience`, or the file code why the lock file cannot be had (FileAccess.h).
  HRESULT Take(const std::string& folder, std::chrono::milliseconds patience = kPatience);
  // Takes the lock only if it is free at once: S_OK, or S_FALSE when someone holds it.
  HRESULT TryTake(const std::string& folder);
  void Release();
  bool Held() const { return m_fd >= 0; }

 private:
  HRESULT Open(const std::string& folder);

  int m_fd = -1;
};
