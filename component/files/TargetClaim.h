// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One writer per target at a time, across processes: a conversion holds a lock on ".NAME.lock" beside
// its target from before it looks at the target until the target is in place, so two batches into
// one folder never write one target twice (the second finds the first's result). A lock left by a
// killed process is free again, as the system drops the dead process's locks.
#include <string>

#include "component/files/FileTask.h"
#include "component/recorders/Descriptor.h"

class TargetClaim {
 public:
  explicit TargetClaim(const std::string& target);
  TargetClaim(const TargetClaim&) = delete;
  TargetClaim& operator=(const TargetClaim&) = delete;
  ~TargetClaim();

  // Waits while another holds the target: S_OK once it is ours, the reason to stop when the task
  // is cancelled meanwhile, or FileAccess.h's code when the lock cannot be made.
  HRESULT Take(const TaskProgress& progress);

 private:
  // True when the lock is ours and still has its name (a holder removes the name as it lets go).
  bool TryLock();

  std::string m_lockPath;
  Descriptor m_lock;
};
