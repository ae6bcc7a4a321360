// SPDX-License-Identifier: GPL-3.0-or-later
// include_rules <source root>: lists every forbidden include as file:line and fails when there is one.
#include <filesystem>
#include <iostream>

#include "tests/layers/IncludeRules.h"

int main(int argc, char** argv) {
  if (argc != 2 || !std::filesystem::is_directory(argv[1])) {
    std::cerr << "usage: include_rules <source root>\n";
    return 2;
  }
  const auto violations = layers::ScanTree(argv[1]);
  for (const layers::Violation& v : violations)
    std::cout << v.file << ':' << v.line << ": includes " << v.target << ": " << v.reason << '\n';
  if (violations.empty()) return 0;
  std::cout << violations.size() << " forbidden include(s)\n";
  return 1;
}
