// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/NewDictation.h"

#include <ctime>
#include <unistd.h>

#include "component/files/DictationCompanion.h"
#include "component/files/DictationMaker.h"
#include "component/files/DictationPaths.h"
#include "component/files/DictationRules.h"
#include "component/files/TargetFile.h"
#include "device/DpmResults.h"

namespace {

constexpr LONG kQualityPlayRecordingMode = 5;  // the recording format list's "dpmQualityPlayNoSilenceComp"

bool EndsWithDss(const std::string& name) {
  return IsDictationFileName(name) && (name.back() == 's' || name.back() == 'S');
}

}  // namespace

HRESULT CheckRecordingMode(LONG recordingMode) {
  std::uint8_t codec = 0;
  if (recordingMode == kQualityPlayRecordingMode) return dpmCtrlAudioFormatNotSupported;
  return CodecOfCompressionMode(recordingMode, &codec) ? S_OK : E_INVALIDARG;
}

HRESULT CheckNewDictation(const std::string& path, LONG recordingMode) {
  if (HRESULT hr = CheckRecordingMode(recordingMode); FAILED(hr)) return hr;
  if (!EndsWithDss(NameOfPath(path))) return E_INVALIDARG;
  if (HRESULT hr = CheckWritableFolder(FolderOfPath(path)); FAILED(hr)) return hr;
  return PathExists(path) || PathExists(CompanionPathOf(path)) ? dpmCtrlFileExists : S_OK;
}

HRESULT CreateNewDictation(const std::string& path, LONG recordingMode) {
  if (HRESULT hr = CheckNewDictation(path, recordingMode); FAILED(hr)) return hr;
  std::uint8_t codec = 0;
  CodecOfCompressionMode(recordingMode, &codec);
  std::string bytes;
  if (HRESULT hr = MakeEmptyDictation(codec, std::time(nullptr), &bytes); FAILED(hr)) return hr;
  DictationCompanion companion;
  companion.compressionMode = recordingMode;
  TargetFile dictation(path), side(CompanionPathOf(path));
  for (auto& [file, content] : {std::pair{&dictation, bytes}, std::pair{&side, CompanionToJson(companion)}}) {
    if (HRESULT hr = file->Open(); FAILED(hr)) return hr;
    if (HRESULT hr = file->Write(content); FAILED(hr)) return hr;
  }
  if (HRESULT hr = dictation.Commit(); FAILED(hr)) return hr;
  if (HRESULT hr = side.Commit(); FAILED(hr)) {
    ::unlink(path.c_str());
    return hr;
  }
  return S_OK;
}
