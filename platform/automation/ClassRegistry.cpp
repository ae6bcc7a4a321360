// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/ClassRegistry.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/automation/ComPtr.h"
#include "platform/automation/internal/FileTrust.h"
#include "platform/automation/internal/ModuleLoader.h"
#include "platform/automation/internal/RegistryFile.h"

namespace {

constexpr std::size_t kEntryLimit = 64 * 1024;

std::string ClassEntryPath(REFCLSID clsid) { return RegistryFolder() + "/classes/" + GuidToString(clsid); }

// An entry is "module=<path>" and "name=<name>" lines; the module line is required, the last one counts.
// (Plain splitting: a string stream would set up the locale machinery on the start-up path.)
std::optional<std::string> ModuleOfEntry(std::string_view content) {
  constexpr std::string_view kKey = "module=";
  std::optional<std::string> module;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    const std::string_view line = content.substr(0, end);
    if (line.substr(0, kKey.size()) == kKey) module = std::string(line.substr(kKey.size()));
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
  }
  if (!module || module->empty()) return std::nullopt;
  return module;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string RegistryFolder() {
  const char* configured = std::getenv("QUORVEL_REGISTRY");
  if (configured && *configured) return configured;
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "registry";
  return (exe.parent_path() / "registry").string();
}

HRESULT RegisterClassEntry(REFCLSID clsid, std::string_view modulePath, std::string_view name) {
  if (modulePath.empty() || HasLineBreak(modulePath) || HasLineBreak(name)) return E_INVALIDARG;
  if (modulePath.front() != '/') return CO_E_BAD_PATH;
  std::string content = "module=" + std::string(modulePath) + "\nname=" + std::string(name) + "\n";
  return WriteRegistryFile(ClassEntryPath(clsid), content) ? S_OK : REGDB_E_WRITEREGDB;
}

HRESULT UnregisterClassEntry(REFCLSID clsid) {
  switch (RemoveRegistryFile(ClassEntryPath(clsid))) {
    case 0: return S_OK;
    case 1: return REGDB_E_CLASSNOTREG;
    default: return REGDB_E_WRITEREGDB;
  }
}

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* reserved, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  // Only in-process servers exist here.
  if (!(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
  const std::string entryPath = ClassEntryPath(clsid);
  struct stat info {};
  std::optional<std::string> entry = ReadRegistryFile(entryPath, kEntryLimit, &info);
  if (!entry) return REGDB_E_CLASSNOTREG;
  if (!IsTrustedFile(info) || !IsTrustedFolderOf(entryPath)) return REGDB_E_UNSAFEENTRY;
  std::optional<std::string> modulePath = ModuleOfEntry(*entry);
  if (!modulePath) return REGDB_E_CLASSNOTREG;
  void* module = nullptr;
  HRESULT hr = LoadServerModule(*modulePath, &module);
  if (FAILED(hr)) return hr;
  auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(FindModuleExport(module, "DllGetClassObject"));
  if (!getClassObject) return CO_E_ERRORINDLL;
  return getClassObject(clsid, iid, out);
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  ComPtr<IClassFactory> factory;
  HRESULT hr = CoGetClassObject(clsid, context, nullptr, IidOf<IClassFactory>(), factory.ReleaseAndGetVoidAddress());
  if (FAILED(hr)) return hr;
  if (!factory) return E_UNEXPECTED;
  hr = factory->CreateInstance(nullptr, iid, out);
  if (FAILED(hr)) *out = nullptr;
  return hr;
}

std::string ModulePathOf(const void* addressInModule) {
  Dl_info info{};
  if (!::dladdr(addressInModule, &info) || !info.dli_fname) return {};
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(info.dli_fname, error);
  return error ? std::string(info.dli_fname) : path.lexically_normal().string();
}

HRESULT LoadTrustedModule(const std::string& path, void** module) {
  if (!module) return E_POINTER;
  return LoadServerModule(path, module);
}

void* FindTrustedModuleExport(void* module, const char* name) { return module ? FindModuleExport(module, name) : nullptr; }

HRESULT RegisterServerModule(std::string_view modulePath, bool unregister) {
  void* module = nullptr;
  HRESULT hr = LoadServerModule(std::string(modulePath), &module);
  if (FAILED(hr)) return hr;
  const char* name = unregister ? "DllUnregisterServer" : "DllRegisterServer";
  auto entryPoint = reinterpret_cast<DllRegisterServerFn>(FindModuleExport(module, name));
  if (!entryPoint) return CO_E_ERRORINDLL;
  return entryPoint();
}
