// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a convert batch does: each dictation named or found in a named folder, with the file it
// becomes. A folder's dictations (.dss and .ds2 files, in name order) are taken only with -r, which
// also descends into its subfolders and keeps their layout under DIR; links inside a folder are not
// followed. What cannot be planned (a folder without -r, two dictations that would become one file)
// is named with the reason, and the rest still goes ahead.
#include <string>
#include <string_view>
#include <vector>

struct BatchItem {
  std::string source;
  std::string target;
};

struct BatchRefusal {
  std::string source;
  std::string reason;
};

struct BatchPlan {
  std::vector<BatchItem> items;
  std::vector<BatchRefusal> refused;

  // `destination` is a folder (`intoFolder`), or, for one dictation, the file itself.
  static BatchPlan Make(const std::vector<std::string>& sources, const std::string& destination, bool intoFolder,
                        bool recursive, std::string_view extension);
};
