// SPDX-License-Identifier: GPL-3.0-or-later
// The module's exports: the class factory, registration and unloading. The tests' build of the module
// adds TestHooks.cpp.
#include <atomic>

#include "component/objects/DPMControl.h"
#include "component/module/ModuleObjects.h"
#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "platform/automation/ClassFactory.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/TypeLib.h"

#define DPMCTRL_EXPORT extern "C" __attribute__((visibility("default")))

std::atomic<long>* ModuleObjectCounter() {
  static std::atomic<long> objects{0};
  return &objects;
}

DPMCTRL_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_DPMControl) return CLASS_E_CLASSNOTAVAILABLE;
  return ClassFactory<DPMControl>::Serve(iid, out, ModuleObjectCounter());
}

namespace {
// An address inside this module that no other module can interpose: the exported entry points may
// resolve to another loaded module's when that one also exports them.
void AnchorInThisModule() {}
}  // namespace

DPMCTRL_EXPORT HRESULT DllRegisterServer() {
  const std::string module = ModulePathOf(reinterpret_cast<const void*>(&AnchorInThisModule));
  if (HRESULT hr = RegisterClassEntry(CLSID_DPMControl, module, "DPMControl Class"); FAILED(hr)) return hr;
  return RegisterTypeLib(DpmControlTypeLib());
}

DPMCTRL_EXPORT HRESULT DllUnregisterServer() {
  HRESULT classResult = UnregisterClassEntry(CLSID_DPMControl);
  HRESULT libResult = UnRegisterTypeLib(LIBID_DPMCONTROLLib, kDpmControlLibMajor, kDpmControlLibMinor, 0);
  return FAILED(classResult) ? classResult : libResult;
}

DPMCTRL_EXPORT HRESULT DllCanUnloadNow() { return ModuleObjectCounter()->load() == 0 ? S_OK : S_FALSE; }
