// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/FileTransfer.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "component/files/DictationFile.h"
#include "component/files/DictationPaths.h"
#include "component/files/FileFamily.h"
#include "component/files/TargetFile.h"
#include "component/recorders/FileAccess.h"
#include "component/recorders/RecordersRoot.h"
#include "device/DpmResults.h"

namespace {

constexpr size_t kChunkBytes = 256 * 1024;

// Removes files this task put in place, when a later step failed.
void RemoveAll(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) ::unlink(path.c_str());
}

HRESULT CopyFamily(const std::vector<FamilyMember>& family, TaskProgress& progress) {
  std::vector<std::string> contents(family.size());
  std::vector<mode_t> modes(family.size());
  size_t total = 0;
  for (size_t i = 0; i < family.size(); ++i) {
    const std::string& source = family[i].source;
    if (HRESULT hr = ReadWholeFile(source, kMaxDictationBytes, &contents[i], LinksAt(source)); FAILED(hr)) return hr;
    // A copy is never readable by more people than its source.
    struct stat st {};
    if (::stat(source.c_str(), &st) != 0) return ResultFromErrno(errno);
    modes[i] = st.st_mode & 0777;
    total += contents[i].size();
  }
  std::vector<std::unique_ptr<TargetFile>> targets;
  size_t done = 0;
  for (size_t i = 0; i < family.size(); ++i) {
    targets.push_back(std::make_unique<TargetFile>(family[i].target, modes[i]));
    if (HRESULT hr = targets.back()->Open(); FAILED(hr)) return hr;
    for (size_t at = 0; at < contents[i].size(); at += kChunkBytes) {
      const std::string_view chunk = std::string_view(contents[i]).substr(at, kChunkBytes);
      if (HRESULT hr = targets.back()->Write(chunk); FAILED(hr)) return hr;
      done += chunk.size();
      if (!progress.Report(static_cast<LONG>(done * 99 / (total ? total : 1)))) return progress.Cancelled();
    }
  }
  if (FAILED(progress.Cancelled())) return progress.Cancelled();
  std::vector<std::string> placed;
  for (auto& target : targets) {
    if (HRESULT hr = target->Commit(); FAILED(hr)) {
      RemoveAll(placed);
      return hr;
    }
    placed.push_back(target->Path());
  }
  return S_OK;
}

HRESULT DeleteFamily(const std::vector<FamilyMember>& family) {
  // The dictation first: should a later delete fail, what is left is a companion without its file.
  for (const FamilyMember& member : family)
    if (::unlink(member.source.c_str()) != 0 && errno != ENOENT) return ResultFromErrno(errno);
  return S_OK;
}

// Renames each member; undoes the renames done when one fails. EXDEV says the target is on
// another file system.
HRESULT RenameFamily(const std::vector<FamilyMember>& family) {
  for (size_t i = 0; i < family.size(); ++i) {
    HRESULT hr = RenameNoReplace(family[i].source, family[i].target);
    if (FAILED(hr)) {
      const int error = errno;
      while (i-- > 0) RenameNoReplace(family[i].target, family[i].source);
      errno = error;
      return hr;
    }
  }
  return S_OK;
}

// The family the task works on, once everything that can be checked is.
HRESULT FamilyFor(const FileTask& task, std::vector<FamilyMember>* family) {
  const bool deleting = task.kind == FileTask::Kind::Delete;
  if (HRESULT hr = FamilyOf(task.source, deleting ? std::string() : TransferTarget(task), family); FAILED(hr))
    return hr;
  return task.kind == FileTask::Kind::Copy ? S_OK : CheckRemovable(task.source, deleting);
}

}  // namespace

std::string TransferTarget(const FileTask& task) {
  return TargetPath(task.destination, NameOfPath(task.source));
}

HRESULT CheckTransfer(const FileTask& task) {
  std::vector<FamilyMember> family;
  return FamilyFor(task, &family);
}

HRESULT RunCopy(const FileTask& task, TaskProgress& progress) {
  std::vector<FamilyMember> family;
  if (HRESULT hr = FamilyFor(task, &family); FAILED(hr)) return hr;
  return CopyFamily(family, progress);
}

HRESULT RunMove(const FileTask& task, TaskProgress& progress) {
  std::vector<FamilyMember> family;
  if (HRESULT hr = FamilyFor(task, &family); FAILED(hr)) return hr;
  if (!progress.Report(0)) return progress.Cancelled();
  HRESULT hr = RenameFamily(family);
  if (FAILED(hr) && errno == EXDEV) {
    if (hr = CopyFamily(family, progress); FAILED(hr)) return hr;
    if (::unlink(family[0].source.c_str()) != 0) {
      // The source stays whole; take the copy away again rather than leave two.
      hr = ResultFromErrno(errno);
      std::vector<std::string> targets;
      for (const FamilyMember& member : family) targets.push_back(member.target);
      RemoveAll(targets);
      return hr;
    }
    hr = DeleteFamily(family);
  }
  return hr;
}

HRESULT RunDelete(const FileTask& task, TaskProgress& progress) {
  std::vector<FamilyMember> family;
  if (HRESULT hr = FamilyFor(task, &family); FAILED(hr)) return hr;
  if (!progress.Report(0)) return progress.Cancelled();
  return DeleteFamily(family);
}
