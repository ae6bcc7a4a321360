// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/FolderHandle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "component/recorders/FileAccess.h"
#include "device/DpmResults.h"

namespace {

constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// O_NOFOLLOW on a link gives ELOOP, or ENOTDIR together with O_DIRECTORY.
HRESULT OpenFailure(int dirFd, const char* name) {
  const int error = errno;
  struct stat st {};
  if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) return dpmCtrlInvalidFile;
  return ResultFromErrno(error);
}

}  // namespace

FolderHandle::~FolderHandle() {
  if (m_fd >= 0) ::close(m_fd);
}

HRESULT FolderHandle::Adopt(int fd) {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = fd;
  return S_OK;
}

HRESULT FolderHandle::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), kFlags);
  return fd < 0 ? OpenFailure(AT_FDCWD, path.c_str()) : Adopt(fd);
}

HRESULT FolderHandle::OpenChild(const FolderHandle& parent, const std::string& name) {
  if (parent.m_fd < 0 || name.empty() || name.find('/') != std::string::npos) return E_INVALIDARG;
  const int fd = ::openat(parent.m_fd, name.c_str(), kFlags);
  return fd < 0 ? OpenFailure(parent.m_fd, name.c_str()) : Adopt(fd);
}

std::string FolderHandle::Path() const { return m_fd < 0 ? std::string() : "/proc/self/fd/" + std::to_string(m_fd); }
