// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/ConvertTask.h"

#include <atomic>

#include "component/files/DictationFile.h"
#include "component/files/DictationPaths.h"
#include "component/files/DictationTime.h"
#include "component/files/DssAudio.h"
#include "component/files/FileFamily.h"
#include "component/files/TargetClaim.h"
#include "component/files/TargetFile.h"
#include "component/files/WaveConverter.h"
#include "component/models/TextRules.h"
#include "component/recorders/FileAccess.h"
#include "component/recorders/RecordersRoot.h"
#include "device/DpmResults.h"
#include "platform/automation/CodePage.h"

namespace {

std::atomic<std::uint64_t> g_largeWaveBytes{0};

HRESULT CheckTarget(const std::string& target, bool keepComplete) {
  if (HRESULT hr = CheckWritableFolder(FolderOfPath(target)); FAILED(hr)) return hr;
  return PathExists(target) && !keepComplete ? dpmCtrlFileExists : S_OK;
}

HRESULT CheckSource(const std::string& source) {
  if (HRESULT hr = CheckSourceFile(source); FAILED(hr)) return hr;
  DictationSnapshot snapshot;
  if (HRESULT hr = DictationFile(source).Load(&snapshot); FAILED(hr)) return hr;
  if (snapshot.type == kFileTypeNonDpm2) return dpmCtrlAudioFormatNotSupported;
  return snapshot.IsDss() ? S_OK : dpmCtrlInvalidFile;
}

// The header's texts are in the recorders' code page; tags are UTF-8.
std::string TagText(const std::string& stored) { return Utf8FromUtf16(AnsiToWide(stored)); }

ConvertTags TagsOf(const std::string& source, const DssHeader& header) {
  ConvertTags tags{NameOfPath(source), TagText(header.author), {}, TagText(header.comment)};
  DictationTime start;
  if (DictationTime::FromDigits(header.recordingStart, &start)) tags.date = start.DateText() + " " + start.TimeText();
  return tags;
}

// The job for the open source: its header, frames and tags, read in parts.
HRESULT PrepareJob(const FileTask& task, int fd, ConvertJob* job) {
  std::string head;
  DssHeader header;
  if (HRESULT hr = ReadAt(fd, 0, kDssMaxHeaderBytes, &head); FAILED(hr)) return hr;
  if (HasDs2Signature(head)) return dpmCtrlAudioFormatNotSupported;
  if (HRESULT hr = ReadDssHeader(head, &header); FAILED(hr)) return hr;
  job->source = fd;
  job->codec = header.codec;
  job->format = task.format;
  job->tags = TagsOf(task.source, header);
  if (const std::uint64_t limit = g_largeWaveBytes.load()) job->largeWaveBytes = limit;
  return CountDssFrames(fd, header.Bytes(), header.codec, &job->frames);
}

}  // namespace

void SetLargeWaveBytesForTests(std::uint64_t bytes) { g_largeWaveBytes = bytes; }

std::string ConvertTarget(const FileTask& task) {
  return TargetPath(task.destination, StemOf(NameOfPath(task.source)) + "." + task.format.Extension());
}

HRESULT CheckConvert(const FileTask& task) {
  if (HRESULT hr = CheckSource(task.source); FAILED(hr)) return hr;
  return CheckTarget(ConvertTarget(task), task.format.keepComplete);
}

HRESULT RunConvert(const FileTask& task, TaskProgress& progress) {
  if (HRESULT hr = CheckConvert(task); FAILED(hr)) return hr;
  const std::string targetPath = ConvertTarget(task);
  TargetClaim claim(targetPath);
  if (HRESULT hr = claim.Take(progress); FAILED(hr)) return hr;
  Descriptor source;
  ConvertJob job;
  if (HRESULT hr = OpenReadableFile(task.source, kMaxDictationBytes, &source, nullptr, LinksAt(task.source));
      FAILED(hr))
    return hr;
  if (HRESULT hr = PrepareJob(task, source.Get(), &job); FAILED(hr)) return hr;
  bool replacing = false;
  if (PathExists(targetPath)) {
    if (!task.format.keepComplete) return dpmCtrlFileExists;
    const TargetState state = InspectTarget(job, targetPath);
    if (state == TargetState::Complete) return S_OK;
    if (state == TargetState::Foreign) return dpmCtrlFileExists;
    replacing = true;
  }
  TargetFile target(targetPath, 0666, replacing ? TargetExisting::Replace : TargetExisting::Refuse);
  if (HRESULT hr = target.Open(); FAILED(hr)) return hr;
  if (HRESULT hr = ConvertDss(job, target, progress); FAILED(hr)) return hr;
  if (FAILED(progress.Cancelled())) return progress.Cancelled();
  return target.Commit();
}
