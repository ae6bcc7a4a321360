// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/internal/FileTrust.h"

#include <unistd.h>

#include <filesystem>

namespace {

bool OwnedByUs(const struct stat& info) { return info.st_uid == 0 || info.st_uid == ::geteuid(); }

}  // namespace

bool IsTrustedFile(const struct stat& file) { return OwnedByUs(file) && (file.st_mode & (S_IWGRP | S_IWOTH)) == 0; }

bool IsTrustedFolderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  struct stat info {};
  if (folder.empty() || ::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  return OwnedByUs(info) && ((info.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (info.st_mode & S_ISVTX) != 0);
}
