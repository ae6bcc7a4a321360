// SPDX-License-Identifier: GPL-3.0-or-later
// A module that registers a class but exports no DllGetClassObject.
#include "platform/automation/ClassRegistry.h"
#include "tests/platform/automation/TestInterfaces.h"

extern "C" HRESULT DllRegisterServer() {
  return RegisterClassEntry(CLSID_NoFactory, ModulePathOf(reinterpret_cast<const void*>(&DllRegisterServer)),
                            "Quorvel.NoFactory");
}
