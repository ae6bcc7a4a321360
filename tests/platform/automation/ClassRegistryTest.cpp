// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/ClassRegistry.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/automation/ComObject.h"
#include "platform/automation/ComPtr.h"
#include "tests/support/TempRegistry.h"
#include "tests/platform/automation/TestInterfaces.h"

namespace {

namespace fs = std::filesystem;

class ClassRegistryTest : public ::testing::Test {
 protected:
  HRESULT CreateCounter(ComPtr<ITestCounter>* counter, REFCLSID clsid = CLSID_TestCounter) {
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, ITestCounter::kIid,
                            counter->ReleaseAndGetVoidAddress());
  }
  std::string EntryPath(REFCLSID clsid) const { return registry.Path() + "/classes/" + GuidToString(clsid); }
  std::string Copy(const char* module, const std::string& name) const {
    std::string to = registry.Path() + "/" + name;
    fs::copy_file(module, to);
    return to;
  }

  TempRegistry registry;
};

TEST_F(ClassRegistryTest, RegistryFolderComesFromTheEnvironment) {
  EXPECT_EQ(RegistryFolder(), registry.Path());
  unsetenv("QUORVEL_REGISTRY");
  EXPECT_EQ(RegistryFolder(), (fs::read_symlink("/proc/self/exe").parent_path() / "registry").string());
}

TEST_F(ClassRegistryTest, RegisteredModuleServesItsClass) {
  ASSERT_EQ(RegisterServerModule(TEST_MODULE_PATH, false), S_OK);
  EXPECT_TRUE(fs::exists(EntryPath(CLSID_TestCounter)));
  ComPtr<ITestCounter> counter;
  ASSERT_EQ(CreateCounter(&counter), S_OK);
  ASSERT_TRUE(counter);
  EXPECT_EQ(counter->Increment(), S_OK);
  LONG value = 0;
  EXPECT_EQ(counter->get_Value(&value), S_OK);
  EXPECT_EQ(value, 1);

  // The module counts its own objects, and the process-wide count sees them too.
  void* module = dlopen(TEST_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(module, nullptr);
  auto liveObjects = reinterpret_cast<long (*)()>(dlsym(module, "TestModuleLiveObjects"));
  ASSERT_NE(liveObjects, nullptr);
  EXPECT_EQ(liveObjects(), 1);
  long live = ComObjectLiveCount();
  counter = nullptr;
  EXPECT_EQ(liveObjects(), 0);
  EXPECT_EQ(ComObjectLiveCount(), live - 1);
  dlclose(module);
}

TEST_F(ClassRegistryTest, RefusesWhatItCannotServe) {
  ASSERT_EQ(RegisterServerModule(TEST_MODULE_PATH, false), S_OK);
  ComPtr<ITestCounter> outer;
  ASSERT_EQ(CreateCounter(&outer), S_OK);
  void* out = &outer;
  EXPECT_EQ(CoCreateInstance(CLSID_TestCounter, outer.Get(), CLSCTX_INPROC_SERVER, ITestCounter::kIid, &out),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_LOCAL_SERVER, ITestCounter::kIid, &out),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, IDispatch::kIid, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, ITestCounter::kIid, nullptr), E_POINTER);
}

TEST_F(ClassRegistryTest, UnregisteredClassIsNotRegistered) {
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter), REGDB_E_CLASSNOTREG);
  EXPECT_FALSE(counter);
}

TEST_F(ClassRegistryTest, UnregisteringRemovesTheEntry) {
  ASSERT_EQ(RegisterServerModule(TEST_MODULE_PATH, false), S_OK);
  ASSERT_EQ(RegisterServerModule(TEST_MODULE_PATH, true), S_OK);
  EXPECT_FALSE(fs::exists(EntryPath(CLSID_TestCounter)));
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(UnregisterClassEntry(CLSID_TestCounter), REGDB_E_CLASSNOTREG);
}

TEST_F(ClassRegistryTest, MissingOrBrokenModuleGivesAnErrorCode) {
  std::string gone = Copy(TEST_MODULE_PATH, "gone.so");
  ASSERT_EQ(RegisterClassEntry(CLSID_TestCounter, gone, "Gone"), S_OK);
  fs::remove(gone);
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter), CO_E_DLLNOTFOUND);

  std::string junk = registry.Path() + "/junk.so";
  std::ofstream(junk) << "not a shared library";
  ASSERT_EQ(RegisterClassEntry(CLSID_TestCounter, junk, "Junk"), S_OK);
  EXPECT_EQ(CreateCounter(&counter), CO_E_DLLNOTFOUND);
  EXPECT_EQ(RegisterServerModule(junk, false), CO_E_DLLNOTFOUND);

  ASSERT_EQ(RegisterClassEntry(CLSID_TestCounter, registry.Path(), "A folder"), S_OK);
  EXPECT_EQ(CreateCounter(&counter), CO_E_DLLNOTFOUND);
  EXPECT_FALSE(counter);
}

TEST_F(ClassRegistryTest, ModuleWithoutClassFactoryGivesAnErrorCode) {
  ASSERT_EQ(RegisterServerModule(NO_FACTORY_MODULE_PATH, false), S_OK);
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter, CLSID_NoFactory), CO_E_ERRORINDLL);
  EXPECT_EQ(RegisterServerModule(NO_FACTORY_MODULE_PATH, true), CO_E_ERRORINDLL);  // no DllUnregisterServer
}

TEST_F(ClassRegistryTest, DamagedEntryReadsAsNotRegistered) {
  fs::create_directories(registry.Path() + "/classes");
  std::ofstream(EntryPath(CLSID_TestCounter)) << "name=no module line\n";
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(RegisterClassEntry(CLSID_TestCounter, "line\nbreak", "x"), E_INVALIDARG);
}

TEST_F(ClassRegistryTest, ModulePathOfNamesTheLoadedModule) {
  void* module = dlopen(TEST_MODULE_PATH, RTLD_NOW);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(fs::path(ModulePathOf(dlsym(module, "DllRegisterServer"))), fs::canonical(TEST_MODULE_PATH));
  dlclose(module);
}

// Works in another folder while it lives.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : m_old(fs::current_path()) { fs::current_path(folder); }
  ~InFolder() { fs::current_path(m_old); }

 private:
  fs::path m_old;
};

// What another user could have planted or changed in a registry named by the environment.
enum class Plant {
  RelativeModule, DotRelativeModule, EntryGroupWritable, EntryOthersWritable, EntryOwnedByOther,
  EntryFolderOpen, ModuleGroupWritable, ModuleOthersWritable, ModuleOwnedByOther, ModuleFolderOpen,
  ModuleFolderOpenButSticky, ModuleThroughLink
};

struct PlantRow {
  Plant plant;
  HRESULT expected;
};

class PlantedRegistry : public ClassRegistryTest, public ::testing::WithParamInterface<PlantRow> {
 protected:
  static constexpr uid_t kOtherUser = 4242;

  // A copy of the test module in a folder of its own, registered by its absolute path.
  void SetUp() override {
    fs::create_directories(Modules());
    fs::copy_file(TEST_MODULE_PATH, Module());
    ASSERT_EQ(RegisterClassEntry(CLSID_TestCounter, Module(), "Counter"), S_OK);
  }
  std::string Modules() const { return registry.Path() + "/modules"; }
  std::string Module() const { return Modules() + "/counter.so"; }
  void Entry(const std::string& module) const {
    std::ofstream(EntryPath(CLSID_TestCounter), std::ios::trunc) << "module=" << module << "\n";
  }
  void Give(const std::string& path) const {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherUser), 0);
  }
  void Apply(Plant plant) const {
    const std::string entry = EntryPath(CLSID_TestCounter);
    switch (plant) {
      case Plant::RelativeModule: return Entry("counter.so");
      case Plant::DotRelativeModule: return Entry("./modules/counter.so");
      case Plant::EntryGroupWritable: return (void)::chmod(entry.c_str(), 0664);
      case Plant::EntryOthersWritable: return (void)::chmod(entry.c_str(), 0646);
      case Plant::EntryOwnedByOther: return Give(entry);
      case Plant::EntryFolderOpen: return (void)::chmod(fs::path(entry).parent_path().c_str(), 0777);
      case Plant::ModuleGroupWritable: return (void)::chmod(Module().c_str(), 0775);
      case Plant::ModuleOthersWritable: return (void)::chmod(Module().c_str(), 0757);
      case Plant::ModuleOwnedByOther: return Give(Module());
      case Plant::ModuleFolderOpen: return (void)::chmod(Modules().c_str(), 0777);
      case Plant::ModuleFolderOpenButSticky: return (void)::chmod(Modules().c_str(), 01777);
      case Plant::ModuleThroughLink:
        fs::create_symlink(Module(), registry.Path() + "/link.so");
        return Entry(registry.Path() + "/link.so");
    }
  }
};

TEST_P(PlantedRegistry, IsRefusedWithItsOwnCode) {
  InFolder here(registry.Path());  // where a relative path would find the module
  Apply(GetParam().plant);
  if (IsSkipped()) return;
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter), GetParam().expected);
  EXPECT_EQ(static_cast<bool>(counter), SUCCEEDED(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlantedRegistry,
    testing::Values(PlantRow{Plant::RelativeModule, CO_E_BAD_PATH}, PlantRow{Plant::DotRelativeModule, CO_E_BAD_PATH},
                    PlantRow{Plant::EntryGroupWritable, REGDB_E_UNSAFEENTRY},
                    PlantRow{Plant::EntryOthersWritable, REGDB_E_UNSAFEENTRY},
                    PlantRow{Plant::EntryOwnedByOther, REGDB_E_UNSAFEENTRY},
                    PlantRow{Plant::EntryFolderOpen, REGDB_E_UNSAFEENTRY},
                    PlantRow{Plant::ModuleGroupWritable, CO_E_UNSAFEMODULE},
                    PlantRow{Plant::ModuleOthersWritable, CO_E_UNSAFEMODULE},
                    PlantRow{Plant::ModuleOwnedByOther, CO_E_UNSAFEMODULE},
                    PlantRow{Plant::ModuleFolderOpen, CO_E_UNSAFEMODULE},
                    PlantRow{Plant::ModuleFolderOpenButSticky, S_OK}, PlantRow{Plant::ModuleThroughLink, S_OK}));

TEST_F(ClassRegistryTest, RelativeModulePathsAreNeverRegisteredOrLoaded) {
  EXPECT_EQ(RegisterClassEntry(CLSID_TestCounter, "counter.so", "Counter"), CO_E_BAD_PATH);
  EXPECT_EQ(RegisterServerModule(fs::path(TEST_MODULE_PATH).filename().string(), false), CO_E_BAD_PATH);
  EXPECT_FALSE(fs::exists(EntryPath(CLSID_TestCounter)));
}

TEST_F(ClassRegistryTest, RegistryFoldersStayClosedUnderAnOpenUmask) {
  const mode_t old = ::umask(0);
  const HRESULT hr = RegisterClassEntry(CLSID_TestCounter, TEST_MODULE_PATH, "Counter");
  ::umask(old);
  ASSERT_EQ(hr, S_OK);
  EXPECT_EQ(fs::status(registry.Path() + "/classes").permissions(), fs::perms(0755));
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter), S_OK);
}

int RunRegsvr(const std::string& args) {
  int status = std::system((std::string(REGSVR_PATH) + " " + args + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ClassRegistryTest, RegsvrToolRegistersAndUnregisters) {
  EXPECT_EQ(RunRegsvr(TEST_MODULE_PATH), 0);
  EXPECT_TRUE(fs::exists(EntryPath(CLSID_TestCounter)));
  ComPtr<ITestCounter> counter;
  EXPECT_EQ(CreateCounter(&counter), S_OK);
  EXPECT_EQ(RunRegsvr(std::string("/u ") + TEST_MODULE_PATH), 0);
  EXPECT_FALSE(fs::exists(EntryPath(CLSID_TestCounter)));
  EXPECT_EQ(RunRegsvr(std::string("-u ") + TEST_MODULE_PATH), 1);  // nothing left to remove
  EXPECT_EQ(RunRegsvr(registry.Path() + "/missing.so"), 1);
  EXPECT_EQ(RunRegsvr(""), 2);
  // A path typed on the command line is taken from the current folder, and registered absolute.
  const fs::path module(TEST_MODULE_PATH);
  InFolder here(module.parent_path());
  EXPECT_EQ(RunRegsvr(module.filename().string()), 0);
  EXPECT_EQ(CreateCounter(&counter), S_OK);
}

}  // namespace
