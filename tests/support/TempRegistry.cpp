#include "tests/support/TempRegistry.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
constexpr const char* kVariable = "QUORVEL_REGISTRY";
}

TempRegistry::TempRegistry() {
  if (const char* previous = std::getenv(kVariable)) m_previous = previous;
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-registry-XXXXXX").string();
  if (char* made = mkdtemp(pattern.data())) m_folder = made;
  setenv(kVariable, m_folder.c_str(), 1);
}

TempRegistry::~TempRegistry() {
  if (m_previous)
    setenv(kVariable, m_previous->c_str(), 1);
  else
    unsetenv(kVariable);
  std::error_code ignored;
  if (!m_folder.empty()) std::filesystem::remove_all(m_folder, ignored);
}
