#pragma once
// A registry folder of the test's own (QUORVEL_REGISTRY), removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <string>

class TemporaryRegistry {
 public:
  TemporaryRegistry() {
    char pattern[] = "/tmp/quorvel-registry-XXXXXX";
    if (const char* made = mkdtemp(pattern)) m_path = made;
    setenv("QUORVEL_REGISTRY", m_path.c_str(), 1);
  }
  ~TemporaryRegistry() {
    unsetenv("QUORVEL_REGISTRY");
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  TemporaryRegistry(const TemporaryRegistry&) = delete;
  TemporaryRegistry& operator=(const TemporaryRegistry&) = delete;

  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};
