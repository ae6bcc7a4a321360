#include "component/files/ConvertTask.h"

#include "component/files/DictationFile.h"
#include "component/files/DictationPaths.h"
#include "component/files/DssAudio.h"
#include "component/files/FileFamily.h"
#include "component/files/TargetFile.h"
#include "component/files/WaveConverter.h"
#include "device/DpmResults.h"

namespace {

HRESULT CheckTarget(const std::string& target) {
  if (HRESULT hr = CheckWritableFolder(FolderOfPath(target)); FAILED(hr)) return hr;
  return PathExists(target) ? dpmCtrlFileExists : S_OK;
}

HRESULT CheckSource(const std::string& source) {
  if (HRESULT hr = CheckSourceFile(source); FAILED(hr)) return hr;
  DictationSnapshot snapshot;
  if (HRESULT hr = DictationFile(source).Load(&snapshot); FAILED(hr)) return hr;
  if (snapshot.type == kFileTypeNonDpm2) return dpmCtrlAudioFormatNotSupported;
  return snapshot.IsDss() ? S_OK : dpmCtrlInvalidFile;
}

}  // namespace

std::string ConvertTarget(const FileTask& task) {
  return TargetPath(task.destination, StemOf(NameOfPath(task.source)) + ".wav");
}

HRESULT CheckConvert(const FileTask& task) {
  if (HRESULT hr = CheckSource(task.source); FAILED(hr)) return hr;
  return CheckTarget(ConvertTarget(task));
}

HRESULT RunConvert(const FileTask& task, TaskProgress& progress) {
  if (HRESULT hr = CheckConvert(task); FAILED(hr)) return hr;
  std::string dss;
  DssHeader header;
  if (HRESULT hr = DictationFile(task.source).LoadDss(&dss, &header); FAILED(hr)) return hr;
  const size_t frames = ReadDssFrames(std::string_view(dss).substr(header.Bytes()), header.codec).size();
  TargetFile target(ConvertTarget(task));
  if (HRESULT hr = target.Open(); FAILED(hr)) return hr;
  if (HRESULT hr = ConvertDssToWave(std::move(dss), frames, task.format, target, progress); FAILED(hr)) return hr;
  if (FAILED(progress.Cancelled())) return progress.Cancelled();
  return target.Commit();
}
