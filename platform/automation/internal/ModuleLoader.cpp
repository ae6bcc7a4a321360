// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/internal/ModuleLoader.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <mutex>

#include "platform/automation/internal/FileTrust.h"

namespace {

std::mutex g_mutex;
std::map<std::string, void*>& LoadedModules() {
  static std::map<std::string, void*> modules;
  return modules;
}

}  // namespace

HRESULT LoadServerModule(const std::string& path, void** module) {
  *module = nullptr;
  // A relative path would depend on the current folder, and dlopen would search the library path for
  // a bare name.
  if (path.empty() || path.front() != '/') return CO_E_BAD_PATH;
  std::error_code error;
  // The file itself is checked and loaded, so no link can be swapped in between.
  const std::string real = std::filesystem::canonical(path, error).string();
  struct stat info {};
  if (error || ::stat(real.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return CO_E_DLLNOTFOUND;
  if (!IsTrustedFile(info) || !IsTrustedFolderOf(real)) return CO_E_UNSAFEMODULE;
  std::lock_guard lock(g_mutex);
  auto found = LoadedModules().find(real);
  if (found != LoadedModules().end()) {
    *module = found->second;
    return S_OK;
  }
  void* handle = ::dlopen(real.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return CO_E_DLLNOTFOUND;
  LoadedModules().emplace(real, handle);
  *module = handle;
  return S_OK;
}

void* FindModuleExport(void* module, const char* name) { return ::dlsym(module, name); }
