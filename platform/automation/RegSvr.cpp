// SPDX-License-Identifier: GPL-3.0-or-later
// regsvr: registers (or with /u unregisters) an in-process server module.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/automation/ClassRegistry.h"

int main(int argc, char** argv) {
  bool unregister = false;
  const char* module = nullptr;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "/u" || arg == "-u") {
      unregister = true;
    } else if (!module) {
      module = argv[i];
    } else {
      module = nullptr;
      break;
    }
  }
  if (!module) {
    std::fprintf(stderr, "usage: regsvr [/u] <module>\n");
    return 2;
  }
  // The registry takes absolute paths only; a path typed here means the current folder.
  std::error_code error;
  const std::string path = std::filesystem::absolute(module, error).lexically_normal().string();
  HRESULT hr = error ? CO_E_BAD_PATH : RegisterServerModule(path, unregister);
  const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
  if (FAILED(hr)) {
    std::fprintf(stderr, "regsvr: %s in %s failed: 0x%08X\n", entry, module, static_cast<unsigned>(hr));
    return 1;
  }
  std::printf("regsvr: %s in %s succeeded.\n", entry, module);
  return 0;
}
