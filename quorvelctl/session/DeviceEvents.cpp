// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/session/DeviceEvents.h"

#include <algorithm>

#include "device/DpmEventArgs.h"
#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "platform/automation/Variant.h"
#include "quorvelctl/cli/TextCodec.h"

CDeviceEvents::CDeviceEvents()
    : m_wanted{DPMEventDeviceConnected, DPMEventDeviceDisconnected, DPMEventDeviceReady} {}

CDeviceEvents::~CDeviceEvents() { Detach(); }

HRESULT CDeviceEvents::Attach(IUnknown* control) {
  ComPtr<IConnectionPointContainer> container;
  HRESULT hr = control->QueryInterface(IidOf<IConnectionPointContainer>(), container.ReleaseAndGetVoidAddress());
  if (SUCCEEDED(hr)) hr = container->FindConnectionPoint(DIID__DDPMControlEvents, m_point.ReleaseAndGetAddressOf());
  if (SUCCEEDED(hr)) hr = m_point->Advise(this, &m_cookie);
  if (FAILED(hr)) m_point = nullptr;
  return hr;
}

void CDeviceEvents::Detach() {
  if (m_point) m_point->Unadvise(m_cookie);
  m_point = nullptr;
}

bool CDeviceEvents::Take(DeviceEvent* event) {
  if (m_events.empty()) return false;
  *event = std::move(m_events.front());
  m_events.pop_front();
  return true;
}

HRESULT CDeviceEvents::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != IidOf<IUnknown>() && iid != IidOf<IDispatch>() && iid != DIID__DDPMControlEvents) return E_NOINTERFACE;
  *out = static_cast<IDispatch*>(this);
  return S_OK;
}

HRESULT CDeviceEvents::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT CDeviceEvents::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT CDeviceEvents::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT CDeviceEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT* argError) {
  if (id < kFirstDpmEvent || id > kLastDpmEvent) return S_OK;
  if (std::find(m_wanted.begin(), m_wanted.end(), id) == m_wanted.end()) return S_OK;
  std::vector<DpmEventArg> args;
  if (HRESULT hr = DecodeDpmEventArgs(DpmEventDescription(id), params, &args, argError); FAILED(hr)) return hr;
  DeviceEvent event;
  event.id = id;
  if (id == DPMEventProgress) {
    // (text, percent, result)
    event.text = BstrToUtf8(Bstr(args[0].text).Get());
    event.percent = args[1].number;
    event.result = args[2].number;
  } else {
    event.device = args[0].number;
  }
  m_events.push_back(std::move(event));
  return S_OK;
}
