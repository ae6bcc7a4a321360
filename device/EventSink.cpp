// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/EventSink.h"

#include <new>

#include "device/DpmEventArgs.h"
#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/Variant.h"

namespace {

std::string Decimal(LONG n) { return std::to_string(n); }

HRESULT FindEventPoint(IUnknown* control, ComPtr<IConnectionPoint>* point) {
  if (!control) return E_POINTER;
  ComPtr<IConnectionPointContainer> container;
  HRESULT hr = control->QueryInterface(IidOf<IConnectionPointContainer>(),
                                       container.ReleaseAndGetVoidAddress());
  if (FAILED(hr)) return hr;
  return container->FindConnectionPoint(DIID__DDPMControlEvents, point->ReleaseAndGetAddressOf());
}

std::string Narrow(const DpmEventArg& text) { return text.isNull ? std::string("(null)") : WideToAnsi(text.text); }

}  // namespace

CEventSink::CEventSink(IEventLogTarget* dlg) : m_pDlg(dlg) {}

CEventSink::~CEventSink() = default;

HRESULT CEventSink::Attach(IUnknown* control) {
  if (!control) return E_POINTER;
  if (m_cookie != kUnattachedCookie) return E_UNEXPECTED;
  ComPtr<IConnectionPoint> point;
  HRESULT hr = FindEventPoint(control, &point);
  if (FAILED(hr)) return hr;
  DWORD cookie = 0;
  hr = point->Advise(static_cast<IDispatch*>(this), &cookie);
  if (SUCCEEDED(hr)) m_cookie = cookie;
  return hr;
}

HRESULT CEventSink::Detach(IUnknown* control) {
  if (m_cookie == kUnattachedCookie) return CONNECT_E_NOCONNECTION;
  ComPtr<IConnectionPoint> point;
  HRESULT hr = FindEventPoint(control, &point);
  if (SUCCEEDED(hr)) hr = point->Unadvise(m_cookie);
  m_cookie = kUnattachedCookie;
  return hr;
}

HRESULT CEventSink::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IidOf<IUnknown>() || iid == IidOf<IDispatch>() || iid == DIID__DDPMControlEvents) {
    *out = static_cast<IDispatch*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT CEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT CEventSink::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  HRESULT hr = LoadTypeInfo();
  if (FAILED(hr)) return hr;
  return m_typeInfo.CopyTo(info);
}

HRESULT CEventSink::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  HRESULT hr = LoadTypeInfo();
  if (FAILED(hr)) return hr;
  return m_typeInfo->GetIDsOfNames(names, count, ids);
}

HRESULT CEventSink::LoadTypeInfo() {
  if (m_typeInfo) return S_OK;
  ComPtr<ITypeLib> lib;
  HRESULT hr = LoadRegTypeLib(LIBID_DPMCONTROLLib, kDpmControlLibMajor, kDpmControlLibMinor, 0,
                              lib.ReleaseAndGetAddressOf());
  if (FAILED(hr)) return hr;
  return lib->GetTypeInfoOfGuid(DIID__DDPMControlEvents, m_typeInfo.ReleaseAndGetAddressOf());
}

HRESULT CEventSink::GetFuncInfoFromId(DISPID id, FunctionDescription* info) {
  if (!info) return E_POINTER;
  if (id < kFirstDpmEvent || id > kLastDpmEvent) return TYPE_E_ELEMENTNOTFOUND;
  if (id == DPMEventButton) {
    *info = {id, std::string(DpmEventName(id)), CC_STDCALL, VT_I4, {VT_I4, VT_I4}};
    return S_OK;
  }
  HRESULT hr = LoadTypeInfo();
  if (FAILED(hr)) return hr;
  return m_typeInfo->GetFunction(id, info);
}

HRESULT CEventSink::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* exception, UINT* argError) {
  if (id < kFirstDpmEvent || id > kLastDpmEvent) return S_OK;
  FunctionDescription info;
  // Without the library the event cannot be read; it is dropped as the platform would drop it.
  if (FAILED(GetFuncInfoFromId(id, &info))) return S_OK;
  try {
    std::vector<DpmEventArg> args;
    HRESULT hr = DecodeDpmEventArgs(info, params, &args, argError);
    if (FAILED(hr)) return hr;
    Dispatch(id, args);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;  // never let an exception cross back into the component
  }
  if (result) {
    VariantClear(result);
    result->vt = VT_I4;
    result->lVal = 0;
  }
  return S_OK;
}

void CEventSink::Dispatch(DISPID id, const std::vector<DpmEventArg>& a) {
  switch (id) {
    case DPMEventDeviceConnected: OnDeviceConnected(a[0].number); break;
    case DPMEventDeviceDisconnected: OnDeviceDisconnected(a[0].number); break;
    case DPMEventProgress: OnProgress(a[0], a[1].number, a[2].number); break;
    case DPMEventButton: OnButton(a[0].number, a[1].number); break;
    case DPMEventResult: OnResult(a[0].number, a[1].number); break;
    case DPMEventDeviceReady: OnDeviceReady(a[0].number); break;
    case DPMEventBarcodeScanned: OnBarcodeScanned(a[0].number); break;
    case DPMEventBarcodeStringScanned: OnBarcodeStringScanned(a[0].number, a[1]); break;
    default: break;
  }
}

void CEventSink::OnDeviceConnected(LONG n) {
  ++m_nConnectedDevices;
  m_pDlg->LogEvent("DPMEventDeviceConnected(" + Decimal(n) + ")");
}

void CEventSink::OnDeviceDisconnected(LONG n) {
  --m_nConnectedDevices;
  m_pDlg->LogEvent("DPMEventDeviceDisconnected(" + Decimal(n) + ")");
}

void CEventSink::OnProgress(const DpmEventArg& text, LONG a, LONG b) {
  m_pDlg->LogEvent("DPMEventProgress(" + Narrow(text) + ", " +
                   Decimal(a) + ", " + Decimal(b) + ")");
  if (a == 100) m_pDlg->RefreshFileLists();
  for (int look = 0; look < kMessagesPerProgressEvent; ++look) m_pDlg->DispatchQueuedMessage();
}

void CEventSink::OnButton(LONG n, LONG button) {
  m_pDlg->LogEvent("[" + Decimal(n) + "] " + m_pDlg->GetButtonName(button));
}

// A result raises the count just as a connect does.
void CEventSink::OnResult(LONG n, HRESULT result) {
  ++m_nConnectedDevices;
  m_pDlg->LogEvent("[" + Decimal(n) + "] " + m_pDlg->GetResultName(result));
}

void CEventSink::OnDeviceReady(LONG n) { m_pDlg->LogEvent("DPMEventDeviceReady(" + Decimal(n) + ")"); }

void CEventSink::OnBarcodeScanned(LONG n) {
  m_pDlg->LogEvent("[" + Decimal(n) + "] DPMEventBarcodeScanned");
}

void CEventSink::OnBarcodeStringScanned(LONG n, const DpmEventArg& code) {
  m_pDlg->LogEvent("[" + Decimal(n) + "] DPMEventBarcodeStringScanned: " + Narrow(code));
}
