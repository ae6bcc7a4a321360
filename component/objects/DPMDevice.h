// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IDPMDevice: one connected recorder. Every call first checks that the recorder is still connected
// (dpmCtrlNoDeviceConnected once it is unplugged, dpmCtrlNotInitialized after the session ended) and
// then works on its folder; a call that fails writes nothing.
#include <memory>

#include "component/objects/DualInterface.h"
#include "component/recorders/RecorderFolder.h"
#include "component/session/RecorderLink.h"
#include "device/IDPMDevice.h"
#include "platform/automation/ComObject.h"

class DPMDevice : public ComObject<DPMDevice, DualInterface<IDPMDevice>> {
 public:
  DPMDevice(std::atomic<long>* moduleObjects, std::shared_ptr<RecorderLink> link)
      : ComObject(moduleObjects), m_moduleObjects(moduleObjects), m_link(std::move(link)) {}

  HRESULT GetDeviceSettings(IDPMDeviceSettings** settings) override;
  HRESULT SetDeviceSettings(IDPMDeviceSettings* settings) override;
  HRESULT GetCapabilities(IDPMCapabilities** capabilities) override;
  HRESULT GetDeviceType(LONG* type) override;
  // The recorder's clock is set to the computer's local time.
  HRESULT SynchronizeDateTime() override;
  HRESULT FormatCard() override;
  // In KiB.
  HRESULT GetFreeDiskSpace(LONG* space) override;
  HRESULT GetFirmwareVersion(BSTR* version) override;
  HRESULT GetMACAddress(BSTR* address) override;
  // The folder that stands for the recorder's drive.
  HRESULT GetDriveLetter(BSTR* drive) override;
  // The dictation files (*.dss, *.ds2) on the card.
  HRESULT get_FileCount(LONG* count) override;
  // A BMP image (at most 256 KiB); dpmCtrlNotSupported on recorders with the classic display only.
  HRESULT PutWelcomeScreen(BSTR path) override;
  HRESULT DisplayScreen(BSTR path) override;
  HRESULT SetLED(LONG led, LONG state) override;
  // -1 while no button has been pressed.
  HRESULT GetLastButtonEvent(LONG* button) override;
  HRESULT GetOEMString(BSTR* text) override;
  HRESULT GetBuildNumber(LONG* build) override;
  // Security codes: the rules are in SecurityCodes.h.
  HRESULT GetPUKSet(VARIANT_BOOL* set) override;
  HRESULT SetPUK(BSTR puk) override;
  HRESULT SetPIN(BSTR puk, BSTR pin) override;
  HRESULT SetEncryptionPassword(BSTR oldKey, BSTR password) override;
  // Deletes a card file and its companion.
  HRESULT DeleteDeviceFile(BSTR name) override;
  // Recorders with a barcode reader only. Pairs are (modifier, key code), each 0 to 255.
  HRESULT GetBarcodeKeyboardLayout(LONG* layout, VARIANT* prefix, VARIANT* postfix) override;
  HRESULT SetBarcodeKeyboardLayout(LONG layout, VARIANT* prefix, VARIANT* postfix) override;

 private:
  // S_OK while the recorder is connected and its folder still there.
  HRESULT CheckConnected() const;
  HRESULT LoadState(RecorderState* state) const;
  HRESULT LoadIdentity(RecorderIdentity* identity) const;
  // One text of the recorder's identity as a new string (firmware, MAC address, OEM string).
  HRESULT GetIdentityText(std::string RecorderIdentity::*field, BSTR* text) const;
  HRESULT PutImage(BSTR path, bool welcome);
  RecorderFolder Folder() const { return RecorderFolder(m_link->path); }
  const RecorderModel& Model() const { return *m_link->model; }

  std::atomic<long>* m_moduleObjects;
  std::shared_ptr<RecorderLink> m_link;
};
