// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IDPMControl: the component's main object. It holds the device session and the connection point of
// _DDPMControlEvents; events go out through the apartment's dispatcher captured at creation.
//
// The dictation-file operations (DPMControlFiles.cpp) need no device session. Paths take '/' or '\'
// as separators (DictationPaths.h). Copy, Move, Delete, Convert and SeparateSpokenInstructions check
// what they can before they return, then run on the file-task worker (FileTaskQueue.h); each task
// reports DPMEventProgress(text, percent, result): text is the task's verb and source path
// ("Copy /card/DICT0001.DSS"), percent runs from 0, and 100 marks the end of the task, whatever its
// outcome, with its result code (S_OK, a failure code, or the CancelTasks reason) as the third value.
#include <memory>

#include "component/files/FileTaskQueue.h"
#include "component/files/AudioFormat.h"
#include "component/objects/DualInterface.h"
#include "component/session/EventChannel.h"
#include "component/session/Session.h"
#include "device/IDPMControl.h"
#include "platform/automation/ComObject.h"
#include "platform/automation/ConnectionPoint.h"

class DPMControl : public ComObject<DPMControl, DualInterface<IDPMControl>, IConnectionPointContainer> {
 public:
  explicit DPMControl(std::atomic<long>* moduleObjects);
  ~DPMControl() override;

  HRESULT Initialize(LONG flags) override;
  HRESULT Deinitialize() override;
  HRESULT get_DeviceStatus(LONG* status) override;
  HRESULT get_BarcodeScannerStatus(LONG* status) override;
  HRESULT GetDevice(LONG index, IDPMDevice** device) override;
  HRESULT ImportSettings(BSTR path, IDPMDeviceSettings** settings) override;
  HRESULT ExportSettings(BSTR path, IDPMDeviceSettings* settings) override;

  HRESULT Copy(BSTR source, BSTR destination, VARIANT_BOOL delayed) override;
  HRESULT Move(BSTR source, BSTR destination, VARIANT_BOOL delayed) override;
  HRESULT Delete(BSTR source, VARIANT_BOOL delayed) override;
  // Formats 0 and 1 and a PCM custom format; the CELP formats 2 to 4 are
  // dpmCtrlAudioFormatNotSupported, 5 without a custom format dpmCtrlInvalidWaveFormat.
  HRESULT Convert(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed) override;
  // Recorder encryption is not public: after the source is checked, dpmCtrlNotSupported.
  HRESULT Decrypt(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed, BSTR password) override;
  HRESULT SeparateSpokenInstructions(BSTR source, BSTR destination, VARIANT_BOOL isDictation,
                                     VARIANT_BOOL isInstruction, VARIANT_BOOL delayed) override;
  // Made at once (NewDictation.h); a password asks for encryption: dpmCtrlNotSupported.
  HRESULT NewFile(BSTR path, BSTR password, LONG recordingMode) override;
  // PCM or IEEE float (AudioFormat.h); a refused block leaves the custom format as it was.
  HRESULT put_CustomFormat(VARIANT* format) override;
  HRESULT StartDelayedTasks() override;
  // E_INVALIDARG for a reason that is not a failure code.
  HRESULT CancelTasks(HRESULT reason) override;
  HRESULT get_IDPMFileInfo(BSTR path, IDPMFileInfo** info) override;
  HRESULT get_FileList(IDPMFileList** list) override;

  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

 private:
  // Hands a checked task to the queue; `checked` is the result of its checks.
  HRESULT Queue(HRESULT checked, FileTask task, VARIANT_BOOL delayed);
  void ReportProgress(const std::string& text, LONG percent, HRESULT result);

  std::atomic<long>* m_moduleObjects;
  ComPtr<ConnectionPointImpl> m_point;
  std::shared_ptr<EventChannel> m_events;
  std::unique_ptr<Session> m_session;
  std::unique_ptr<FileTaskQueue> m_tasks;
  AudioFormat m_customFormat;
  bool m_hasCustomFormat = false;
};
