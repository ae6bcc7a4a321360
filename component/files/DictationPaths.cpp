// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DictationPaths.h"

#include <sys/stat.h>

#include "component/models/TextRules.h"

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  for (size_t i = 0; i < suffix.size(); ++i) {
    char c = text[text.size() - suffix.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

}  // namespace

std::string PathFromText(std::u16string_view text) {
  std::string path = Utf8FromUtf16(text);
  for (char& c : path)
    if (c == '\\') c = '/';
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool IsDictationFileName(std::string_view name) {
  if (name.size() <= 4 || name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos)
    return false;
  return EndsWithNoCase(name, ".dss") || EndsWithNoCase(name, ".ds2");
}

std::string FolderOfPath(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOfPath(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StemOf(std::string_view name) {
  const size_t dot = name.find_last_of('.');
  return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

std::string TargetPath(const std::string& destination, const std::string& name) {
  if (!IsFolder(destination)) return destination;
  return destination == "/" ? "/" + name : destination + "/" + name;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PathExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}
