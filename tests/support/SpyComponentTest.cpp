// SPDX-License-Identifier: GPL-3.0-or-later
// The spy must stay true to the contract and exact about references, since window tests lean on it.
#include "tests/support/SpyComponent.h"

#include <gtest/gtest.h>

#include <array>

#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "device/DpmResults.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMFileInfo.h"
#include "device/IDPMRecordingProfile.h"
#include "platform/automation/Automation.h"
#include "tests/support/TempRegistry.h"

namespace {

std::string Ansi(const Bstr& text) { return BstrToAnsi(text.Get()); }

class SpyComponentTest : public testing::Test {
 protected:
  void SetUp() override {
    strings = SysLiveStringCount();
    arrays = SafeArrayLiveCount();
    control = spy.CreateControl();
    ASSERT_TRUE(control);
    ASSERT_EQ(control->GetDevice(0, device.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(device->GetDeviceSettings(settings.ReleaseAndGetAddressOf()), S_OK);
    spy.ClearCalls();
  }
  void TearDown() override {
    settings = nullptr;
    device = nullptr;
    control = nullptr;
    EXPECT_EQ(spy.LiveObjects(), 0);
    EXPECT_EQ(spy.OutstandingReferences(), 0);
    EXPECT_EQ(SysLiveStringCount(), strings);
    EXPECT_EQ(SafeArrayLiveCount(), arrays);
  }

  long strings = 0;
  long arrays = 0;
  SpyComponent spy;
  ComPtr<IDPMControl> control;
  ComPtr<IDPMDevice> device;
  ComPtr<IDPMDeviceSettings> settings;
};

TEST_F(SpyComponentTest, LogsEachCallWithItsInArguments) {
  Bstr name(AnsiToBstr("Author"));
  settings->put_DeviceBeep(VARIANT_TRUE);
  settings->put_KeywordContentString(2, 4, name.Get());
  settings->put_KeywordUsageString(0, nullptr);
  settings->put_SmartButtonConfiguration(1, 3, 7);
  device->SetDeviceSettings(settings.Get());
  device->SetLED(1, 2);
  control->Copy(name.Get(), nullptr, VARIANT_FALSE);
  EXPECT_EQ(spy.Calls(), (std::vector<std::string>{
                             "put_DeviceBeep(-1)", "put_KeywordContentString(2, 4, \"Author\")",
                             "put_KeywordUsageString(0, null)", "put_SmartButtonConfiguration(1, 3, 7)",
                             "SetDeviceSettings(settings#3)", "SetLED(1, 2)", "Copy(\"Author\", null, 0)"}));
  EXPECT_EQ(spy.CallsTo("SetLED"), std::vector<std::string>{"SetLED(1, 2)"});
}

TEST_F(SpyComponentTest, ScriptsMatchTheWholeLineBeforeTheName) {
  spy.SetValue("get_KeywordUsageString", "any");
  spy.SetValue("get_KeywordUsageString(1)", "Author");
  spy.SetResult("put_DeviceBeep(0)", E_FAIL);
  spy.SetResult("put_FileCounter", dpmCtrlNotSupported);
  Bstr first, second;
  EXPECT_EQ(settings->get_KeywordUsageString(1, first.Receive()), S_OK);
  EXPECT_EQ(settings->get_KeywordUsageString(4, second.Receive()), S_OK);
  EXPECT_EQ(Ansi(first), "Author");
  EXPECT_EQ(Ansi(second), "any");
  EXPECT_EQ(settings->put_DeviceBeep(VARIANT_FALSE), E_FAIL);
  EXPECT_EQ(settings->put_DeviceBeep(VARIANT_TRUE), S_OK);
  EXPECT_EQ(settings->put_FileCounter(9), dpmCtrlNotSupported);
}

TEST_F(SpyComponentTest, OutValuesDefaultAndFail) {
  LONG count = 77;
  Bstr text;
  EXPECT_EQ(settings->get_KeywordUsageCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(settings->get_MACAddress(text.Receive()), S_OK);
  EXPECT_FALSE(text.IsNull());  // an empty string, not null

  spy.SetResult("get_FileCounter", E_FAIL);
  spy.SetResult("get_FirmwareVersion", E_FAIL);
  spy.SetNullString("get_Keyword1String");
  count = 77;
  EXPECT_EQ(settings->get_FileCounter(&count), E_FAIL);
  EXPECT_EQ(count, 77);  // untouched without a script
  EXPECT_EQ(settings->get_FirmwareVersion(text.Receive()), E_FAIL);
  EXPECT_TRUE(text.IsNull());
  EXPECT_EQ(settings->get_Keyword1String(text.Receive()), S_OK);
  EXPECT_TRUE(text.IsNull());

  spy.SetValue("get_DeviceBeep", -1);
  VARIANT_BOOL beep = 0;
  EXPECT_EQ(settings->get_DeviceBeep(&beep), S_OK);
  EXPECT_EQ(beep, VARIANT_TRUE);
  EXPECT_EQ(settings->get_DeviceBeep(nullptr), E_POINTER);
}

TEST_F(SpyComponentTest, InterfaceOutsAreNewObjectsUnlessTheCallFails) {
  ComPtr<IDPMRecordingProfile> profile;
  ASSERT_EQ(settings->get_RecordingProfile(2, profile.ReleaseAndGetAddressOf()), S_OK);
  EXPECT_EQ(spy.LiveObjects(), 4);
  profile->put_MicrophoneDirection(1, 5);
  profile = nullptr;
  EXPECT_EQ(spy.LiveObjects(), 3);

  spy.SetResult("GetDevice", dpmCtrlNoDeviceConnected);
  ComPtr<IDPMDevice> none;
  EXPECT_EQ(control->GetDevice(0, none.ReleaseAndGetAddressOf()), dpmCtrlNoDeviceConnected);
  EXPECT_FALSE(none);
  EXPECT_EQ(spy.Calls(), (std::vector<std::string>{"get_RecordingProfile(2)", "put_MicrophoneDirection(1, 5)",
                                                    "GetDevice(0)"}));
}

TEST_F(SpyComponentTest, PairListsTravelAsTwoDimensionalArrays) {
  spy.SetValue("GetBarcodeKeyboardLayout", 0x409);
  spy.SetValue("GetBarcodeKeyboardLayout.prefix", SpyPairs{{{1, 2}, {3, -4}}});
  LONG layout = 0;
  Variant prefix, postfix;
  ASSERT_EQ(device->GetBarcodeKeyboardLayout(&layout, prefix.Get(), postfix.Get()), S_OK);
  EXPECT_EQ(layout, 0x409);
  ASSERT_EQ(prefix->vt, VT_ARRAY | VT_I4);
  EXPECT_EQ(postfix->vt, VT_EMPTY);
  LONG value = 0;
  const std::array<LONG, 2> secondPairSecond{1, 1};
  ASSERT_EQ(SafeArrayGetElement(prefix->parray, secondPairSecond, &value), S_OK);
  EXPECT_EQ(value, -4);
  device->SetBarcodeKeyboardLayout(7, prefix.Get(), postfix.Get());
  EXPECT_EQ(spy.CallsTo("SetBarcodeKeyboardLayout"),
            std::vector<std::string>{"SetBarcodeKeyboardLayout(7, {1,2;3,-4}, empty)"});
}

TEST_F(SpyComponentTest, ReservedSlotsAreRefusedAndLogged) {
  EXPECT_EQ(settings->Reserved17(), E_NOTIMPL);
  EXPECT_EQ(spy.Calls(), std::vector<std::string>{"Reserved17()"});
}

TEST_F(SpyComponentTest, AnswersOnlyItsInterfaces) {
  ComPtr<IConnectionPointContainer> container;
  EXPECT_EQ(control.As(&container), S_OK);
  ComPtr<IDPMDevice> notADevice;
  EXPECT_EQ(control.As(&notADevice), E_NOINTERFACE);
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDPMControl, point.ReleaseAndGetAddressOf()),
            CONNECT_E_NOCONNECTION);
  EXPECT_EQ(container->FindConnectionPoint(DIID__DDPMControlEvents, point.ReleaseAndGetAddressOf()), S_OK);
}

TEST(SpyClassFactory, CoCreateInstanceReachesTheNewestSpyThroughTheRegistry) {
  TempRegistry registry;
  {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    ComPtr<IDPMControl> missing;
    EXPECT_EQ(CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                               missing.ReleaseAndGetVoidAddress()),
              REGDB_E_CLASSNOTREG);
    ASSERT_EQ(SpyComponent::RegisterClass(), S_OK);
    SpyComponent older;
    SpyComponent spy;
    ComPtr<IDPMControl> control;
    ASSERT_EQ(CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                               control.ReleaseAndGetVoidAddress()),
              S_OK);
    control->Initialize(0);
    EXPECT_EQ(spy.Calls(), std::vector<std::string>{"Initialize(0)"});
    EXPECT_TRUE(older.Calls().empty());
    control = nullptr;
    EXPECT_EQ(spy.LiveObjects(), 0);
    EXPECT_EQ(spy.OutstandingReferences(), 0);

    // The library is registered with the class, so a sink can read the events.
    ComPtr<ITypeLib> lib;
    EXPECT_EQ(LoadRegTypeLib(LIBID_DPMCONTROLLib, 1, 0, 0, lib.ReleaseAndGetAddressOf()), S_OK);
  }
  CoUninitialize();
}

}  // namespace
