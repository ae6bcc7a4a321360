// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of a recorder, opened without following a link, and named from then on through its open
// descriptor: whatever is renamed or linked in its place later, listing and removing go on in the folder
// that was opened, never in a folder a link leads to.
#include <string>

#include "platform/automation/Types.h"

class FolderHandle {
 public:
  FolderHandle() = default;
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;
  ~FolderHandle();

  // dpmCtrlInvalidFile when the last part of `path` is a link, FileAccess.h's codes otherwise.
  HRESULT Open(const std::string& path);
  // A folder inside an open one, by its plain name, with the same refusal.
  HRESULT OpenChild(const FolderHandle& parent, const std::string& name);

  // The path that reaches the opened folder itself (empty while none is open).
  std::string Path() const;
  int Descriptor() const { return m_fd; }

 private:
  HRESULT Adopt(int fd);

  int m_fd = -1;
};
