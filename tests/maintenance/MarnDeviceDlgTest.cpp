// The maintenance window opened from the main window against the spy component: its result list,
// its two actions, closing, and the hidden device operations.
#include "tests/app/MainWindowFixture.h"

#include "device/DpmResults.h"

namespace {

using Strings = std::vector<std::string>;

constexpr int kSynchronize = 1019;
constexpr int kFormatCard = 1022;
constexpr int kClose = 1113;
constexpr int kResultList = 1044;

class MaintenanceWindowTest : public MainWindowTest {
 protected:
  // Connects a recorder and presses "Format/Set Time".
  CMarnDeviceDlg& OpenMaintenance() {
    Open();
    spy.Fire(DPMEventDeviceConnected, {LONG{0}});
    Click(*dlg, kFormatSetTime);
    EXPECT_NE(dlg->DeviceDlg(), nullptr);
    return *dlg->DeviceDlg();
  }
};

TEST_F(MaintenanceWindowTest, OpensWithTheDeviceAndDisablesTheMainButtons) {
  CMarnDeviceDlg& device = OpenMaintenance();
  EXPECT_EQ(spy.Calls(), Strings{"GetDevice(0)"});
  EXPECT_TRUE(device.IsWindowVisible());
  EXPECT_EQ(device.GetWindowText(), "Selvarin Quorvel");
  EXPECT_TRUE(device.m_device);
  EXPECT_EQ(Lines(device, kResultList), Strings{"OK"});
  EXPECT_FALSE(DeviceButtonsEnabled());
  for (int id : {kSynchronize, kFormatCard, kClose}) EXPECT_TRUE(device.GetDlgItem(id)->IsWindowVisible()) << id;
  for (int id : {1044, 1025, 1026, 1042, 1099, 1193, 1194, 1200}) {
    EXPECT_FALSE(device.GetDlgItem(id)->IsWindowVisible()) << id;
  }
}

TEST_F(MaintenanceWindowTest, ResultListKeepsTheNewestTwentyWithTheNewestSelected) {
  CMarnDeviceDlg& device = OpenMaintenance();
  // Distinct names, so the lines show which calls they came from.
  Strings expected{"OK"};
  for (int i = 0; i < 25; ++i) {
    const HRESULT code = static_cast<HRESULT>(static_cast<unsigned>(dpmCtrlPathNotFound) + i % 21);
    spy.SetResult(i % 2 ? "FormatCard" : "SynchronizeDateTime", code);
    Click(device, i % 2 ? kFormatCard : kSynchronize);
    expected.push_back(dlg->GetResultName(code));
  }
  const Strings lines = Lines(device, kResultList);
  EXPECT_EQ(lines, Strings(expected.end() - 20, expected.end()));
  EXPECT_EQ(Selection(device, kResultList), 19);
  EXPECT_EQ(spy.CallsTo("SynchronizeDateTime").size(), 13u);
  EXPECT_EQ(spy.CallsTo("FormatCard").size(), 12u);
}

TEST_F(MaintenanceWindowTest, FormatCardAsksNothingAndFailuresAreOnlyLogged) {
  CMarnDeviceDlg& device = OpenMaintenance();
  spy.SetResult("FormatCard", dpmCtrlDiskWriteProtected);
  Click(device, kFormatCard);
  Click(device, kSynchronize);
  EXPECT_EQ(spy.Calls(), (Strings{"GetDevice(0)", "FormatCard()", "SynchronizeDateTime()"}));
  EXPECT_TRUE(host.Shown().empty());
  EXPECT_EQ(Lines(device, kResultList), (Strings{"OK", "dpmCtrlDiskWriteProtected", "OK"}));
}

TEST_F(MaintenanceWindowTest, EscapeKeepsItOpen) {
  CMarnDeviceDlg& device = OpenMaintenance();
  QTest::keyClick(ControlWidget(device, kSynchronize), Qt::Key_Escape);
  EXPECT_TRUE(device.IsWindow());
  EXPECT_TRUE(device.IsWindowVisible());
  EXPECT_EQ(dlg->DeviceDlg(), &device);
}

struct CloseCase {
  const char* name;
  void (*close)(CMarnDeviceDlg&);
};

class MaintenanceClosing : public MaintenanceWindowTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(MaintenanceClosing, ReleasesTheDeviceAndEnablesTheMainButtons) {
  CMarnDeviceDlg& device = OpenMaintenance();
  ASSERT_EQ(spy.LiveObjects(), 2);
  GetParam().close(device);
  EXPECT_EQ(dlg->DeviceDlg(), nullptr);
  EXPECT_EQ(spy.LiveObjects(), 1) << "the device object is released with the window";
  EXPECT_TRUE(DeviceButtonsEnabled());

  // A new one can be opened afterwards.
  Click(*dlg, kFormatSetTime);
  EXPECT_NE(dlg->DeviceDlg(), nullptr);
  EXPECT_EQ(spy.CallsTo("GetDevice").size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Ways, MaintenanceClosing,
                         testing::Values(CloseCase{"CloseButton", [](CMarnDeviceDlg& d) { Click(d, kClose); }},
                                         CloseCase{"CloseBox", [](CMarnDeviceDlg& d) { WidgetOf(d)->close(); }}),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(MaintenanceWindowTest, SecondFormatSetTimeDoesNothing) {
  CMarnDeviceDlg& device = OpenMaintenance();
  Command(*dlg, kFormatSetTime);  // the button is disabled; the command itself must hold too
  EXPECT_EQ(dlg->DeviceDlg(), &device);
  EXPECT_EQ(spy.CallsTo("GetDevice").size(), 1u);
  Command(*dlg, kSetupDevice);
  EXPECT_EQ(dlg->DeviceDlg(), &device);
  EXPECT_EQ(spy.CallsTo("GetDevice").size(), 1u);
}

TEST_F(MaintenanceWindowTest, WithoutADeviceBothActionsDoNothing) {
  spy.SetResult("GetDevice", dpmCtrlNoDeviceConnected);
  CMarnDeviceDlg& device = OpenMaintenance();
  EXPECT_TRUE(device.IsWindowVisible());
  EXPECT_FALSE(device.m_device);
  Click(device, kSynchronize);
  Click(device, kFormatCard);
  for (int hidden : {1026, 1028, 1040, 1042, 1053, 1193, 1194}) Command(device, hidden);
  EXPECT_EQ(spy.Calls(), Strings{"GetDevice(0)"});
  EXPECT_EQ(Lines(device, kResultList), Strings{"NoDeviceConnected"});
  Command(device, 1110);
  EXPECT_EQ(Text(device, 1111), "0");
}

// The hidden operations, driven by their commands.
TEST_F(MaintenanceWindowTest, HiddenGettersFillTheirFields) {
  CMarnDeviceDlg& device = OpenMaintenance();
  spy.SetValue("GetDeviceType", 20);
  spy.SetValue("GetFirmwareVersion", "2.14");
  spy.SetValue("GetLastButtonEvent", 21);
  spy.SetValue("GetFreeDiskSpace", 4096);
  spy.SetResult("get_FileCount", E_FAIL);
  Command(device, 1040);
  Command(device, 1028);
  Command(device, 1039);
  Command(device, 1026);
  Command(device, 1110);
  EXPECT_EQ(Text(device, 1037), "DPM3_9600");
  EXPECT_EQ(Text(device, 1027), "2.14");
  EXPECT_EQ(Text(device, 1038), "dpmJogDialReleased");
  EXPECT_EQ(Text(device, 1025), "4096");
  EXPECT_EQ(Text(device, 1111), "0");
  EXPECT_EQ(Lines(device, kResultList), (Strings{"OK", "OK", "OK", "OK", "OK", "FAIL"}));

  // A failing getter keeps the field's text.
  spy.SetResult("GetDeviceType", dpmCtrlDeviceNotReady);
  spy.SetValue("GetDeviceType", 26);
  Command(device, 1040);
  EXPECT_EQ(Text(device, 1037), "DPM3_9600");
  EXPECT_EQ(Lines(device, kResultList).back(), "dpmCtrlDeviceNotReady");
}

TEST_F(MaintenanceWindowTest, CapabilitiesReportIsShownAndOnlyAFailureLogged) {
  CMarnDeviceDlg& device = OpenMaintenance();
  spy.SetValue("get_VendorId", 7);
  Command(device, 1042);
  EXPECT_EQ(Text(device, 1099).rfind("Vendor Id: 7 Product Id: 0 \nName:  \n", 0), 0u) << Text(device, 1099);
  EXPECT_EQ(Lines(device, kResultList), Strings{"OK"});
  EXPECT_EQ(spy.LiveObjects(), 2) << "the capabilities object is released";

  spy.SetResult("GetCapabilities", E_NOTIMPL);
  spy.SetValue("get_VendorId", 8);
  Command(device, 1042);
  EXPECT_EQ(Text(device, 1099).rfind("Vendor Id: 7 ", 0), 0u);
  EXPECT_EQ(Lines(device, kResultList), (Strings{"OK", "NOTIMPL"}));
}

TEST_F(MaintenanceWindowTest, BarcodeLayoutTravelsAsTenPairs) {
  CMarnDeviceDlg& device = OpenMaintenance();
  device.SetDlgItemText(1200, "1033");
  device.SetDlgItemText(1190, "2,3;x,5;9");
  device.SetDlgItemText(1191, "");
  Command(device, 1194);
  EXPECT_EQ(spy.CallsTo("SetBarcodeKeyboardLayout"),
            Strings{"SetBarcodeKeyboardLayout(1033, {2,3;0,5;9,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0}, "
                    "{0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0})"});

  spy.SetValue("GetBarcodeKeyboardLayout", 1031);
  spy.SetValue("GetBarcodeKeyboardLayout.prefix", SpyPairs{{{1, 2}, {-3, 4}}});
  Command(device, 1193);
  EXPECT_EQ(Text(device, 1200), "1031");
  EXPECT_EQ(Text(device, 1190), "1,2;-3,4;");
  EXPECT_EQ(Text(device, 1191), "");
}

TEST_F(MaintenanceWindowTest, SecurityCodesGoAsTexts) {
  CMarnDeviceDlg& device = OpenMaintenance();
  device.SetDlgItemText(1052, "1234");
  device.SetDlgItemText(1054, "99");
  device.SetDlgItemText(1056, "secret");
  device.SetDlgItemText(1058, "a.dss");
  Command(device, 1053);
  Command(device, 1055);
  Command(device, 1057);
  Command(device, 1059);
  EXPECT_EQ(Strings(spy.Calls().begin() + 1, spy.Calls().end()),
            (Strings{"SetPUK(\"1234\")", "SetPIN(\"1234\", \"99\")", "SetEncryptionPassword(\"1234\", \"secret\")",
                     "DeleteDeviceFile(\"a.dss\")"}));
}

TEST_F(MaintenanceWindowTest, LedStateIsTheComboSelection) {
  CMarnDeviceDlg& device = OpenMaintenance();
  static_cast<CComboBox*>(device.GetDlgItem(1102))->SetCurSel(3);
  Command(device, 1021);
  EXPECT_EQ(spy.CallsTo("SetLED"), Strings{"SetLED(1, 3)"});
}

}  // namespace
