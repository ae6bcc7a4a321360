// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/internal/RegistryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace {

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Like create_directories, but a group-writable umask must not make the registry untrusted.
bool MakeFolders(const std::filesystem::path& folder) {
  if (folder.empty()) return true;
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  if (!MakeFolders(folder.parent_path())) return false;
  return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

bool WriteRegistryFile(const std::string& path, std::string_view content) {
  if (!MakeFolders(std::filesystem::path(path).parent_path())) return false;
  std::string temp = path + ".XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, content) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = ::rename(name.data(), path.c_str()) == 0;
  if (!ok) ::unlink(name.data());
  return ok;
}

std::optional<std::string> ReadRegistryFile(const std::string& path, std::size_t limit, struct stat* info) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat seen {};
  if (::fstat(fd, &seen) != 0 || !S_ISREG(seen.st_mode) || static_cast<std::size_t>(seen.st_size) > limit) {
    ::close(fd);
    return std::nullopt;
  }
  if (info) *info = seen;
  std::string content;
  char buffer[4096];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 || content.size() + static_cast<std::size_t>(got) > limit) {
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return content;
}

int RemoveRegistryFile(const std::string& path) {
  if (::unlink(path.c_str()) == 0) return 0;
  return errno == ENOENT ? 1 : -1;
}
