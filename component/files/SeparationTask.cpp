// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/SeparationTask.h"

#include <memory>
#include <unistd.h>
#include <vector>

#include "component/files/DictationFile.h"
#include "component/files/DictationPaths.h"
#include "component/files/DssAudio.h"
#include "component/files/FileFamily.h"
#include "component/files/TargetFile.h"
#include "device/DpmResults.h"

namespace {

struct Part {
  std::string path;
  std::string bytes;
  std::string companion;
};

std::string DictationTarget(const FileTask& task) { return TargetPath(task.destination, NameOfPath(task.source)); }

std::string InstructionTarget(const FileTask& task) {
  const std::string dictation = DictationTarget(task);
  const std::string name = NameOfPath(dictation);
  return FolderOfPath(dictation) + "/" + StemOf(name) + "_I" + name.substr(StemOf(name).size());
}

std::vector<std::string> TargetsOf(const FileTask& task) {
  std::vector<std::string> targets;
  for (const std::string& path :
       {task.dictationPart ? DictationTarget(task) : std::string(), task.instructionPart ? InstructionTarget(task) : std::string()})
    if (!path.empty()) {
      targets.push_back(path);
      targets.push_back(CompanionPathOf(path));
    }
  return targets;
}

bool InInstruction(const DictationCompanion& companion, std::uint8_t codec, size_t frame) {
  const LONG start = DssMilliseconds(codec, frame);
  for (const auto& range : companion.spokenInstructions)
    if (start >= range[0] && start < range[1]) return true;
  return false;
}

// The source's own header (every byte of it kept) with the part's audio.
HRESULT MakePart(std::string_view header, std::uint8_t codec, const std::vector<std::string>& frames,
                 const DictationCompanion& companion, Part* part) {
  std::string audio;
  if (HRESULT hr = WriteDssFrames(frames, codec, &audio); FAILED(hr)) return hr;
  part->bytes = std::string(header) + audio;
  part->companion = CompanionToJson(companion);
  return S_OK;
}

// Writes every file, then puts them all in place; on any failure none stays.
HRESULT WriteParts(const std::vector<Part>& parts, TaskProgress& progress) {
  std::vector<std::unique_ptr<TargetFile>> files;
  for (const Part& part : parts)
    for (const auto& [path, bytes] : {std::pair{part.path, &part.bytes}, std::pair{CompanionPathOf(part.path), &part.companion}}) {
      files.push_back(std::make_unique<TargetFile>(path));
      if (HRESULT hr = files.back()->Open(); FAILED(hr)) return hr;
      if (HRESULT hr = files.back()->Write(*bytes); FAILED(hr)) return hr;
    }
  if (!progress.Report(90)) return progress.Cancelled();
  std::vector<std::string> placed;
  for (auto& file : files) {
    if (HRESULT hr = file->Commit(); FAILED(hr)) {
      for (const std::string& path : placed) ::unlink(path.c_str());
      return hr;
    }
    placed.push_back(file->Path());
  }
  return S_OK;
}

}  // namespace

HRESULT CheckSeparate(const FileTask& task) {
  if (HRESULT hr = CheckSourceFile(task.source); FAILED(hr)) return hr;
  DictationSnapshot snapshot;
  if (HRESULT hr = DictationFile(task.source).Load(&snapshot); FAILED(hr)) return hr;
  if (snapshot.type == kFileTypeNonDpm2) return dpmCtrlAudioFormatNotSupported;
  if (snapshot.type != kFileTypeDictation) return dpmCtrlInvalidFile;
  if (snapshot.companion.spokenInstructions.empty()) return dpmCtrlNoInstructionFile;
  // The parts name each other in their companions, which hold dictation file names only.
  if (!IsDictationFileName(NameOfPath(DictationTarget(task)))) return E_INVALIDARG;
  for (const std::string& target : TargetsOf(task)) {
    if (HRESULT hr = CheckWritableFolder(FolderOfPath(target)); FAILED(hr)) return hr;
    if (PathExists(target)) return dpmCtrlFileExists;
  }
  return S_OK;
}

HRESULT RunSeparate(const FileTask& task, TaskProgress& progress) {
  if (HRESULT hr = CheckSeparate(task); FAILED(hr)) return hr;
  DictationSnapshot snapshot;
  std::string dss;
  DssHeader header;
  if (HRESULT hr = DictationFile(task.source).Load(&snapshot); FAILED(hr)) return hr;
  if (HRESULT hr = DictationFile(task.source).LoadDss(&dss, &header); FAILED(hr)) return hr;
  const std::vector<std::string> frames = ReadDssFrames(std::string_view(dss).substr(header.Bytes()), header.codec);
  std::vector<std::string> outside, inside;
  for (size_t i = 0; i < frames.size(); ++i)
    (InInstruction(snapshot.companion, header.codec, i) ? inside : outside).push_back(frames[i]);
  if (!progress.Report(50)) return progress.Cancelled();
  const std::string_view headerBytes = std::string_view(dss).substr(0, header.Bytes());

  DictationCompanion base = snapshot.companion;
  base.spokenInstructions.clear();
  base.instructionFile.clear();
  std::vector<Part> parts;
  if (task.dictationPart) {
    DictationCompanion dictation = base;
    if (task.instructionPart) dictation.instructionFile = NameOfPath(InstructionTarget(task));
    parts.push_back({DictationTarget(task), {}, {}});
    if (HRESULT hr = MakePart(headerBytes, header.codec, outside, dictation, &parts.back()); FAILED(hr)) return hr;
  }
  if (task.instructionPart) {
    DictationCompanion instruction = base;
    instruction.instruction = true;
    parts.push_back({InstructionTarget(task), {}, {}});
    if (HRESULT hr = MakePart(headerBytes, header.codec, inside, instruction, &parts.back()); FAILED(hr)) return hr;
  }
  return WriteParts(parts, progress);
}
