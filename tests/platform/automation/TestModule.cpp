// SPDX-License-Identifier: GPL-3.0-or-later
// A complete in-process server with one class, for the class-registry tests.
#include <atomic>

#include "platform/automation/ClassFactory.h"
#include "platform/automation/ClassRegistry.h"
#include "tests/platform/automation/TestInterfaces.h"

namespace {

std::atomic<long> g_objects{0};

class TestCounter : public ComObject<TestCounter, ITestCounter> {
 public:
  explicit TestCounter(std::atomic<long>* objects) : ComObject(objects) {}
  HRESULT Increment() override {
    ++m_value;
    return S_OK;
  }
  HRESULT get_Value(LONG* value) override {
    if (!value) return E_POINTER;
    *value = m_value;
    return S_OK;
  }

 private:
  LONG m_value = 0;
};

}  // namespace

extern "C" {

long TestModuleLiveObjects() { return g_objects.load(); }

HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_TestCounter) return CLASS_E_CLASSNOTAVAILABLE;
  return ClassFactory<TestCounter>::Serve(iid, out, &g_objects);
}

HRESULT DllRegisterServer() {
  return RegisterClassEntry(CLSID_TestCounter, ModulePathOf(reinterpret_cast<const void*>(&DllRegisterServer)),
                            "Quorvel.TestCounter");
}

HRESULT DllUnregisterServer() { return UnregisterClassEntry(CLSID_TestCounter); }

}  // extern "C"
