// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/TargetFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "component/files/DictationPaths.h"
#include "component/recorders/FaultInjection.h"
#include "component/recorders/FileAccess.h"
#include "device/DpmResults.h"

HRESULT RenameNoReplace(const std::string& from, const std::string& to) {
  if (FailOr("rename", 0) < 0) return ResultFromErrno(errno);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return S_OK;
  if (errno == EEXIST) return dpmCtrlFileExists;
  if (errno != EINVAL && errno != ENOSYS) return ResultFromErrno(errno);
  // A file system without the no-replace rename: a hard link fails the same way on an existing name.
  if (::link(from.c_str(), to.c_str()) != 0) return errno == EEXIST ? dpmCtrlFileExists : ResultFromErrno(errno);
  ::unlink(from.c_str());
  return S_OK;
}

HRESULT CheckWritableFolder(const std::string& folder) {
  struct stat st {};
  if (folder.empty() || ::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return dpmCtrlPathNotFound;
  return (st.st_mode & 0222) == 0 ? dpmCtrlAccessDenied : S_OK;
}

HRESULT TargetFile::Open() {
  const std::string folder = FolderOfPath(m_path);
  if (m_path.empty()) return dpmCtrlPathNotFound;
  if (HRESULT hr = CheckWritableFolder(folder); FAILED(hr)) return hr;
  if (m_existing == TargetExisting::Refuse && PathExists(m_path)) return dpmCtrlFileExists;
  const std::string prefix = "." + NameOfPath(m_path) + ".tmp-";
  // A writer of this name killed before its rename left its temporary; a live one's is locked and stays.
  RemoveAbandonedTemporaries(folder, prefix);
  m_fd = CreateUniqueFile(folder + "/" + prefix, m_mode, &m_temp);
  if (m_fd < 0) {
    m_temp.clear();
    return ResultFromErrno(errno);
  }
  return S_OK;
}

HRESULT TargetFile::Write(std::string_view bytes) { return m_fd < 0 ? E_FAIL : WriteAll(m_fd, bytes); }

long long TargetFile::Seek(long long offset, int whence) {
  return m_fd < 0 ? -1 : static_cast<long long>(::lseek(m_fd, static_cast<off_t>(offset), whence));
}

long long TargetFile::Size() const {
  struct stat st {};
  return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

HRESULT TargetFile::Commit() {
  if (m_fd < 0) return E_FAIL;
  HRESULT hr = FailOr("sync", ::fsync(m_fd)) == 0 ? S_OK : ResultFromErrno(errno);
  // Renamed while still open, so still locked: a tidy-up leaves it alone (CreateUniqueFile).
  if (SUCCEEDED(hr) && m_existing == TargetExisting::Replace)
    hr = ::rename(m_temp.c_str(), m_path.c_str()) == 0 ? S_OK : ResultFromErrno(errno);
  else if (SUCCEEDED(hr))
    hr = RenameNoReplace(m_temp, m_path);
  if (FAILED(hr)) {
    Discard();
    return hr;
  }
  ::close(m_fd);
  m_fd = -1;
  m_temp.clear();
  SyncFolder(FolderOfPath(m_path));
  return S_OK;
}

void TargetFile::Discard() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  if (!m_temp.empty()) ::unlink(m_temp.c_str());
  m_temp.clear();
}
