// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ClassFactory<T>: the class factory a module hands out from DllGetClassObject for one class.
//
//   HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
//     if (clsid != kMyClsid) return CLASS_E_CLASSNOTAVAILABLE;
//     return ClassFactory<MyObject>::Serve(iid, out, &g_moduleObjects);
//   }
//
// T is a ComObject default-constructible or constructible from the module counter (std::atomic<long>*).
#include <atomic>

#include "platform/automation/ComObject.h"

template <class T>
class ClassFactory : public ComObject<ClassFactory<T>, IClassFactory> {
 public:
  explicit ClassFactory(std::atomic<long>* moduleObjects = nullptr)
      : ComObject<ClassFactory<T>, IClassFactory>(moduleObjects), m_moduleObjects(moduleObjects) {}

  // A new factory asked for `iid`.
  static HRESULT Serve(REFIID iid, void** out, std::atomic<long>* moduleObjects = nullptr) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<ClassFactory> factory = MakeComObject<ClassFactory>(moduleObjects);
    if (!factory) return E_OUTOFMEMORY;
    return factory->QueryInterface(iid, out);
  }

  HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ComPtr<T> object = Make();
    if (!object) return E_OUTOFMEMORY;
    return object->QueryInterface(iid, out);
  }
  HRESULT LockServer(BOOL lock) override {
    if (m_moduleObjects) {
      if (lock)
        m_moduleObjects->fetch_add(1);
      else
        m_moduleObjects->fetch_sub(1);
    }
    return S_OK;
  }

 private:
  ComPtr<T> Make() {
    if constexpr (std::is_constructible_v<T, std::atomic<long>*>)
      return MakeComObject<T>(m_moduleObjects);
    else
      return MakeComObject<T>();
  }

  std::atomic<long>* m_moduleObjects;
};
