// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/FileFamily.h"

#include <sys/stat.h>

#include "component/files/DictationCompanion.h"
#include "component/files/DictationPaths.h"
#include "component/files/TargetFile.h"
#include "component/recorders/FileAccess.h"
#include "component/recorders/RecordersRoot.h"
#include "device/DpmResults.h"

namespace {

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadCompanion(const std::string& dictation, DictationCompanion* companion) {
  std::string text;
  const std::string path = CompanionPathOf(dictation);
  return SUCCEEDED(ReadWholeFile(path, kMaxCompanionBytes, &text, LinksAt(path))) &&
         SUCCEEDED(CompanionFromJson(text, companion));
}

// The instruction file a companion names, as a path beside the dictation; empty for none. A
// damaged companion names none: it still travels, as a file. The named file must call itself an
// instruction file, so that a companion naming another dictation cannot take that one along.
std::string InstructionFileOf(const std::string& source) {
  DictationCompanion companion, named;
  if (!ReadCompanion(source, &companion) || companion.instructionFile.empty()) return {};
  const std::string path = FolderOfPath(source) + "/" + companion.instructionFile;
  if (path == source || !ReadCompanion(path, &named) || !named.instruction) return {};
  return path;
}

void Add(const std::string& source, const std::string& target, std::vector<FamilyMember>* family) {
  if (!IsRegularFile(source)) return;
  family->push_back({source, target});
  if (IsRegularFile(CompanionPathOf(source)))
    family->push_back({CompanionPathOf(source), target.empty() ? std::string() : CompanionPathOf(target)});
}

}  // namespace

HRESULT CheckSourceFile(const std::string& source) {
  struct stat st {};
  if (source.empty()) return dpmCtrlPathNotFound;
  if (::lstat(source.c_str(), &st) != 0) return IsFolder(FolderOfPath(source)) ? dpmCtrlFileNotFound : dpmCtrlPathNotFound;
  return S_ISREG(st.st_mode) ? S_OK : dpmCtrlAccessDenied;
}

HRESULT FamilyOf(const std::string& source, const std::string& target, std::vector<FamilyMember>* family) {
  if (HRESULT hr = CheckSourceFile(source); FAILED(hr)) return hr;
  std::vector<FamilyMember> members;
  Add(source, target, &members);
  if (const std::string instruction = InstructionFileOf(source); !instruction.empty()) {
    const std::string name = NameOfPath(instruction);
    Add(instruction, target.empty() ? std::string() : FolderOfPath(target) + "/" + name, &members);
  }
  if (!target.empty()) {
    if (HRESULT hr = CheckWritableFolder(FolderOfPath(target)); FAILED(hr)) return hr;
    for (const FamilyMember& member : members)
      if (PathExists(member.target)) return dpmCtrlFileExists;
  }
  *family = std::move(members);
  return S_OK;
}

HRESULT CheckRemovable(const std::string& source, bool deleting) {
  if (HRESULT hr = CheckWritableFolder(FolderOfPath(source)); FAILED(hr)) return hr;
  struct stat st {};
  if (deleting && ::stat(source.c_str(), &st) == 0 && (st.st_mode & 0222) == 0) return dpmCtrlFileReadOnly;
  return S_OK;
}
