#include "quorvelctl/DeviceEvents.h"

#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "platform/automation/Variant.h"

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
  *event = m_events.front();
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
  if (id != DPMEventDeviceConnected && id != DPMEventDeviceDisconnected && id != DPMEventDeviceReady) return S_OK;
  if (!params || params->cArgs < 1) return DISP_E_BADPARAMCOUNT;
  // The device number is the first argument, which stands last.
  const VARIANT& device = params->rgvarg[params->cArgs - 1];
  if (device.vt != VT_I4) return DISP_E_TYPEMISMATCH;
  m_events.push_back({id, device.lVal});
  return S_OK;
}
