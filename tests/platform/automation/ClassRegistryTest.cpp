#include "platform/automation/ClassRegistry.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/automation/ComObject.h"
#include "platform/automation/ComPtr.h"
#include "tests/platform/automation/TemporaryRegistry.h"
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

  TemporaryRegistry registry;
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
}

}  // namespace
