// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The component's main interface: the device session, the recorders, settings files and file tasks.
// Its object is also an IConnectionPointContainer with a point for _DDPMControlEvents.
//
// Device operations fail with dpmCtrlNotInitialized before Initialize. Strings in are borrowed from
// the caller, strings and interfaces out belong to the caller. `delayed` (VARIANT_TRUE) queues a
// task until StartDelayedTasks instead of running it at once.
#include "device/DpmIds.h"
#include "platform/automation/Unknown.h"

struct IDPMDevice;
struct IDPMDeviceSettings;
struct IDPMFileInfo;
struct IDPMFileList;

// Initialize's flags. The program passes 0: on a machine without any recorder the session makes the
// embedded default one, so that the program works out of the box.
enum DpmSessionFlags : LONG {
  // For a tool that must not change what it looks at: the session makes no recorder.
  dpmSessionNoDefaultRecorder = 0x1,
  // SetDeviceSettings checks a settings object exactly as a commit does and stores nothing: the
  // answer a dry run reports.
  dpmSessionCheckCommitsOnly = 0x2,
  // For a tool that takes no button presses or barcode scans: the session leaves the recorders'
  // requests to the program's session, which would otherwise lose those the tool took first.
  dpmSessionLeaveRequests = 0x4,
};

struct IDPMControl : IDispatch {
  static constexpr IID kIid = IID_IDPMControl;

  // Starts the device session with DpmSessionFlags (the program passes 0); an unknown flag gives
  // E_INVALIDARG. May be called again; the first call's flags hold until Deinitialize.
  virtual HRESULT Initialize(LONG flags) = 0;
  virtual HRESULT Deinitialize() = 0;
  // 0 disconnected, 1 connected, 2 ready.
  virtual HRESULT get_DeviceStatus(LONG* status) = 0;
  // 0 none, 1 connected.
  virtual HRESULT get_BarcodeScannerStatus(LONG* status) = 0;
  // The recorder with this index (0 is the first connected one); dpmCtrlNoDeviceConnected if none.
  virtual HRESULT GetDevice(LONG index, IDPMDevice** device) = 0;

  // Reads a settings file into a new detached settings object; nothing changes on failure.
  virtual HRESULT ImportSettings(BSTR path, IDPMDeviceSettings** settings) = 0;
  // Writes a settings object to a file (replacing it whole, or not at all).
  virtual HRESULT ExportSettings(BSTR path, IDPMDeviceSettings* settings) = 0;

  virtual HRESULT Copy(BSTR source, BSTR destination, VARIANT_BOOL delayed) = 0;
  virtual HRESULT Move(BSTR source, BSTR destination, VARIANT_BOOL delayed) = 0;
  virtual HRESULT Delete(BSTR source, VARIANT_BOOL delayed) = 0;
  // format: 0 PCM 16 kHz, 1 PCM 8 kHz, 2 and 3 CELP 16 and 8 kHz, 4 SyCom CELP, 5 the custom format.
  virtual HRESULT Convert(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed) = 0;
  virtual HRESULT Decrypt(BSTR source, BSTR destination, LONG format, VARIANT_BOOL delayed,
                          BSTR password) = 0;
  virtual HRESULT SeparateSpokenInstructions(BSTR source, BSTR destination, VARIANT_BOOL isDictation,
                                             VARIANT_BOOL isInstruction, VARIANT_BOOL delayed) = 0;
  // recordingMode: the recording modes 0 to 5 of the recording format list; -1 for none chosen.
  virtual HRESULT NewFile(BSTR path, BSTR password, LONG recordingMode) = 0;
  // The custom conversion format: VT_ARRAY|VT_UI1, the bytes of a wave format block. Borrowed.
  virtual HRESULT put_CustomFormat(VARIANT* format) = 0;
  virtual HRESULT StartDelayedTasks() = 0;
  // Cancels running and queued tasks; reason is the code they end with (dpmCtrlOperationCancelled).
  virtual HRESULT CancelTasks(HRESULT reason) = 0;

  virtual HRESULT get_IDPMFileInfo(BSTR path, IDPMFileInfo** info) = 0;
  virtual HRESULT get_FileList(IDPMFileList** list) = 0;

 protected:
  ~IDPMControl() = default;
};
