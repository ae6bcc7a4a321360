// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One connected recorder.
#include "device/DpmIds.h"
#include "platform/automation/Unknown.h"

struct IDPMDeviceSettings;
struct IDPMCapabilities;

struct IDPMDevice : IDispatch {
  static constexpr IID kIid = IID_IDPMDevice;

  // A new detached copy of the recorder's settings; the caller releases it.
  virtual HRESULT GetDeviceSettings(IDPMDeviceSettings** settings) = 0;
  // Commits a settings object to the recorder; the recorder keeps its old settings on failure.
  virtual HRESULT SetDeviceSettings(IDPMDeviceSettings* settings) = 0;
  virtual HRESULT GetCapabilities(IDPMCapabilities** capabilities) = 0;
  // The model id; 26 and above are DPM4 recorders.
  virtual HRESULT GetDeviceType(LONG* type) = 0;
  // Sets the recorder's clock; the component chooses the time source.
  virtual HRESULT SynchronizeDateTime() = 0;
  // Erases the recorder's memory card.
  virtual HRESULT FormatCard() = 0;

  virtual HRESULT GetFreeDiskSpace(LONG* space) = 0;
  virtual HRESULT GetFirmwareVersion(BSTR* version) = 0;
  virtual HRESULT GetMACAddress(BSTR* address) = 0;
  virtual HRESULT GetDriveLetter(BSTR* drive) = 0;
  virtual HRESULT get_FileCount(LONG* count) = 0;
  virtual HRESULT PutWelcomeScreen(BSTR path) = 0;
  virtual HRESULT DisplayScreen(BSTR path) = 0;
  // led 0 or 1; state 0 off, 1 on, 2 blinking slowly, 3 blinking fast.
  virtual HRESULT SetLED(LONG led, LONG state) = 0;
  // A button code as the button event gives it.
  virtual HRESULT GetLastButtonEvent(LONG* button) = 0;
  virtual HRESULT GetOEMString(BSTR* text) = 0;
  virtual HRESULT GetBuildNumber(LONG* build) = 0;
  virtual HRESULT GetPUKSet(VARIANT_BOOL* set) = 0;
  virtual HRESULT SetPUK(BSTR puk) = 0;
  virtual HRESULT SetPIN(BSTR puk, BSTR pin) = 0;
  virtual HRESULT SetEncryptionPassword(BSTR oldKey, BSTR password) = 0;
  virtual HRESULT DeleteDeviceFile(BSTR name) = 0;
  // prefix and postfix: VT_ARRAY|VT_I4 with two dimensions, dimension 1 of two elements (the two
  // numbers of a pair), dimension 2 one per pair, both from 0; Set takes exactly 10 pairs.
  // Get fills variants the caller clears; Set borrows the caller's.
  virtual HRESULT GetBarcodeKeyboardLayout(LONG* layout, VARIANT* prefix, VARIANT* postfix) = 0;
  virtual HRESULT SetBarcodeKeyboardLayout(LONG layout, VARIANT* prefix, VARIANT* postfix) = 0;

 protected:
  ~IDPMDevice() = default;
};
