// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's COM module: a class table (empty, as the program serves no classes of its own) whose
// objects keep the application alive while they are in use.
#include <span>
#include <thread>
#include <vector>

#include "platform/automation/ComPtr.h"
#include "platform/automation/Unknown.h"

// One class the module could serve: its id, a name for the registry, and how to make its factory.
struct ModuleClassEntry {
  CLSID clsid;
  const char* name;
  HRESULT (*getClassObject)(REFIID iid, void** out);
};

class CMarnCtrlModule {
 public:
  // Records the table and the start-up thread.
  void Init(std::span<const ModuleClassEntry> classes, void* instance);
  void Term();

  // Registration of the classes in the table, and of the registration script (the program has
  // none, so only the classes count). Both act on every entry and report the first failure.
  HRESULT RegisterServer(UINT scriptId);
  HRESULT UnregisterServer(UINT scriptId);

  // Holds each class's factory for the run, so clients of the running program share one; this
  // platform has no system-wide table of class objects to publish them in.
  HRESULT RegisterClassObjects(DWORD context, DWORD flags);
  HRESULT RevokeClassObjects();

  // An object of the module is alive: the application must not end.
  LONG Lock();
  LONG Unlock();

  std::thread::id m_dwMainThreadID;

 private:
  std::span<const ModuleClassEntry> m_classes;
  void* m_instance = nullptr;
  std::vector<ComPtr<IUnknown>> m_classObjects;
};

// The registration flags of RegisterClassObjects, as the platform names them.
inline constexpr DWORD REGCLS_MULTIPLEUSE = 1;
