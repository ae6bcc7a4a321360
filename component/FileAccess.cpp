#include "component/FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "component/FaultInjection.h"
#include "device/DpmResults.h"

namespace {

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

class Descriptor {
 public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Close(); }
  int Get() const { return m_fd; }
  int Close() {
    int result = m_fd >= 0 ? ::close(m_fd) : 0;
    m_fd = -1;
    return result;
  }

 private:
  int m_fd;
};

}  // namespace

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
    case EDQUOT: return dpmCtrlOutOfDiskSpace;
    default: return E_FAIL;
  }
}

HRESULT ReadWholeFile(const std::string& path, size_t maxBytes, std::string* content) {
  if (path.empty()) return dpmCtrlPathNotFound;
  Descriptor fd(FailOr("open", 0) < 0 ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return errno == ENOENT ? MissingResult(path) : ResultFromErrno(errno);
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return ResultFromErrno(errno);
  if (S_ISDIR(st.st_mode)) return dpmCtrlAccessDenied;
  if (S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) > maxBytes) return dpmCtrlInvalidFile;
  std::string data;
  char buffer[16384];
  for (;;) {
    ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ResultFromErrno(errno);
    }
    if (n == 0) break;
    if (data.size() + static_cast<size_t>(n) > maxBytes) return dpmCtrlInvalidFile;  // grew, or a pipe
    data.append(buffer, static_cast<size_t>(n));
  }
  *content = std::move(data);
  return S_OK;
}

HRESULT WriteFileAtomically(const std::string& path, std::string_view content) {
  if (path.empty() || path.back() == '/') return dpmCtrlPathNotFound;
  const std::string folder = FolderOf(path);
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return dpmCtrlPathNotFound;
  if ((st.st_mode & 0222) == 0) return dpmCtrlAccessDenied;  // a read-only folder, as for the file below
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return dpmCtrlAccessDenied;
    if ((st.st_mode & 0222) == 0) return dpmCtrlFileReadOnly;  // root could write it; we do not
  }

  std::string temp = path + ".tmp-XXXXXX";
  int raw = FailOr("create", 0) < 0 ? -1 : ::mkstemp(temp.data());
  if (raw < 0) return ResultFromErrno(errno);
  Descriptor fd(raw);
  auto discard = [&](HRESULT hr) {
    fd.Close();
    ::unlink(temp.c_str());
    return hr;
  };
  ::fchmod(fd.Get(), 0644);
  if (HRESULT hr = WriteAll(fd.Get(), content); FAILED(hr)) return discard(hr);
  if (FailOr("sync", ::fsync(fd.Get())) != 0) return discard(ResultFromErrno(errno));
  if (fd.Close() != 0) return discard(ResultFromErrno(errno));
  if (FailOr("rename", 0) < 0 || ::rename(temp.c_str(), path.c_str()) != 0)
    return discard(ResultFromErrno(errno));
  SyncFolder(folder);
  return S_OK;
}
