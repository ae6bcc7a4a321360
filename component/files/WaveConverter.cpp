#include <dlfcn.h>

#include <mutex>

#include "component/files/WaveConverter.h"
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
void* ConverterSymbol(const char* name) {
  static void* module = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    const std::string folder = FolderOfThisBinary();
    if (!folder.empty()) module = ::dlopen((folder + "/DPMConvert.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  });
  return module ? ::dlsym(module, name) : nullptr;
}

}  // namespace

HRESULT ConvertDss(const ConvertJob& job, TargetFile& target, TaskProgress& progress) {
  auto* convert = reinterpret_cast<ConvertDssFn*>(ConverterSymbol(kConvertDssSymbol));
  return convert ? convert(&job, &target, &progress) : dpmCtrlNotSupported;
}

TargetState InspectTarget(const ConvertJob& job, const std::string& target) {
  auto* inspect = reinterpret_cast<InspectTargetFn*>(ConverterSymbol(kInspectTargetSymbol));
  return inspect ? inspect(&job, &target) : TargetState::Foreign;
}
