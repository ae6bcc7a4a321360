// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MarnCtrlModule.h"

#include <string>

#include "platform/automation/ClassRegistry.h"
#include "platform/ui/WinApp.h"

namespace {

// An address inside this program, to find the file the registry entries name.
const char kModuleAnchor = 0;

void KeepFirstFailure(HRESULT hr, HRESULT* first) {
  if (FAILED(hr) && SUCCEEDED(*first)) *first = hr;
}

}  // namespace

void CMarnCtrlModule::Init(std::span<const ModuleClassEntry> classes, void* instance) {
  m_classes = classes;
  m_instance = instance;
  m_dwMainThreadID = std::this_thread::get_id();
}

void CMarnCtrlModule::Term() {
  m_classObjects.clear();
  m_classes = {};
  m_instance = nullptr;
}

HRESULT CMarnCtrlModule::RegisterServer(UINT scriptId) {
  HRESULT first = S_OK;
  const std::string module = ModulePathOf(&kModuleAnchor);
  for (const ModuleClassEntry& entry : m_classes) {
    KeepFirstFailure(RegisterClassEntry(entry.clsid, module, entry.name), &first);
  }
  return first;
}

HRESULT CMarnCtrlModule::UnregisterServer(UINT scriptId) {
  HRESULT first = S_OK;
  for (const ModuleClassEntry& entry : m_classes) KeepFirstFailure(UnregisterClassEntry(entry.clsid), &first);
  return first;
}

HRESULT CMarnCtrlModule::RegisterClassObjects(DWORD context, DWORD flags) {
  for (const ModuleClassEntry& entry : m_classes) {
    ComPtr<IUnknown> factory;
    const HRESULT hr = entry.getClassObject(IidOf<IClassFactory>(), factory.ReleaseAndGetVoidAddress());
    if (FAILED(hr)) {
      RevokeClassObjects();
      return hr;
    }
    m_classObjects.push_back(std::move(factory));
  }
  return S_OK;
}

HRESULT CMarnCtrlModule::RevokeClassObjects() {
  m_classObjects.clear();
  return S_OK;
}

LONG CMarnCtrlModule::Lock() {
  AfxOleLockApp();
  return 1;
}

LONG CMarnCtrlModule::Unlock() {
  AfxOleUnlockApp();
  return 0;
}
