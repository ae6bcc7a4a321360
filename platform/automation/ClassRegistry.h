// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class registry of in-process servers.
//
// A module is a shared library exporting DllGetClassObject, DllRegisterServer and DllUnregisterServer.
// Registration writes one entry per class (class id -> module path) into the registry folder;
// CoCreateInstance reads it, loads the module and asks its class factory. The registry folder is the
// platform's: QUORVEL_REGISTRY names it, otherwise it is "registry" beside the running program.
//
// Since the folder can come from the environment, nothing in it is taken on trust: module paths must
// be absolute, and an entry or module that a user other than root or this one could have changed is
// refused (internal/FileTrust.h), as the dynamic loader's secure mode refuses such libraries.
#include <string>
#include <string_view>

#include "platform/automation/Unknown.h"

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
constexpr DWORD CLSCTX_ALL = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER |
                             CLSCTX_REMOTE_SERVER;

// REGDB_E_CLASSNOTREG: no entry. REGDB_E_UNSAFEENTRY: the entry, or its folder, is writable by others
// or owned by another user. CO_E_BAD_PATH: the entry names a module by a relative path.
// CO_E_UNSAFEMODULE: the module, or its folder, is writable by others or owned by another user.
// CO_E_DLLNOTFOUND: the module cannot be loaded. CO_E_ERRORINDLL: it lacks DllGetClassObject.
// CLASS_E_NOAGGREGATION: outer given. Otherwise what the factory answers.
// Only in-process servers exist: a context without CLSCTX_INPROC_SERVER finds nothing (REGDB_E_CLASSNOTREG).
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out);
HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* reserved, REFIID iid, void** out);

std::string RegistryFolder();
// E_INVALIDARG for an empty path or a line break; CO_E_BAD_PATH for a relative path.
HRESULT RegisterClassEntry(REFCLSID clsid, std::string_view modulePath, std::string_view name);
HRESULT UnregisterClassEntry(REFCLSID clsid);
// The path of the loaded module that holds the given address (for a module's DllRegisterServer).
std::string ModulePathOf(const void* addressInModule);

// Loads a module exactly as CoGetClassObject loads a server (an absolute path, the trust checks above,
// once per process), for the helper modules a server loads itself. S_OK and the handle, or
// CO_E_BAD_PATH, CO_E_UNSAFEMODULE, CO_E_DLLNOTFOUND. The module stays loaded.
HRESULT LoadTrustedModule(const std::string& path, void** module);
void* FindTrustedModuleExport(void* module, const char* name);

// What regsvr does: load the module (by its absolute path, with the checks above) and call its
// DllRegisterServer or DllUnregisterServer.
HRESULT RegisterServerModule(std::string_view modulePath, bool unregister);

// The exports of a module, for its own declarations.
extern "C" {
using DllGetClassObjectFn = HRESULT (*)(REFCLSID clsid, REFIID iid, void** out);
using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();
}
