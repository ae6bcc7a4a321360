#include "platform/automation/internal/ModuleLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <mutex>

namespace {

std::mutex g_mutex;
std::map<std::string, void*>& LoadedModules() {
  static std::map<std::string, void*> modules;
  return modules;
}

}  // namespace

HRESULT LoadServerModule(const std::string& path, void** module) {
  *module = nullptr;
  std::error_code error;
  // Only a real file: dlopen would otherwise search the library path for a bare name.
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return CO_E_DLLNOTFOUND;
  std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
  if (error) return CO_E_DLLNOTFOUND;
  std::lock_guard lock(g_mutex);
  auto found = LoadedModules().find(absolute);
  if (found != LoadedModules().end()) {
    *module = found->second;
    return S_OK;
  }
  void* handle = ::dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return CO_E_DLLNOTFOUND;
  LoadedModules().emplace(absolute, handle);
  *module = handle;
  return S_OK;
}

void* FindModuleExport(void* module, const char* name) { return ::dlsym(module, name); }
