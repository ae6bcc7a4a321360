// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/files/BatchPlan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

bool IsDictationName(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension == ".dss" || extension == ".ds2";
}

// The dictations under `folder`, each with its folder relative to `folder` ("" at the top).
std::vector<std::pair<fs::path, fs::path>> DictationsIn(const fs::path& folder) {
  std::vector<std::pair<fs::path, fs::path>> found;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error)) {
    if (it->is_symlink(error) || !it->is_regular_file(error) || !IsDictationName(it->path())) continue;
    found.emplace_back(it->path(), it->path().parent_path().lexically_relative(folder));
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string TargetIn(const fs::path& folder, const fs::path& relative, const fs::path& source,
                     std::string_view extension) {
  fs::path target = folder / relative / source.stem();
  target += "." + std::string(extension);
  return target.lexically_normal().string();
}

}  // namespace

BatchPlan BatchPlan::Make(const std::vector<std::string>& sources, const std::string& destination, bool intoFolder,
                          bool recursive, std::string_view extension) {
  BatchPlan plan;
  std::map<std::string, std::string> sourceOf;  // target -> the dictation that becomes it
  auto add = [&](const std::string& source, std::string target) {
    auto [at, added] = sourceOf.emplace(target, source);
    if (added) plan.items.push_back({source, std::move(target)});
    else plan.refused.push_back({source, "would become " + target + " as " + at->second + " does"});
  };
  for (const std::string& source : sources) {
    std::error_code error;
    if (!fs::is_directory(source, error)) {
      add(source, intoFolder ? TargetIn(destination, "", source, extension) : destination);
    } else if (!recursive) {
      plan.refused.push_back({source, "a folder (-r converts the dictations in it)"});
    } else {
      for (const auto& [path, relative] : DictationsIn(source))
        add(path.string(), TargetIn(destination, relative, path, extension));
    }
  }
  return plan;
}
