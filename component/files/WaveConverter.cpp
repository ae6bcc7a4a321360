#include "component/files/WaveConverter.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>

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
HRESULT LoadConverter(ConvertDssToWaveFn** convert) {
  static std::mutex mutex;
  static ConvertDssToWaveFn* loaded = nullptr;
  std::lock_guard lock(mutex);
  if (!loaded) {
    const std::string folder = FolderOfThisBinary();
    void* module = nullptr;
    if (folder.empty()) return dpmCtrlNotSupported;
    if (HRESULT hr = LoadTrustedModule(folder + "/DPMConvert.so", &module); FAILED(hr))
      return hr == CO_E_DLLNOTFOUND ? dpmCtrlNotSupported : hr;
    loaded = reinterpret_cast<ConvertDssToWaveFn*>(FindTrustedModuleExport(module, kConvertDssToWaveSymbol));
    if (!loaded) return dpmCtrlNotSupported;
  }
  *convert = loaded;
  return S_OK;
}

}  // namespace

HRESULT ConvertDssToWave(std::string dss, size_t frames, const PcmFormat& format, TargetFile& target,
                         TaskProgress& progress) {
  ConvertDssToWaveFn* convert = nullptr;
  if (HRESULT hr = LoadConverter(&convert); FAILED(hr)) return hr;
  return convert(&dss, frames, &format, &target, &progress);
}
