// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/RecordersRoot.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "component/recorders/RecorderFolder.h"

namespace fs = std::filesystem;

std::string RecordersRoot() {
  if (const char* own = std::getenv("QUORVEL_RECORDERS"); own && *own) return own;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return std::string(data) + "/quorvel/recorders";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.local/share/quorvel/recorders";
}

std::vector<std::string> AllRecorderFolders(const std::string& root) {
  std::vector<std::string> folders;
  std::error_code error;
  for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code kind;
    if (name.empty() || name[0] == '.' || it->symlink_status(kind).type() != fs::file_type::directory) continue;
    folders.push_back(it->path().string());
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

std::vector<std::string> PresentRecorderFolders(const std::string& root) {
  std::vector<std::string> folders;
  for (std::string& path : AllRecorderFolders(root)) {
    RecorderIdentity identity;
    if (SUCCEEDED(RecorderFolder(path).LoadIdentity(&identity))) folders.push_back(std::move(path));
  }
  return folders;
}

namespace {

bool Within(const fs::path& path, const fs::path& folder) {
  const auto [left, right] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
  return left == folder.end() || (std::next(left) == folder.end() && left->empty());
}

}  // namespace

bool IsInsideRecorders(const std::string& path) {
  std::error_code error;
  const fs::path root = fs::absolute(RecordersRoot(), error).lexically_normal();
  const fs::path named = fs::absolute(path, error).lexically_normal();
  if (error) return false;
  if (Within(named, root)) return true;
  const fs::path realRoot = fs::weakly_canonical(root, error);
  const fs::path realFolder = error ? fs::path() : fs::weakly_canonical(named.parent_path(), error);
  return !error && Within(realFolder, realRoot);
}

FileLinks LinksAt(const std::string& path) { return IsInsideRecorders(path) ? FileLinks::Refuse : FileLinks::Follow; }
