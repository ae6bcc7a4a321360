// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/layers/IncludeRules.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <regex>
#include <set>

namespace layers {
namespace {

namespace fs = std::filesystem;

constexpr std::array kCheckedFolders = {"app",       "device",       "settings",   "keywords",   "smartbuttons",
                                        "maintenance", "fileinfo",   "quorvelctl", "component",  "platform/ui",
                                        "platform/automation"};

// Each program folder and the program folders below it, which it may include.
const std::map<std::string, std::set<std::string>>& ProgramFolders() {
  static const std::map<std::string, std::set<std::string>> below = {
      {"app", {"maintenance", "fileinfo", "settings", "keywords", "smartbuttons", "device"}},
      {"maintenance", {"settings", "keywords", "smartbuttons", "device"}},
      {"settings", {"keywords", "smartbuttons", "device"}},
      {"keywords", {"device"}},
      {"smartbuttons", {"device"}},
      {"fileinfo", {"device"}},
      {"device", {}},
  };
  return below;
}

bool IsProgramFolder(const std::string& folder) { return ProgramFolders().count(folder) != 0; }

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool IsQtHeader(const std::string& target) {
  // <QWidget>, <QtWidgets/QWidget>, <QtTest>: Qt's headers are the only ones named Q + capital.
  return target.size() >= 2 && target[0] == 'Q' && (std::isupper(static_cast<unsigned char>(target[1])) || target[1] == 't');
}

// The program's own part of device/ (event sink, result and button names): linked by the program only,
// wherever in device/ it lives.
bool IsDeviceProgramPart(const std::string& path) {
  std::string name = fs::path(path).filename().string();
  static const std::set<std::string> kProgramPart = {"EventSink.h", "ResultNames.h", "IEventLogTarget.h"};
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return kProgramPart.count(name) != 0 || lower.find("buttonname") != std::string::npos;
}

std::string ProgramFolderRule(const std::string& from, const std::string& to) {
  if (to == from || ProgramFolders().at(from).count(to)) return {};
  return IsProgramFolder(to) ? "program folder " + from + "/ includes " + to + "/, which is not below it"
                             : "program folder " + from + "/ includes " + to + "/";
}

std::string QuotedRule(const std::string& from, const std::string& path) {
  const std::string to = FolderOf(path);
  if (to.empty() || to == from) return {};
  if (StartsWith(path, "platform/ui/internal/")) return "platform/ui's private headers are for platform/ui only";
  if (from == "platform/automation") return "platform/automation includes nothing but itself";
  if (from == "platform/ui") {
    return to == "platform/automation" ? std::string() : "platform/ui includes " + to + "/";
  }
  if (from == "component") {
    if (to == "platform/automation") return {};
    if (to == "device") return IsDeviceProgramPart(path) ? "the component includes the program's part of device/" : "";
    return "the component includes " + to + "/";
  }
  if (from == "quorvelctl") {
    return to == "device" || to == "platform/automation" ? std::string() : "quorvelctl includes " + to + "/";
  }
  if (to == "platform/ui" || to == "platform/automation") return {};
  return ProgramFolderRule(from, to);
}

// A quoted include names a file beside the includer, else one under the root.
std::string Resolve(const fs::path& root, const std::string& from, const std::string& target) {
  fs::path beside = (fs::path(from).parent_path() / target).lexically_normal();
  if (fs::exists(root / beside)) return beside.generic_string();
  return fs::path(target).lexically_normal().generic_string();
}

bool IsSource(const fs::path& path) {
  static const std::set<std::string> kExtensions = {".h", ".hpp", ".cpp", ".cc", ".c"};
  return kExtensions.count(path.extension().string()) != 0;
}

void ScanFile(const fs::path& root, const std::string& from, std::vector<Violation>& out) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::ifstream in(root / from);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::smatch m;
    if (!std::regex_search(line, m, kInclude)) continue;
    const bool angled = m[1] == "<";
    const std::string written = m[2];
    const std::string target = angled ? written : Resolve(root, from, written);
    std::string reason = ForbiddenReason(from, target, angled);
    if (!reason.empty()) out.push_back({from, number, written, std::move(reason)});
  }
}

}  // namespace

std::string FolderOf(const std::string& path) {
  for (const char* folder : kCheckedFolders) {
    std::string prefix = std::string(folder) + "/";
    if (StartsWith(path, prefix)) return folder;
  }
  return {};
}

std::string ForbiddenReason(const std::string& from, const std::string& target, bool angled) {
  const std::string folder = FolderOf(from);
  if (folder.empty()) return {};
  if (angled) return IsQtHeader(target) && folder != "platform/ui" ? "Qt outside platform/ui" : "";
  return QuotedRule(folder, target);
}

std::vector<Violation> ScanTree(const fs::path& root) {
  std::vector<std::string> files;
  for (const char* folder : kCheckedFolders) {
    if (!fs::is_directory(root / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder))
      if (entry.is_regular_file() && IsSource(entry.path()))
        files.push_back(fs::relative(entry.path(), root).generic_string());
  }
  std::sort(files.begin(), files.end());
  std::vector<Violation> found;
  for (const std::string& file : files) ScanFile(root, file, found);
  return found;
}

}  // namespace layers
