// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/session/ControlSession.h"

#include "device/DpmIds.h"
#include "device/DpmResults.h"
#include "platform/automation/Apartment.h"
#include "platform/automation/ClassRegistry.h"
#include "quorvelctl/cli/TextCodec.h"

CControlSession::~CControlSession() {
  if (m_control && m_started) m_control->Deinitialize();
  m_control = nullptr;
  if (m_apartment) CoUninitialize();
}

HRESULT CControlSession::Create() {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(init)) return init;
  m_apartment = true;
  return CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl, m_control.ReleaseAndGetVoidAddress());
}

HRESULT CControlSession::Start() {
  if (m_started) return S_OK;
  if (!m_control) return E_POINTER;
  // It shows no button presses or scans, so it leaves them to a running program's session.
  const LONG flags =
      dpmSessionNoDefaultRecorder | dpmSessionLeaveRequests | (m_checkCommitsOnly ? dpmSessionCheckCommitsOnly : 0);
  const HRESULT hr = m_control->Initialize(flags);
  m_started = SUCCEEDED(hr);
  return hr;
}

HRESULT CControlSession::Device(LONG index, ComPtr<IDPMDevice>* out) {
  if (HRESULT hr = Start(); FAILED(hr)) return hr;
  return m_control->GetDevice(index, out->ReleaseAndGetAddressOf());
}

HRESULT CControlSession::DeviceCount(LONG* count) {
  *count = 0;
  for (;;) {
    ComPtr<IDPMDevice> device;
    const HRESULT hr = Device(*count, &device);
    if (hr == dpmCtrlNoDeviceConnected) return S_OK;
    if (FAILED(hr)) return hr;
    ++*count;
  }
}

HRESULT CControlSession::Import(const std::string& path, ComPtr<IDPMDeviceSettings>* out) {
  std::optional<Bstr> wide = Utf8ToBstr(path);
  if (!wide) return E_INVALIDARG;
  return m_control->ImportSettings(wide->Get(), out->ReleaseAndGetAddressOf());
}

HRESULT CControlSession::Export(const std::string& path, IDPMDeviceSettings* settings) {
  std::optional<Bstr> wide = Utf8ToBstr(path);
  if (!wide) return E_INVALIDARG;
  return m_control->ExportSettings(wide->Get(), settings);
}
