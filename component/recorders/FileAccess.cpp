// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include "component/recorders/Descriptor.h"
#include "component/recorders/FaultInjection.h"
#include "component/recorders/FolderHandle.h"
#include "device/DpmResults.h"

namespace {

constexpr int kTemporaryNameAttempts = 100;
constexpr size_t kSuffixLetters = 6;

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A missing file whose folder exists is FileNotFound; a missing folder is PathNotFound.
HRESULT MissingResult(const std::string& path) {
  return IsFolder(FolderOf(path)) ? dpmCtrlFileNotFound : dpmCtrlPathNotFound;
}

HRESULT OpenFailure(const std::string& path) {
  return errno == ENOENT ? MissingResult(path) : ResultFromErrno(errno);
}

// Only a regular file of bounded size is read; a folder is a refused access, as opening one to write.
HRESULT CheckReadable(const struct stat& st, size_t maxBytes) {
  if (S_ISDIR(st.st_mode)) return dpmCtrlAccessDenied;
  if (!S_ISREG(st.st_mode)) return dpmCtrlInvalidFile;
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return dpmCtrlInvalidFile;
  return S_OK;
}

// The kernel's own file systems show regular files that are not: reading one may wait (/proc/kmsg) or
// take what it reads away from others.
bool IsKernelFileSystem(const struct statfs& fs) {
  switch (fs.f_type) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC: return true;
    default: return false;
  }
}

// Where links are refused, the folder holding the file may not be one either: it is opened first, without
// following a link, and the file is named through it from then on, so a link put in the folder's place
// later is never followed. `pinned` names the same file through the open folder.
HRESULT PinFolder(const std::string& path, FolderHandle* folder, std::string* pinned) {
  if (HRESULT hr = folder->Open(FolderOf(path)); FAILED(hr)) return hr;
  const size_t slash = path.find_last_of('/');
  *pinned = folder->Path() + "/" + (slash == std::string::npos ? path : path.substr(slash + 1));
  return S_OK;
}

std::string RandomSuffix() {
  static constexpr char kLetters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::string suffix;
  for (size_t i = 0; i < kSuffixLetters; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
  return suffix;
}

}  // namespace

// Unlike mkstemp it lets the umask shape the mode, so a new file is as open as the user wants new
// files to be, and never more open than `mode`.
int CreateUniqueFile(const std::string& prefix, mode_t mode, std::string* path) {
  if (FailOr("create", 0) < 0) return -1;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    *path = prefix + RandomSuffix();
    int fd = ::open(path->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0 && errno != EEXIST) return fd;
    if (fd < 0) continue;
    // A tidy-up may have taken the file between its making and its locking: then make another.
    struct stat st {};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
    ::close(fd);
  }
  errno = EEXIST;
  return -1;
}

HRESULT WriteAll(int fd, std::string_view content) {
  size_t done = 0;
  while (done < content.size()) {
    ssize_t n = FailOr("write", 0) < 0 ? -1 : ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ResultFromErrno(errno);
    }
    done += static_cast<size_t>(n);
  }
  return S_OK;
}

void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

void RemoveAbandonedTemporary(const std::string& folder, const std::string& name) {
  const std::string path = folder + "/" + name;
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return;
  if (S_ISREG(st.st_mode)) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (fd.Get() < 0 || ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd.Get(), &opened) != 0) return;
    if (opened.st_ino != st.st_ino || opened.st_dev != st.st_dev) return;
  }
  ::unlink(path.c_str());
}

void RemoveAbandonedTemporaries(const std::string& folder, const std::string& prefix) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() == prefix.size() + kSuffixLetters && name.compare(0, prefix.size(), prefix) == 0)
      RemoveAbandonedTemporary(folder, name);
  }
}

HRESULT ResultFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG: return dpmCtrlPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR: return dpmCtrlAccessDenied;
    case EROFS: return dpmCtrlFileReadOnly;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return dpmCtrlOutOfDiskSpace;  // too large for the card's file system or the size limit
    case ELOOP:
    case ENXIO:
    case EAGAIN: return dpmCtrlInvalidFile;  // reads never wait: a file that would make them is none of ours
    default: return E_FAIL;
  }
}

std::string DescribeFileResult(HRESULT result) {
  switch (result) {
    case dpmCtrlFileNotFound: return "no such file (dpmCtrlFileNotFound)";
    case dpmCtrlPathNotFound: return "no such folder (dpmCtrlPathNotFound)";
    case dpmCtrlAccessDenied: return "access denied (dpmCtrlAccessDenied)";
    case dpmCtrlFileReadOnly: return "read-only (dpmCtrlFileReadOnly)";
    case dpmCtrlOutOfDiskSpace: return "the disk is full (dpmCtrlOutOfDiskSpace)";
    case dpmCtrlInvalidFile: return "not a valid file (dpmCtrlInvalidFile)";
    case dpmCtrlFileExists: return "the name is taken (dpmCtrlFileExists)";
    case dpmCtrlDeviceNotReady: return "busy: another program is changing it (dpmCtrlDeviceNotReady)";
    case dpmCtrlReadDeviceConfiguration: return "its files cannot be read (dpmCtrlReadDeviceConfiguration)";
    case dpmCtrlWriteDeviceConfiguration: return "its files cannot be written (dpmCtrlWriteDeviceConfiguration)";
    case E_OUTOFMEMORY: return "out of memory (E_OUTOFMEMORY)";
    default: return "a system failure (E_FAIL)";
  }
}

HRESULT OpenReadableFile(const std::string& given, size_t maxBytes, Descriptor* opened, struct stat* status,
                         FileLinks links) {
  if (given.empty()) return dpmCtrlPathNotFound;
  const bool refuseLinks = links == FileLinks::Refuse;
  FolderHandle folder;
  std::string path = given;
  if (refuseLinks) {
    if (HRESULT hr = PinFolder(given, &folder, &path); FAILED(hr)) return hr;
  }
  // Looked at before it is opened: opening a device or a pipe may block or do something.
  struct stat st {};
  const int looked = refuseLinks ? ::lstat(path.c_str(), &st) : ::stat(path.c_str(), &st);
  if (FailOr("open", looked) != 0) return OpenFailure(path);
  if (HRESULT hr = CheckReadable(st, maxBytes); FAILED(hr)) return hr;
  struct statfs fs {};
  if (::statfs(path.c_str(), &fs) == 0 && IsKernelFileSystem(fs)) return dpmCtrlInvalidFile;
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (refuseLinks ? O_NOFOLLOW : 0);
  Descriptor fd(::open(path.c_str(), flags));
  if (fd.Get() < 0) return OpenFailure(path);
  // Looked at again: the name may have been given to something else in between.
  if (::fstat(fd.Get(), &st) != 0 || ::fstatfs(fd.Get(), &fs) != 0) return ResultFromErrno(errno);
  if (HRESULT hr = CheckReadable(st, maxBytes); FAILED(hr)) return hr;
  if (IsKernelFileSystem(fs)) return dpmCtrlInvalidFile;
  if (status) *status = st;
  *opened = std::move(fd);
  return S_OK;
}

HRESULT ReadAt(int fd, std::uint64_t offset, size_t count, std::string* content) {
  std::string data(count, '\0');
  size_t got = 0;
  while (got < count) {
    const ssize_t n = ::pread(fd, data.data() + got, count - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ResultFromErrno(errno);
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  data.resize(got);
  *content = std::move(data);
  return S_OK;
}

HRESULT ReadWholeFile(const std::string& path, size_t maxBytes, std::string* content, FileLinks links) {
  Descriptor fd;
  if (HRESULT hr = OpenReadableFile(path, maxBytes, &fd, nullptr, links); FAILED(hr)) return hr;
  std::string data;
  char buffer[16384];
  for (;;) {
    ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ResultFromErrno(errno);
    }
    if (n == 0) break;
    if (data.size() + static_cast<size_t>(n) > maxBytes) return dpmCtrlInvalidFile;  // it grew
    data.append(buffer, static_cast<size_t>(n));
  }
  *content = std::move(data);
  return S_OK;
}

HRESULT WriteFileAtomically(const std::string& given, std::string_view content, FileLinks links, mode_t newMode) {
  if (given.empty() || given.back() == '/') return dpmCtrlPathNotFound;
  FolderHandle pinnedFolder;
  std::string path = given;
  if (links == FileLinks::Refuse) {
    if (HRESULT hr = PinFolder(given, &pinnedFolder, &path); FAILED(hr)) return hr;
  }
  const std::string folder = FolderOf(path);
  mode_t mode = newMode & 0777;  // for a new file, less the umask
  bool replacing = false;
  struct stat st {};
  if (links == FileLinks::Refuse && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) return dpmCtrlInvalidFile;
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return dpmCtrlPathNotFound;
  if ((st.st_mode & 0222) == 0) return dpmCtrlAccessDenied;  // a read-only folder, as for the file below
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return dpmCtrlAccessDenied;
    if ((st.st_mode & 0222) == 0) return dpmCtrlFileReadOnly;  // root could write it; we do not
    replacing = S_ISREG(st.st_mode);
    if (replacing) mode = st.st_mode & 0777;
  }

  std::string temp;
  Descriptor fd(CreateUniqueFile(path + ".tmp-", mode, &temp));
  if (fd.Get() < 0) return ResultFromErrno(errno);
  auto discard = [&](HRESULT hr) {
    fd.Close();
    ::unlink(temp.c_str());
    return hr;
  };
  // The umask narrowed the replaced file's mode at creation; the new file gets exactly the old mode.
  if (replacing && ::fchmod(fd.Get(), mode) != 0) return discard(ResultFromErrno(errno));
  if (HRESULT hr = WriteAll(fd.Get(), content); FAILED(hr)) return discard(hr);
  if (FailOr("sync", ::fsync(fd.Get())) != 0) return discard(ResultFromErrno(errno));
  // Still open, so still locked: a tidy-up leaves the file alone until it has its name.
  if (FailOr("rename", 0) < 0 || ::rename(temp.c_str(), path.c_str()) != 0)
    return discard(ResultFromErrno(errno));
  fd.Close();
  SyncFolder(folder);
  return S_OK;
}
