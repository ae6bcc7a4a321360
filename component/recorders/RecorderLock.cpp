// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/RecorderLock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "component/recorders/FileAccess.h"
#include "device/DpmResults.h"

namespace {

// flock has no timeout: a holder is asked again after a short, growing nap.
constexpr std::chrono::microseconds kFirstNap{50};
constexpr std::chrono::microseconds kLongestNap{5000};

}  // namespace

HRESULT RecorderLock::Open(const std::string& folder) {
  Release();
  const std::string path = folder + "/.lock";
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0666);
  if (fd < 0) return ResultFromErrno(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return dpmCtrlInvalidFile;
  }
  m_fd = fd;
  return S_OK;
}

HRESULT RecorderLock::Take(const std::string& folder, std::chrono::milliseconds patience) {
  if (HRESULT hr = Open(folder); FAILED(hr)) return hr;
  const auto giveUp = std::chrono::steady_clock::now() + patience;
  std::chrono::microseconds nap = kFirstNap;
  for (;;) {
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) return S_OK;
    if (errno != EWOULDBLOCK && errno != EINTR) break;
    if (std::chrono::steady_clock::now() >= giveUp) {
      Release();
      return dpmCtrlDeviceNotReady;
    }
    std::this_thread::sleep_for(nap);
    nap = std::min(nap * 2, kLongestNap);
  }
  const HRESULT failure = ResultFromErrno(errno);
  Release();
  return failure;
}

HRESULT RecorderLock::TryTake(const std::string& folder) {
  if (HRESULT hr = Open(folder); FAILED(hr)) return hr;
  if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) return S_OK;
  const HRESULT result = errno == EWOULDBLOCK ? S_FALSE : ResultFromErrno(errno);
  Release();
  return result;
}

void RecorderLock::Release() {
  if (m_fd >= 0) ::close(m_fd);  // closing the only descriptor ends the lock
  m_fd = -1;
}
