// SPDX-License-Identifier: GPL-3.0-or-later
#include <dlfcn.h>

#include <filesystem>
#include <mutex>

#include "component/files/WaveConverter.h"
#include "device/DpmResults.h"
#include "platform/automation/ClassRegistry.h"

namespace {

// The folder of the binary this code was linked into: the module in a program, or a test program.
std::string FolderOfThisBinary() {
  Dl_info info{};
  if (!::dladdr(reinterpret_cast<void*>(&FolderOfThisBinary), &info) || !info.dli_fname) return {};
  std::error_code error;
  // The main program may be named as it was started, relative to a folder since left.
  const std::filesystem::path path =
      info.dli_fname[0] == '/' ? std::filesystem::path(info.dli_fname) : std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.parent_path().string();
}

// Loaded under the same checks as the component itself, and kept for the life of the process once
// loaded: a conversion may run while another starts. A refusal is not kept, so a mended module loads.
HRESULT LoadConverter(void** module) {
  static std::mutex mutex;
  static void* loaded = nullptr;
  std::lock_guard lock(mutex);
  if (!loaded) {
    const std::string folder = FolderOfThisBinary();
    if (folder.empty()) return dpmCtrlNotSupported;
    if (HRESULT hr = LoadTrustedModule(folder + "/DPMConvert.so", &loaded); FAILED(hr)) {
      loaded = nullptr;
      return hr == CO_E_DLLNOTFOUND ? dpmCtrlNotSupported : hr;
    }
  }
  *module = loaded;
  return S_OK;
}

template <typename Fn>
HRESULT ConverterExport(const char* name, Fn** fn) {
  void* module = nullptr;
  if (HRESULT hr = LoadConverter(&module); FAILED(hr)) return hr;
  *fn = reinterpret_cast<Fn*>(FindTrustedModuleExport(module, name));
  return *fn ? S_OK : dpmCtrlNotSupported;
}

}  // namespace

HRESULT ConvertDss(const ConvertJob& job, TargetFile& target, TaskProgress& progress) {
  ConvertDssFn* convert = nullptr;
  if (HRESULT hr = ConverterExport(kConvertDssSymbol, &convert); FAILED(hr)) return hr;
  return convert(&job, &target, &progress);
}

TargetState InspectTarget(const ConvertJob& job, const std::string& target) {
  InspectTargetFn* inspect = nullptr;
  return SUCCEEDED(ConverterExport(kInspectTargetSymbol, &inspect)) ? inspect(&job, &target) : TargetState::Foreign;
}
