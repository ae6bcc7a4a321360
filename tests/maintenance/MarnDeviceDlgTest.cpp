// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance window opened from the main window against the spy component: its result list,
// its two actions, closing, and the hidden device operations.
#include "tests/app/MainWindowFixture.h"

#include <optional>

#include "device/DpmResults.h"
#include "maintenance/DeviceDlgIds.h"

namespace {

using Strings = std::vector<std::string>;

class MaintenanceWindowTest : public MainWindowTest {
 protected:
  // Connects a recorder and presses "Format/Set Time".
  CMarnDeviceDlg& OpenMaintenance() {
    Open();
    spy.Fire(DPMEventDeviceConnected, {LONG{0}});
    Click(*dlg, IDC_FORMAT_SET_TIME);
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
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), Strings{"OK"});
  EXPECT_FALSE(DeviceButtonsEnabled());
  for (int id : {IDC_SYNCHRONIZE_DATE_TIME, IDC_FORMAT_CARD, IDC_CLOSE}) {
    EXPECT_TRUE(device.GetDlgItem(id)->IsWindowVisible()) << id;
  }
  for (int id : {IDC_RESULT_LIST, IDC_FREE_DISK_SPACE, IDC_GET_FREE_DISK_SPACE, IDC_GET_CAPABILITIES, IDC_CAPABILITIES,
                 IDC_GET_KEYBOARD_LAYOUT, IDC_SET_KEYBOARD_LAYOUT, IDC_KEYBOARD_LAYOUT}) {
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
    if (i % 2) host.NextMessageBoxAnswer(IDYES);
    Click(device, i % 2 ? IDC_FORMAT_CARD : IDC_SYNCHRONIZE_DATE_TIME);
    expected.push_back(dlg->GetResultName(code));
  }
  const Strings lines = Lines(device, IDC_RESULT_LIST);
  EXPECT_EQ(lines, Strings(expected.end() - 20, expected.end()));
  EXPECT_EQ(Selection(device, IDC_RESULT_LIST), 19);
  EXPECT_EQ(spy.CallsTo("SynchronizeDateTime").size(), 13u);
  EXPECT_EQ(spy.CallsTo("FormatCard").size(), 12u);
}

struct FormatAnswer {
  const char* name;
  std::optional<int> answer;  // nullopt: the box closed with Escape, the cautious answer
  bool formats;
};

class FormatQuestion : public MaintenanceWindowTest, public testing::WithParamInterface<FormatAnswer> {};

// Formatting erases the card: it is asked first, No is the default, and only Yes formats. A failure
// is only logged.
TEST_P(FormatQuestion, OnlyYesFormats) {
  CMarnDeviceDlg& device = OpenMaintenance();
  spy.SetResult("FormatCard", dpmCtrlDiskWriteProtected);
  if (GetParam().answer) host.NextMessageBoxAnswer(*GetParam().answer);
  Click(device, IDC_FORMAT_CARD);
  ASSERT_EQ(host.Shown().size(), 1u);
  EXPECT_EQ(host.Shown()[0].text, "Format Card erases every dictation on the recorder's card. Format it now?");
  EXPECT_EQ(host.Shown()[0].type, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  const Strings calls = GetParam().formats ? Strings{"GetDevice(0)", "FormatCard()"} : Strings{"GetDevice(0)"};
  const Strings lines = GetParam().formats ? Strings{"OK", "dpmCtrlDiskWriteProtected"} : Strings{"OK"};
  EXPECT_EQ(spy.Calls(), calls);
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), lines);
}

INSTANTIATE_TEST_SUITE_P(Answers, FormatQuestion,
                         testing::Values(FormatAnswer{"Yes", IDYES, true}, FormatAnswer{"No", IDNO, false},
                                         FormatAnswer{"Escape", std::nullopt, false}),
                         [](const testing::TestParamInfo<FormatAnswer>& info) { return std::string(info.param.name); });

TEST_F(MaintenanceWindowTest, EscapeKeepsItOpen) {
  CMarnDeviceDlg& device = OpenMaintenance();
  QTest::keyClick(ControlWidget(device, IDC_SYNCHRONIZE_DATE_TIME), Qt::Key_Escape);
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
  Click(*dlg, IDC_FORMAT_SET_TIME);
  EXPECT_NE(dlg->DeviceDlg(), nullptr);
  EXPECT_EQ(spy.CallsTo("GetDevice").size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Ways, MaintenanceClosing,
                         testing::Values(CloseCase{"CloseButton", [](CMarnDeviceDlg& d) { Click(d, IDC_CLOSE); }},
                                         CloseCase{"CloseBox", [](CMarnDeviceDlg& d) { WidgetOf(d)->close(); }}),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(MaintenanceWindowTest, SecondFormatSetTimeDoesNothing) {
  CMarnDeviceDlg& device = OpenMaintenance();
  Command(*dlg, IDC_FORMAT_SET_TIME);  // the button is disabled; the command itself must hold too
  EXPECT_EQ(dlg->DeviceDlg(), &device);
  EXPECT_EQ(spy.CallsTo("GetDevice").size(), 1u);
  Command(*dlg, IDC_SETUP_DEVICE);
  EXPECT_EQ(dlg->DeviceDlg(), &device);
  EXPECT_EQ(spy.CallsTo("GetDevice").size(), 1u);
}

TEST_F(MaintenanceWindowTest, WithoutADeviceBothActionsDoNothing) {
  spy.SetResult("GetDevice", dpmCtrlNoDeviceConnected);
  CMarnDeviceDlg& device = OpenMaintenance();
  EXPECT_TRUE(device.IsWindowVisible());
  EXPECT_FALSE(device.m_device);
  Click(device, IDC_SYNCHRONIZE_DATE_TIME);
  Click(device, IDC_FORMAT_CARD);
  for (int hidden : {IDC_GET_FREE_DISK_SPACE, IDC_GET_FIRMWARE_VERSION, IDC_GET_DEVICE_TYPE, IDC_GET_CAPABILITIES,
                     IDC_SET_PUK, IDC_GET_KEYBOARD_LAYOUT, IDC_SET_KEYBOARD_LAYOUT}) {
    Command(device, hidden);
  }
  EXPECT_EQ(spy.Calls(), Strings{"GetDevice(0)"});
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), Strings{"NoDeviceConnected"});
  Command(device, IDC_GET_FILE_COUNT);
  EXPECT_EQ(Text(device, IDC_FILE_COUNT), "0");
}

// The hidden operations, driven by their commands.
TEST_F(MaintenanceWindowTest, HiddenGettersFillTheirFields) {
  CMarnDeviceDlg& device = OpenMaintenance();
  spy.SetValue("GetDeviceType", 20);
  spy.SetValue("GetFirmwareVersion", "2.14");
  spy.SetValue("GetLastButtonEvent", 21);
  spy.SetValue("GetFreeDiskSpace", 4096);
  spy.SetResult("get_FileCount", E_FAIL);
  Command(device, IDC_GET_DEVICE_TYPE);
  Command(device, IDC_GET_FIRMWARE_VERSION);
  Command(device, IDC_GET_LAST_BUTTON);
  Command(device, IDC_GET_FREE_DISK_SPACE);
  Command(device, IDC_GET_FILE_COUNT);
  EXPECT_EQ(Text(device, IDC_DEVICE_TYPE), "DPM3_9600");
  EXPECT_EQ(Text(device, IDC_DEVICE_FIRMWARE_VERSION), "2.14");
  EXPECT_EQ(Text(device, IDC_LAST_BUTTON), "dpmJogDialReleased");
  EXPECT_EQ(Text(device, IDC_FREE_DISK_SPACE), "4096");
  EXPECT_EQ(Text(device, IDC_FILE_COUNT), "0");
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), (Strings{"OK", "OK", "OK", "OK", "OK", "FAIL"}));

  // A failing getter keeps the field's text.
  spy.SetResult("GetDeviceType", dpmCtrlDeviceNotReady);
  spy.SetValue("GetDeviceType", 26);
  Command(device, IDC_GET_DEVICE_TYPE);
  EXPECT_EQ(Text(device, IDC_DEVICE_TYPE), "DPM3_9600");
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST).back(), "dpmCtrlDeviceNotReady");
}

TEST_F(MaintenanceWindowTest, CapabilitiesReportIsShownAndOnlyAFailureLogged) {
  CMarnDeviceDlg& device = OpenMaintenance();
  spy.SetValue("get_VendorId", 7);
  Command(device, IDC_GET_CAPABILITIES);
  const std::string report = Text(device, IDC_CAPABILITIES);
  EXPECT_EQ(report.rfind("Vendor Id: 7 Product Id: 0 \nName:  \n", 0), 0u) << report;
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), Strings{"OK"});
  EXPECT_EQ(spy.LiveObjects(), 2) << "the capabilities object is released";

  spy.SetResult("GetCapabilities", E_NOTIMPL);
  spy.SetValue("get_VendorId", 8);
  Command(device, IDC_GET_CAPABILITIES);
  EXPECT_EQ(Text(device, IDC_CAPABILITIES).rfind("Vendor Id: 7 ", 0), 0u);
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), (Strings{"OK", "NOTIMPL"}));
}

TEST_F(MaintenanceWindowTest, BarcodeLayoutTravelsAsTenPairs) {
  CMarnDeviceDlg& device = OpenMaintenance();
  device.SetDlgItemText(IDC_KEYBOARD_LAYOUT, "1033");
  device.SetDlgItemText(IDC_BARCODE_PREFIX, "2,3;x,5;9");
  device.SetDlgItemText(IDC_BARCODE_POSTFIX, "");
  Command(device, IDC_SET_KEYBOARD_LAYOUT);
  EXPECT_EQ(spy.CallsTo("SetBarcodeKeyboardLayout"),
            Strings{"SetBarcodeKeyboardLayout(1033, {2,3;0,5;9,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0}, "
                    "{0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0})"});

  spy.SetValue("GetBarcodeKeyboardLayout", 1031);
  spy.SetValue("GetBarcodeKeyboardLayout.prefix", SpyPairs{{{1, 2}, {-3, 4}}});
  Command(device, IDC_GET_KEYBOARD_LAYOUT);
  EXPECT_EQ(Text(device, IDC_KEYBOARD_LAYOUT), "1031");
  EXPECT_EQ(Text(device, IDC_BARCODE_PREFIX), "1,2;-3,4;");
  EXPECT_EQ(Text(device, IDC_BARCODE_POSTFIX), "");
}

TEST_F(MaintenanceWindowTest, SecurityCodesGoAsTexts) {
  CMarnDeviceDlg& device = OpenMaintenance();
  device.SetDlgItemText(IDC_PUK, "1234");
  device.SetDlgItemText(IDC_PIN, "99");
  device.SetDlgItemText(IDC_ENCRYPTION_PASSWORD, "secret");
  device.SetDlgItemText(IDC_DEVICE_FILE_NAME, "a.dss");
  Command(device, IDC_SET_PUK);
  Command(device, IDC_SET_PIN);
  Command(device, IDC_SET_ENCRYPTION_PASSWORD);
  Command(device, IDC_DELETE_DEVICE_FILE);
  EXPECT_EQ(Strings(spy.Calls().begin() + 1, spy.Calls().end()),
            (Strings{"SetPUK(\"1234\")", "SetPIN(\"1234\", \"99\")", "SetEncryptionPassword(\"1234\", \"secret\")",
                     "DeleteDeviceFile(\"a.dss\")"}));
}

TEST_F(MaintenanceWindowTest, LedStateIsTheComboSelection) {
  CMarnDeviceDlg& device = OpenMaintenance();
  static_cast<CComboBox*>(device.GetDlgItem(IDC_LED2_STATE))->SetCurSel(3);
  Command(device, IDC_LED2);
  EXPECT_EQ(spy.CallsTo("SetLED"), Strings{"SetLED(1, 3)"});
}

}  // namespace
