#pragma once
// A fresh, empty registry folder for one test: QUORVEL_REGISTRY points at it while the object lives,
// then the previous setting comes back and the folder is removed.
#include <optional>
#include <string>

class TempRegistry {
 public:
  TempRegistry();
  ~TempRegistry();
  TempRegistry(const TempRegistry&) = delete;
  TempRegistry& operator=(const TempRegistry&) = delete;

  const std::string& Folder() const { return m_folder; }

 private:
  std::string m_folder;
  std::optional<std::string> m_previous;
};
