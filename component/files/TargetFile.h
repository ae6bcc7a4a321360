// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file a task makes: written beside its final place under a temporary name, synced, and then put
// in place in one step that never replaces an existing file. Until Commit nothing is visible under
// the final name; destroying an uncommitted target deletes the temporary file, so a failed or
// cancelled task leaves nothing half-written behind.
#include <string>
#include <string_view>
#include <sys/types.h>

#include "platform/automation/Types.h"

enum class TargetExisting { Refuse, Replace };

class TargetFile {
 public:
  // The file gets `mode` less the umask, as cp gives a copy its source's mode. `Replace`: the target
  // may exist and is replaced in one step (a damaged earlier conversion).
  explicit TargetFile(std::string path, mode_t mode = 0666, TargetExisting existing = TargetExisting::Refuse)
      : m_path(std::move(path)), m_existing(existing), m_mode(mode) {}
  TargetFile(const TargetFile&) = delete;
  TargetFile& operator=(const TargetFile&) = delete;
  ~TargetFile() { Discard(); }

  const std::string& Path() const { return m_path; }

  // CheckWritableFolder's codes, dpmCtrlFileExists when the target exists, else FileAccess.h's.
  HRESULT Open();
  HRESULT Write(std::string_view bytes);
  // Where the next write goes (the muxer goes back to finish a header); -1 on failure.
  long long Seek(long long offset, int whence);
  long long Size() const;
  // dpmCtrlFileExists when a file took the name in the meantime; the temporary file is gone then.
  HRESULT Commit();
  void Discard();

 private:
  std::string m_path;
  TargetExisting m_existing;
  std::string m_temp;
  mode_t m_mode;
  int m_fd = -1;
};

// Puts `from` at `to` unless something is there already (dpmCtrlFileExists).
HRESULT RenameNoReplace(const std::string& from, const std::string& to);
// S_OK for a folder files may be made in or taken from: dpmCtrlPathNotFound when it is not a folder,
// dpmCtrlAccessDenied when nobody may write to it (refused for root too, as FileAccess.h does).
HRESULT CheckWritableFolder(const std::string& folder);
