// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/objects/DPMControl.h"

#include "component/files/FileTaskRunner.h"
#include "component/models/TextRules.h"
#include "component/objects/DPMDevice.h"
#include "component/objects/DPMDeviceSettings.h"
#include "component/recorders/FileAccess.h"
#include "component/settings/SettingsJson.h"
#include "device/DpmIds.h"
#include "device/DpmResults.h"

DPMControl::DPMControl(std::atomic<long>* moduleObjects)
    : ComObject(moduleObjects),
      m_moduleObjects(moduleObjects),
      m_point(MakeComObject<ConnectionPointImpl>(DIID__DDPMControlEvents,
                                                 static_cast<IConnectionPointContainer*>(this), moduleObjects)),
      m_events(std::make_shared<EventChannel>(CoGetApartmentDispatcher(), m_point)),
      m_session(std::make_unique<Session>(m_events)),
      m_tasks(std::make_unique<FileTaskQueue>(
          [this](const std::string& text, LONG percent, HRESULT result) { ReportProgress(text, percent, result); },
          &RunFileTask)) {}

DPMControl::~DPMControl() {
  m_tasks.reset();  // the worker reports through the channel: it ends first
  m_session.reset();
  m_events->Close();
}

HRESULT DPMControl::Initialize(LONG flags) {
  if (!m_events->Dispatcher()) return CO_E_NOTINITIALIZED;  // made outside an apartment: no events
  if (flags & ~(dpmSessionNoDefaultRecorder | dpmSessionCheckCommitsOnly | dpmSessionLeaveRequests)) return E_INVALIDARG;
  return m_session->Initialize(flags);
}

HRESULT DPMControl::Deinitialize() { return m_session->Deinitialize(); }

HRESULT DPMControl::get_DeviceStatus(LONG* status) {
  if (!status) return E_POINTER;
  *status = m_session->IsInitialized() ? m_session->DeviceStatus() : 0;
  return S_OK;
}

HRESULT DPMControl::get_BarcodeScannerStatus(LONG* status) {
  if (!status) return E_POINTER;
  *status = m_session->IsInitialized() ? m_session->BarcodeScannerStatus() : 0;
  return S_OK;
}

HRESULT DPMControl::GetDevice(LONG index, IDPMDevice** device) {
  if (!device) return E_POINTER;
  *device = nullptr;
  std::shared_ptr<RecorderLink> link;
  if (HRESULT hr = m_session->Device(index, &link); FAILED(hr)) return hr;
  ComPtr<DPMDevice> object = MakeComObject<DPMDevice>(m_moduleObjects, std::move(link));
  if (!object) return E_OUTOFMEMORY;
  *device = object.Detach();
  return S_OK;
}

HRESULT DPMControl::ImportSettings(BSTR path, IDPMDeviceSettings** settings) {
  if (!settings) return E_POINTER;
  *settings = nullptr;
  std::string text;
  if (HRESULT hr = ReadWholeFile(PathOf(path), kMaxSettingsFileBytes, &text); FAILED(hr)) return hr;
  auto holder = std::make_shared<SettingsHolder>();
  if (HRESULT hr = SettingsFromJson(text, &holder->settings); FAILED(hr)) return hr;
  holder->model = FindRecorderModel(holder->settings.deviceType);
  ComPtr<DPMDeviceSettings> object = MakeComObject<DPMDeviceSettings>(m_moduleObjects, std::move(holder));
  if (!object) return E_OUTOFMEMORY;
  *settings = object.Detach();
  return S_OK;
}

HRESULT DPMControl::ExportSettings(BSTR path, IDPMDeviceSettings* settings) {
  if (!settings) return E_POINTER;
  std::shared_ptr<SettingsHolder> holder = HolderOf(settings);
  if (!holder) return E_INVALIDARG;
  return WriteFileAtomically(PathOf(path), SettingsToJson(holder->settings));
}

HRESULT DPMControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (iid != DIID__DDPMControlEvents || !m_point) return CONNECT_E_NOCONNECTION;
  return m_point->QueryInterface(IidOf<IConnectionPoint>(), reinterpret_cast<void**>(point));
}
