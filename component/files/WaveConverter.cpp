#include "component/files/WaveConverter.h"

#include <dlfcn.h>

#include <mutex>

#include "device/DpmResults.h"

namespace {

// The folder of the binary this code was linked into: the module in a program, or a test program.
std::string FolderOfThisBinary() {
  Dl_info info{};
  if (!::dladdr(reinterpret_cast<void*>(&FolderOfThisBinary), &info) || !info.dli_fname) return {};
  const std::string path = info.dli_fname;
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Loaded once and kept for the life of the process: a conversion may run while another starts.
ConvertDssToWaveFn* LoadConverter() {
  static ConvertDssToWaveFn* convert = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    const std::string folder = FolderOfThisBinary();
    if (folder.empty()) return;
    void* module = ::dlopen((folder + "/DPMConvert.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module) convert = reinterpret_cast<ConvertDssToWaveFn*>(::dlsym(module, kConvertDssToWaveSymbol));
  });
  return convert;
}

}  // namespace

HRESULT ConvertDssToWave(std::string dss, size_t frames, const PcmFormat& format, TargetFile& target,
                         TaskProgress& progress) {
  ConvertDssToWaveFn* convert = LoadConverter();
  if (!convert) return dpmCtrlNotSupported;
  return convert(&dss, frames, &format, &target, &progress);
}
