#include "device/EventSink.h"

#include <charconv>
#include <new>

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

const VARIANT& Dereferenced(const VARIANT& v) {
  if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal) return *v.pvarVal;
  return v;
}

// A number as the declared VT_I4, the way the platform coerces: integers and booleans directly,
// decimal text parsed whole.
bool ToLong(const VARIANT& v, LONG* out) {
  switch (v.vt) {
    case VT_I4: case VT_INT: case VT_UI4: case VT_ERROR: case VT_HRESULT: *out = v.lVal; return true;
    case VT_I2: *out = v.iVal; return true;
    case VT_BOOL: *out = v.boolVal; return true;
    case VT_UI1: *out = v.bVal; return true;
    case VT_EMPTY: *out = 0; return true;
    case VT_BYREF | VT_I4: if (!v.plVal) return false; *out = *v.plVal; return true;
    case VT_BSTR: {
      const std::string text = BstrToAnsi(v.bstrVal);
      const char* end = text.data() + text.size();
      auto [ptr, ec] = std::from_chars(text.data(), end, *out);
      return ec == std::errc() && ptr == end && !text.empty();
    }
    default: return false;
  }
}

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
    std::vector<Arg> args;
    HRESULT hr = CoerceArgs(info, params, &args, argError);
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

HRESULT CEventSink::CoerceArgs(const FunctionDescription& info, const DISPPARAMS* params,
                               std::vector<Arg>* args, UINT* argError) {
  const UINT count = params ? params->cArgs : 0;
  if (count != info.paramTypes.size()) return DISP_E_BADPARAMCOUNT;
  if (count > 0 && !params->rgvarg) return E_POINTER;
  args->resize(count);
  for (UINT k = 0; k < count; ++k) {
    // Arguments stand in reverse order: the first declared one is the last in rgvarg.
    const UINT position = count - 1 - k;
    const VARIANT& v = Dereferenced(params->rgvarg[position]);
    Arg& arg = (*args)[k];
    bool ok = false;
    if (info.paramTypes[k] == VT_BSTR) {
      if (v.vt == VT_BSTR || v.vt == (VT_BYREF | VT_BSTR)) {
        const BSTR text = v.vt == VT_BSTR ? v.bstrVal : (v.pbstrVal ? *v.pbstrVal : nullptr);
        arg.isNull = text == nullptr;
        arg.text = BstrToAnsi(text);
        ok = true;
      } else if (v.vt == VT_EMPTY) {
        ok = true;
      } else if (ToLong(v, &arg.number)) {
        arg.text = Decimal(arg.number);
        ok = true;
      }
    } else {
      ok = ToLong(v, &arg.number);
    }
    if (!ok) {
      if (argError) *argError = position;
      return DISP_E_TYPEMISMATCH;
    }
  }
  return S_OK;
}

void CEventSink::Dispatch(DISPID id, const std::vector<Arg>& a) {
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

void CEventSink::OnProgress(const Arg& text, LONG a, LONG b) {
  m_pDlg->LogEvent("DPMEventProgress(" + (text.isNull ? std::string("(null)") : text.text) + ", " +
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

void CEventSink::OnBarcodeStringScanned(LONG n, const Arg& code) {
  m_pDlg->LogEvent("[" + Decimal(n) + "] DPMEventBarcodeStringScanned: " +
                   (code.isNull ? std::string("(null)") : code.text));
}
