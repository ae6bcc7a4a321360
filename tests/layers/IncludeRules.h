// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arrows between the source folders (the include table of design.md), checked over the whole tree:
// Qt only inside platform/ui; the component reaches only the device contract and the automation layer;
// quorvelctl stays off the windows, Qt and the component; program folders include downwards only.
#include <filesystem>
#include <string>
#include <vector>

namespace layers {

struct Violation {
  std::string file;    // relative to the source root
  int line = 0;
  std::string target;  // as written between the quotes or angle brackets
  std::string reason;
};

// The checked folder a root-relative path lies in ("app", "component", "platform/ui" ...); empty for
// a path outside them (tests/, bench/, the standard library ...).
std::string FolderOf(const std::string& path);

// Why the source file `from` may not include `target`; empty when it may. `target` is root-relative
// for a quoted include, as written for an angled one.
std::string ForbiddenReason(const std::string& from, const std::string& target, bool angled);

// Every forbidden include of every checked folder under `root`, in file and line order.
std::vector<Violation> ScanTree(const std::filesystem::path& root);

}  // namespace layers
