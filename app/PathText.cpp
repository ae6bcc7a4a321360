// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PathText.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == kPathSeparator) return folder + name;
  return folder + kPathSeparator + name;
}

bool FolderOf(const std::string& path, std::string& folder) {
  const std::size_t last = path.rfind(kPathSeparator);
  if (last == std::string::npos) return false;
  folder = path.substr(0, last);
  return true;
}
