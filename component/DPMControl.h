#pragma once
// IDPMControl: the component's main object. It holds the device session and the connection point of
// _DDPMControlEvents; events go out through the apartment's dispatcher captured at creation.
// The dictation-file tasks belong to a later part of the component and answer E_NOTIMPL for now.
#include <memory>

#include "component/DualInterface.h"
#include "component/EventChannel.h"
#include "component/Session.h"
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

  HRESULT Copy(BSTR, BSTR, VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT Move(BSTR, BSTR, VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT Delete(BSTR, VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT Convert(BSTR, BSTR, LONG, VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT Decrypt(BSTR, BSTR, LONG, VARIANT_BOOL, BSTR) override { return E_NOTIMPL; }
  HRESULT SeparateSpokenInstructions(BSTR, BSTR, VARIANT_BOOL, VARIANT_BOOL, VARIANT_BOOL) override {
    return E_NOTIMPL;
  }
  HRESULT NewFile(BSTR, BSTR, LONG) override { return E_NOTIMPL; }
  HRESULT put_CustomFormat(VARIANT*) override { return E_NOTIMPL; }
  HRESULT StartDelayedTasks() override { return E_NOTIMPL; }
  HRESULT CancelTasks(HRESULT) override { return E_NOTIMPL; }
  HRESULT get_IDPMFileInfo(BSTR, IDPMFileInfo** info) override;
  HRESULT get_FileList(IDPMFileList** list) override;

  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

 private:
  std::atomic<long>* m_moduleObjects;
  ComPtr<ConnectionPointImpl> m_point;
  std::shared_ptr<EventChannel> m_events;
  std::unique_ptr<Session> m_session;
};
