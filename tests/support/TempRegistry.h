// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh, empty registry folder for one test: QUORVEL_REGISTRY points at it while the object lives,
// then the previous setting comes back and the folder is removed.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

class TempRegistry {
 public:
  TempRegistry() {
    if (const char* previous = std::getenv(kVariable)) m_previous = previous;
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-registry-XXXXXX").string();
    if (const char* made = ::mkdtemp(pattern.data())) m_path = made;
    ::setenv(kVariable, m_path.c_str(), 1);
  }
  ~TempRegistry() {
    if (m_previous)
      ::setenv(kVariable, m_previous->c_str(), 1);
    else
      ::unsetenv(kVariable);
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  TempRegistry(const TempRegistry&) = delete;
  TempRegistry& operator=(const TempRegistry&) = delete;

  const std::string& Path() const { return m_path; }

 private:
  static constexpr const char* kVariable = "QUORVEL_REGISTRY";
  std::string m_path;
  std::optional<std::string> m_previous;
};
