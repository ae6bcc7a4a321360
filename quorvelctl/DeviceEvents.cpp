#include "quorvelctl/DeviceEvents.h"

#include <algorithm>

#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "platform/automation/Variant.h"
#include "quorvelctl/TextCodec.h"

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

HRESULT CDeviceEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  if (std::find(m_wanted.begin(), m_wanted.end(), id) == m_wanted.end()) return S_OK;
  if (!params) return DISP_E_BADPARAMCOUNT;
  DeviceEvent event;
  event.id = id;
  if (id == DPMEventProgress) {
    if (HRESULT hr = ReadProgress(*params, &event); FAILED(hr)) return hr;
  } else {
    if (params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
    // The device number is the first argument, which stands last.
    const VARIANT& device = params->rgvarg[params->cArgs - 1];
    if (device.vt != VT_I4) return DISP_E_TYPEMISMATCH;
    event.device = device.lVal;
  }
  m_events.push_back(std::move(event));
  return S_OK;
}

// (text, percent, result), which stand in reverse order.
HRESULT CDeviceEvents::ReadProgress(const DISPPARAMS& params, DeviceEvent* event) {
  if (params.cArgs != 3) return DISP_E_BADPARAMCOUNT;
  const VARIANT& text = params.rgvarg[2];
  const VARIANT& percent = params.rgvarg[1];
  const VARIANT& result = params.rgvarg[0];
  if (text.vt != VT_BSTR || percent.vt != VT_I4 || result.vt != VT_I4) return DISP_E_TYPEMISMATCH;
  event->text = BstrToUtf8(text.bstrVal);
  event->percent = percent.lVal;
  event->result = result.lVal;
  return S_OK;
}
