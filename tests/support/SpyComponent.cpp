// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/SpyComponent.h"

#include <algorithm>

#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/TypeLib.h"
#include "platform/automation/Variant.h"
#include "tests/support/SpyObjects.h"

namespace {

SpyComponent* g_installed = nullptr;
std::vector<SpyComponent*> g_spies;  // newest last; the factory serves the newest

class SpyClassFactory final : public IClassFactory {
 public:
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IidOf<IUnknown>() && iid != IidOf<IClassFactory>()) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  // Static object: its lifetime is the module's.
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (!g_installed) return CLASS_E_CLASSNOTAVAILABLE;
    ComPtr<IDPMControl> control = g_installed->CreateControl();
    if (!control) return E_OUTOFMEMORY;
    return control->QueryInterface(iid, out);
  }
  HRESULT LockServer(BOOL) override { return S_OK; }
};

SpyClassFactory g_factory;

}  // namespace

extern "C" HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_DPMControl) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT DllRegisterServer() { return SpyComponent::RegisterClass(); }

extern "C" HRESULT DllUnregisterServer() {
  UnRegisterTypeLib(LIBID_DPMCONTROLLib, kDpmControlLibMajor, kDpmControlLibMinor, 0);
  return UnregisterClassEntry(CLSID_DPMControl);
}

SpyComponent::SpyComponent() : m_state(std::make_shared<SpyState>()) {
  g_spies.push_back(this);
  g_installed = this;
}

SpyComponent::~SpyComponent() {
  g_spies.erase(std::remove(g_spies.begin(), g_spies.end(), this), g_spies.end());
  g_installed = g_spies.empty() ? nullptr : g_spies.back();
}

HRESULT SpyComponent::RegisterClassOnly() {
  return RegisterClassEntry(CLSID_DPMControl, ModulePathOf(reinterpret_cast<const void*>(&DllGetClassObject)),
                            "Quorvel spy component");
}

HRESULT SpyComponent::RegisterClass() {
  HRESULT hr = RegisterClassOnly();
  if (FAILED(hr)) return hr;
  return RegisterTypeLib(DpmControlTypeLib());
}

void SpyComponent::SetResult(std::string_view key, HRESULT result) {
  m_state->results[std::string(key)] = result;
}
void SpyComponent::SetValue(std::string_view key, LONG value) { m_state->values[std::string(key)] = value; }
void SpyComponent::SetValue(std::string_view key, std::string_view text) {
  m_state->values[std::string(key)] = std::string(text);
}
void SpyComponent::SetValue(std::string_view key, SpyPairs pairs) {
  m_state->values[std::string(key)] = std::move(pairs);
}
void SpyComponent::SetNullString(std::string_view key) { m_state->values[std::string(key)] = SpyNull{}; }

std::vector<std::string> SpyComponent::CallsTo(std::string_view name) const {
  std::vector<std::string> found;
  const std::string prefix = std::string(name) + "(";
  for (const std::string& call : m_state->calls)
    if (call.starts_with(prefix)) found.push_back(call);
  return found;
}

ComPtr<IDPMControl> SpyComponent::CreateControl() {
  ComPtr<IDPMControl> control;
  control.Attach(new (std::nothrow) SpyControl(m_state));
  return control;
}

std::size_t SpyComponent::SinkCount() const {
  std::size_t count = 0;
  for (SpyControl* control : m_state->controls) count += control->Sinks().size();
  return count;
}

HRESULT SpyComponent::Fire(DISPID id, std::initializer_list<EventArg> args) {
  std::vector<ComPtr<IDispatch>> sinks;
  for (SpyControl* control : m_state->controls)
    for (ComPtr<IDispatch>& sink : control->Sinks()) sinks.push_back(std::move(sink));

  std::vector<VARIANT> reversed(args.size());
  std::size_t position = args.size();
  for (const EventArg& arg : args) {
    VARIANT& v = reversed[--position];
    VariantInit(&v);
    if (const LONG* n = std::get_if<LONG>(&arg)) {
      v.vt = VT_I4;
      v.lVal = *n;
    } else {
      v.vt = VT_BSTR;
      v.bstrVal = std::holds_alternative<SpyNull>(arg) ? nullptr : AnsiToBstr(std::get<std::string>(arg));
    }
  }
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  HRESULT last = S_OK;
  for (const ComPtr<IDispatch>& sink : sinks) {
    VARIANT result;
    VariantInit(&result);
    UINT argError = 0;
    HRESULT hr = sink->Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, &argError);
    VariantClear(&result);
    if (FAILED(last)) continue;
    last = hr;
  }
  for (VARIANT& v : reversed) VariantClear(&v);
  return last;
}
