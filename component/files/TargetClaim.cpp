// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/TargetClaim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "component/files/DictationPaths.h"
#include "component/recorders/FileAccess.h"

namespace {

constexpr auto kRetry = std::chrono::milliseconds(50);

}  // namespace

TargetClaim::TargetClaim(const std::string& target)
    : m_lockPath(FolderOfPath(target) + "/." + NameOfPath(target) + ".lock") {}

TargetClaim::~TargetClaim() {
  // The name goes first: whoever waits on this lock then finds it nameless and makes a new one.
  if (m_lock.Get() >= 0) ::unlink(m_lockPath.c_str());
}

bool TargetClaim::TryLock() {
  if (::flock(m_lock.Get(), LOCK_EX | LOCK_NB) != 0) return false;
  struct stat held {}, named {};
  return ::fstat(m_lock.Get(), &held) == 0 && ::lstat(m_lockPath.c_str(), &named) == 0 &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

HRESULT TargetClaim::Take(const TaskProgress& progress) {
  for (;;) {
    m_lock = Descriptor(::open(m_lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (m_lock.Get() < 0) return ResultFromErrno(errno);
    if (TryLock()) return S_OK;
    m_lock.Close();
    if (FAILED(progress.Cancelled())) return progress.Cancelled();
    std::this_thread::sleep_for(kRetry);
  }
}
