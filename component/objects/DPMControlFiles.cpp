// SPDX-License-Identifier: GPL-3.0-or-later
// The dictation-file operations of DPMControl: checks on the apartment's thread, the work on the
// file-task queue, file information and file lists.
#include "component/objects/DPMControl.h"

#include "component/files/ConvertTask.h"
#include "component/files/DictationPaths.h"
#include "component/files/FileFamily.h"
#include "component/files/FileTransfer.h"
#include "component/files/NewDictation.h"
#include "component/files/SeparationTask.h"
#include "component/models/TextRules.h"
#include "component/objects/DPMFileInfo.h"
#include "component/objects/DPMFileList.h"
#include "device/DpmEvents.h"
#include "device/DpmResults.h"
#include "device/DpmValues.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Variant.h"

namespace {

constexpr LONG kMaxWaveFormatBytes = 18 + 0xFFFF;

std::string PathOfText(BSTR text) { return PathFromText(ViewOf(text)); }

FileTask NewTask(FileTask::Kind kind, BSTR source, BSTR destination) {
  FileTask task;
  task.kind = kind;
  task.source = PathOfText(source);
  task.destination = PathOfText(destination);
  return task;
}

HRESULT BytesOf(const VARIANT* v, std::string* bytes) {
  LONG low = 0, high = -1;
  if (v->vt != (VT_ARRAY | VT_UI1) || !v->parray || SafeArrayGetDim(v->parray) != 1 ||
      FAILED(SafeArrayGetLBound(v->parray, 1, &low)) || FAILED(SafeArrayGetUBound(v->parray, 1, &high)))
    return E_INVALIDARG;
  if (high < low) return dpmCtrlInvalidWaveFormat;
  if (static_cast<long long>(high) - low + 1 > kMaxWaveFormatBytes) return dpmCtrlInvalidWaveFormat;
  std::string out;
  for (LONG i = low; i <= high; ++i) {
    BYTE b = 0;
    const LONG index[1] = {i};
    if (HRESULT hr = SafeArrayGetElement(v->parray, index, &b); FAILED(hr)) return hr;
    out += static_cast<char>(b);
  }
  *bytes = std::move(out);
  return S_OK;
}

}  // namespace

void DPMControl::ReportProgress(const std::string& text, LONG percent, HRESULT result) {
  std::u16string wide;
  if (!Utf16FromUtf8(text, &wide)) wide = AnsiToWide(text);
  m_events->Post(DPMEventProgress, {TextArgument(std::move(wide)), NumberArgument(percent), NumberArgument(result)});
}

HRESULT DPMControl::Queue(HRESULT checked, FileTask task, VARIANT_BOOL delayed) {
  if (FAILED(checked)) return checked;
  if (delayed != VARIANT_FALSE) m_tasks->Delay(std::move(task));
  else m_tasks->Run(std::move(task));
  return S_OK;
}

HRESULT DPMControl::Copy(BSTR source, BSTR destination, VARIANT_BOOL delayed) {
  FileTask task = NewTask(FileTask::Kind::Copy, source, destination);
  const HRESULT checked = CheckTransfer(task);
  return Queue(checked, std::move(task), delayed);
}

HRESULT DPMControl::Move(BSTR source, BSTR destination, VARIANT_BOOL delayed) {
  FileTask task = NewTask(FileTask::Kind::Move, source, destination);
  const HRESULT checked = CheckTransfer(task);
  return Queue(checked, std::move(task), delayed);
}

HRESULT DPMControl::Delete(BSTR source, VARIANT_BOOL delayed) {
  FileTask task = NewTask(FileTask::Kind::Delete, source, nullptr);
  const HRESULT checked = CheckTransfer(task);
  return Queue(checked, std::move(task), delayed);
}

HRESULT DPMControl::Convert(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed) {
  if (format < dpmConvertPcm16kHz || format > dpmConvertCustom) return E_INVALIDARG;
  if (format >= dpmConvertOrvaneCelp16kHz && format <= dpmConvertSycomCelp11kHz) return dpmCtrlAudioFormatNotSupported;
  if (format == dpmConvertCustom && !m_hasCustomFormat) return dpmCtrlInvalidWaveFormat;
  FileTask task = NewTask(FileTask::Kind::Convert, source, destination);
  if (format == dpmConvertPcm16kHz) task.format = AudioFormat{16000, 1, 16, false};
  if (format == dpmConvertPcm8kHz) task.format = AudioFormat{8000, 1, 16, false};
  if (format == dpmConvertCustom) task.format = m_customFormat;
  const HRESULT checked = CheckConvert(task);
  return Queue(checked, std::move(task), delayed);
}

HRESULT DPMControl::Decrypt(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed, BSTR password) {
  // The encryption of recorder files is not public; a file is checked, then the task is refused.
  if (HRESULT hr = CheckSourceFile(PathOfText(source)); FAILED(hr)) return hr;
  return dpmCtrlNotSupported;
}

HRESULT DPMControl::SeparateSpokenInstructions(BSTR source, BSTR destination, VARIANT_BOOL isDictation,
                                               VARIANT_BOOL isInstruction, VARIANT_BOOL delayed) {
  FileTask task = NewTask(FileTask::Kind::Separate, source, destination);
  task.dictationPart = isDictation != VARIANT_FALSE;
  task.instructionPart = isInstruction != VARIANT_FALSE;
  if (!task.dictationPart && !task.instructionPart) return E_INVALIDARG;
  const HRESULT checked = CheckSeparate(task);
  return Queue(checked, std::move(task), delayed);
}

HRESULT DPMControl::NewFile(BSTR path, BSTR password, LONG recordingMode) {
  if (HRESULT hr = CheckRecordingMode(recordingMode); FAILED(hr)) return hr;
  if (SysStringLen(password) > 0) return dpmCtrlNotSupported;  // recorder encryption is not public
  return CreateNewDictation(PathOfText(path), recordingMode);
}

HRESULT DPMControl::put_CustomFormat(VARIANT* format) {
  if (!format) return E_POINTER;
  std::string block;
  if (HRESULT hr = BytesOf(format, &block); FAILED(hr)) return hr;
  AudioFormat pcm;
  if (HRESULT hr = AudioFormatFromWaveFormat(block, &pcm); FAILED(hr)) return hr;
  m_customFormat = pcm;
  m_hasCustomFormat = true;
  return S_OK;
}

HRESULT DPMControl::StartDelayedTasks() {
  m_tasks->StartDelayed();
  return S_OK;
}

HRESULT DPMControl::CancelTasks(HRESULT reason) {
  if (SUCCEEDED(reason)) return E_INVALIDARG;
  m_tasks->Cancel(reason);
  return S_OK;
}

HRESULT DPMControl::get_IDPMFileInfo(BSTR path, IDPMFileInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  ComPtr<DPMFileInfo> object = MakeComObject<DPMFileInfo>(m_moduleObjects, PathOfText(path));
  if (!object) return E_OUTOFMEMORY;
  if (HRESULT hr = object->Load(); FAILED(hr)) return hr;
  *info = object.Detach();
  return S_OK;
}

HRESULT DPMControl::get_FileList(IDPMFileList** list) {
  if (!list) return E_POINTER;
  *list = nullptr;
  ComPtr<DPMFileList> object = MakeComObject<DPMFileList>(m_moduleObjects);
  if (!object) return E_OUTOFMEMORY;
  *list = object.Detach();
  return S_OK;
}
