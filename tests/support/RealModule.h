// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real DPMCtrl module in a registry of the test's own, over simulated recorders in a folder of the
// test's own that the recorder tool drives as a process. QUORVEL_REGISTRY and QUORVEL_RECORDERS point
// at them while the object lives. A fixture base beside ::testing::Test (or a window fixture): the
// main window's end-to-end tests, the component's module tests and quorvelctl's process tests share it.
#include <dlfcn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/automation/ClassRegistry.h"
#include "tests/component/TempFolder.h"
#include "tests/support/TempRegistry.h"

class RealModule {
 public:
  RealModule() {
    if (const char* previous = std::getenv(kRecorders)) m_previousRecorders = previous;
    ::setenv(kRecorders, Recorders().c_str(), 1);
  }
  ~RealModule() {
    if (m_previousRecorders)
      ::setenv(kRecorders, m_previousRecorders->c_str(), 1);
    else
      ::unsetenv(kRecorders);
  }
  RealModule(const RealModule&) = delete;
  RealModule& operator=(const RealModule&) = delete;

  // QUORVEL_BUILD_BIN, else the bin folder beside this test program's folder.
  static std::string BuildBin() {
    if (const char* bin = std::getenv("QUORVEL_BUILD_BIN"); bin && *bin) return bin;
    std::error_code error;
    return (std::filesystem::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "bin").string();
  }
  // The tests' build of the module, with its hooks, beside the test programs.
  static std::string ModulePath() { return BuildBin() + "/../tests-bin/DPMCtrl.so"; }
  static std::string ToolPath() { return BuildBin() + "/dpmrecorder"; }

  static HRESULT RegisterModule() { return RegisterServerModule(ModulePath(), false); }

  // The test's own folder: the recorders, and files of the test's own beside them.
  const std::string& Folder() const { return m_folder.Path(); }
  std::string Recorders() const { return m_folder / "recorders"; }
  // A file of the test's own, beside the recorders.
  std::string Path(const std::string& name) const { return m_folder / name; }

  // Runs the recorder tool over the same recorders; its exit code, its output in m_toolOutput.
  int Tool(const std::string& arguments) {
    const std::string out = Path("tool.out");
    const int status = std::system((ToolPath() + " " + arguments + " >" + out + " 2>&1").c_str());
    m_toolOutput = ReadText(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  const std::string& ToolOutput() const { return m_toolOutput; }

  // A test hook the loaded module exports; null while the module is not loaded.
  template <class F>
  static F Hook(const char* name) {
    void* module = ::dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    void* symbol = module ? ::dlsym(module, name) : nullptr;
    if (module) ::dlclose(module);
    return reinterpret_cast<F>(symbol);
  }
  // The module's live objects, or -1 when it is not loaded.
  static long LiveObjects() {
    auto live = Hook<long (*)()>("DPMCtrlLiveObjects");
    return live ? live() : -1;
  }

  std::string m_toolOutput;

 private:
  static constexpr const char* kRecorders = "QUORVEL_RECORDERS";
  TempFolder m_folder;
  TempRegistry m_registry;
  std::optional<std::string> m_previousRecorders;
};
