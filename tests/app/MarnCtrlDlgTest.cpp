// SPDX-License-Identifier: GPL-3.0-or-later
// The main window against the spy component: start-up, the two logs, the status refresh, the device
// buttons following events, the maintenance window in setup mode, and the teardown.
#include "tests/app/MainWindowFixture.h"

#include <QApplication>
#include <QTimer>

#include "app/Resources.h"
#include "device/DpmResults.h"
#include "platform/ui/Menu.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(MainWindowTest, StartsWithTheComponentAttachedAndTheDeviceButtonsOff) {
  Open();
  EXPECT_TRUE(dlg->Control());
  EXPECT_NE(dlg->EventSink(), nullptr);
  EXPECT_EQ(spy.SinkCount(), 1u);
  EXPECT_FALSE(DeviceButtonsEnabled());
  EXPECT_EQ(static_cast<CComboBox*>(dlg->GetDlgItem(IDC_CONVERSION_FORMAT))->GetCurSel(), 0);
  EXPECT_TRUE(Lines(*dlg, IDC_RESULT_LOG).empty());
  EXPECT_TRUE(host.Shown().empty());
  EXPECT_FALSE(DropQueuedQuit());
  EXPECT_NE(dlg->GetIcon(TRUE), nullptr);
  EXPECT_EQ(dlg->GetWindowText(), "Selvarin Quorvel Version 2.0");
}

TEST_F(MainWindowTest, OnlyTheDocumentedControlsAreVisible) {
  Open();
  const int visible[] = {IDC_INITIALIZE, IDC_SETUP_DEVICE, IDC_FORMAT_SET_TIME, IDOK, IDC_SCANNER_STATUS};
  for (int id : visible) {
    EXPECT_TRUE(dlg->GetDlgItem(id)->IsWindowVisible()) << id;
  }
  for (int id : {IDC_DEINITIALIZE, IDC_RESULT_LOG, IDC_SOURCE_PATH, IDC_DEST_PATH, IDC_BROWSE_SOURCE_FILE,
                 IDC_BROWSE_DEST_FOLDER, IDC_COPY, IDC_MOVE, IDC_DELETE, IDC_DELAYED, IDC_START_DELAYED_TASKS,
                 IDC_EVENT_LOG, IDC_CLEAR_EVENT_LOG, IDC_CLEAR_RESULT_LOG, IDC_CONVERT, IDC_DECRYPT, IDC_PASSWORD,
                 IDC_SEPARATE_SPOKEN_INSTRUCTIONS, IDC_IS_DICTATION, IDC_IS_INSTRUCTION, IDC_GET_FILE_INFO,
                 IDC_CONVERSION_FORMAT, IDC_RECORDING_FORMAT, IDC_SOURCE_FILES, IDC_BROWSE_SOURCE_FOLDER,
                 IDC_DEST_FILES, IDC_SELECT_CUSTOM_FORMAT, IDC_CUSTOM_FORMAT_NAME, IDC_CANCEL_TASKS,
                 IDC_DEVICE_STATUS, IDC_GET_STATUS, IDC_NEW_FILE, IDC_NEW_FILE_NAME}) {
    ASSERT_NE(dlg->GetDlgItem(id), nullptr) << id;
    EXPECT_FALSE(dlg->GetDlgItem(id)->IsWindowVisible()) << id;
  }
  auto* recording = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_RECORDING_FORMAT));
  ASSERT_EQ(recording->GetCount(), 6);
  EXPECT_EQ(recording->GetLBText(5), "dpmQualityPlayNoSilenceComp");
  EXPECT_EQ(recording->GetCurSel(), -1);
  EXPECT_EQ(static_cast<CComboBox*>(dlg->GetDlgItem(IDC_CONVERSION_FORMAT))->GetLBText(5), "Custom");
}

TEST_F(MainWindowTest, SystemMenuHasTheAboutItemWhichChangesNothing) {
  Open();
  CMenu* menu = dlg->GetSystemMenu(FALSE);
  ASSERT_NE(menu, nullptr);
  ASSERT_GE(menu->GetMenuItemCount(), 2);
  const auto& items = menu->Items();
  EXPECT_EQ(items[items.size() - 2].flags & MF_SEPARATOR, MF_SEPARATOR);
  EXPECT_EQ(items.back().id, IDM_ABOUTBOX);
  EXPECT_EQ(items.back().text, "About Selvarin DPM");

  dlg->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_TRUE(host.Shown().empty());
  EXPECT_TRUE(spy.Calls().empty());
}

TEST_F(MainWindowTest, ResultLogKeepsTheNewestTwentyAndClearingKeepsTheNumbering) {
  Open();
  for (int i = 0; i < 21; ++i) dlg->LogResult(i % 2 ? dpmCtrlNoDeviceConnected : S_OK);
  const Strings lines = Lines(*dlg, IDC_RESULT_LOG);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines.front(), "1 NoDeviceConnected");
  EXPECT_EQ(lines.back(), "20 OK");
  EXPECT_EQ(Selection(*dlg, IDC_RESULT_LOG), 19);

  Command(*dlg, IDC_CLEAR_RESULT_LOG);
  EXPECT_TRUE(Lines(*dlg, IDC_RESULT_LOG).empty());
  dlg->LogResult(E_FAIL);
  dlg->LogText("DispEventAdvise failed");
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG), (Strings{"21 FAIL", "22 DispEventAdvise failed"}));
}

TEST_F(MainWindowTest, EventLogKeepsTheNewestThousand) {
  Open();
  for (int i = 0; i <= 1000; ++i) dlg->LogEvent("line " + std::to_string(i));
  const Strings lines = Lines(*dlg, IDC_EVENT_LOG);
  ASSERT_EQ(lines.size(), 1000u);
  EXPECT_EQ(lines.front(), "line 1");
  EXPECT_EQ(lines.back(), "line 1000");
  EXPECT_EQ(Selection(*dlg, IDC_EVENT_LOG), 999);
  Command(*dlg, IDC_CLEAR_EVENT_LOG);
  EXPECT_TRUE(Lines(*dlg, IDC_EVENT_LOG).empty());
}

struct StatusCase {
  LONG device;
  LONG scanner;
  const char* deviceText;
  const char* scannerText;
};

class StatusRefresh : public MainWindowTest, public testing::WithParamInterface<StatusCase> {};

TEST_P(StatusRefresh, MapsBothValuesToTheirTexts) {
  const StatusCase& row = GetParam();
  Open();
  spy.SetValue("get_DeviceStatus", row.device);
  spy.SetValue("get_BarcodeScannerStatus", row.scanner);
  Click(*dlg, IDC_INITIALIZE);
  EXPECT_EQ(spy.Calls(), (Strings{"Initialize(0)", "get_DeviceStatus()", "get_BarcodeScannerStatus()"}));
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG), (Strings{"0 OK", "1 OK", "2 OK"}));
  EXPECT_EQ(dlg->DeviceStatus(), row.deviceText);
  EXPECT_EQ(Text(*dlg, IDC_DEVICE_STATUS), row.deviceText);
  EXPECT_EQ(Text(*dlg, IDC_SCANNER_STATUS), row.scannerText);
}

INSTANTIATE_TEST_SUITE_P(Values, StatusRefresh,
                         testing::Values(StatusCase{0, 0, "Disconnected", ""},
                                         StatusCase{1, 1, "Connected", "Barcode Scanner connected"},
                                         StatusCase{2, 2, "Ready", "Unknown Barcode Scanner status"},
                                         StatusCase{3, 3, "Unknown", "Unknown Barcode Scanner status"},
                                         StatusCase{-1, -1, "Unknown", "Unknown Barcode Scanner status"}),
                         [](const testing::TestParamInfo<StatusCase>& info) {
                           return "Status" + std::to_string(info.index);
                         });

TEST_F(MainWindowTest, FailingStatusCallLeavesTheWindowAsItWas) {
  Open();
  spy.SetValue("get_DeviceStatus", 1);
  spy.SetValue("get_BarcodeScannerStatus", 1);
  Click(*dlg, IDC_INITIALIZE);
  ASSERT_EQ(Text(*dlg, IDC_SCANNER_STATUS), "Barcode Scanner connected");

  spy.ClearCalls();
  spy.SetResult("get_DeviceStatus", dpmCtrlNotInitialized);
  spy.SetValue("get_BarcodeScannerStatus", 0);
  Click(*dlg, IDC_INITIALIZE);
  EXPECT_EQ(spy.Calls(), (Strings{"Initialize(0)", "get_DeviceStatus()"}));
  EXPECT_EQ(Text(*dlg, IDC_SCANNER_STATUS), "Barcode Scanner connected");
  EXPECT_EQ(Text(*dlg, IDC_DEVICE_STATUS), "Connected");
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG).back(), "4 NotInitialized");

  // The hidden "get" control is the same refresh.
  spy.ClearCalls();
  spy.SetResult("get_DeviceStatus", S_OK);
  Command(*dlg, IDC_GET_STATUS);
  EXPECT_EQ(spy.Calls(), (Strings{"get_DeviceStatus()", "get_BarcodeScannerStatus()"}));
  EXPECT_EQ(Text(*dlg, IDC_SCANNER_STATUS), "");
}

TEST_F(MainWindowTest, FailingInitializeStillRefreshesTheStatus) {
  Open();
  spy.SetResult("Initialize", dpmCtrlUsbInterface);
  Click(*dlg, IDC_INITIALIZE);
  EXPECT_EQ(spy.Calls(), (Strings{"Initialize(0)", "get_DeviceStatus()", "get_BarcodeScannerStatus()"}));
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG).front(), "0 Usb Interface");
}

struct EventStep {
  DISPID id;
  std::vector<SpyComponent::EventArg> args;
};

struct EventCase {
  const char* name;
  std::vector<EventStep> steps;
  LONG count;
  bool enabled;
};

class DeviceButtons : public MainWindowTest, public testing::WithParamInterface<EventCase> {};

const EventStep kConnect{DPMEventDeviceConnected, {LONG{0}}};
const EventStep kDisconnect{DPMEventDeviceDisconnected, {LONG{0}}};

TEST_P(DeviceButtons, FollowTheConnectedDeviceCount) {
  Open();
  for (const EventStep& step : GetParam().steps) {
    HRESULT hr = E_FAIL;
    switch (step.args.size()) {
      case 1: hr = spy.Fire(step.id, {step.args[0]}); break;
      case 2: hr = spy.Fire(step.id, {step.args[0], step.args[1]}); break;
      case 3: hr = spy.Fire(step.id, {step.args[0], step.args[1], step.args[2]}); break;
    }
    ASSERT_EQ(hr, S_OK);
  }
  EXPECT_EQ(dlg->EventSink()->ConnectedDevices(), GetParam().count);
  EXPECT_EQ(DeviceButtonsEnabled(), GetParam().enabled);
  EXPECT_EQ(Lines(*dlg, IDC_EVENT_LOG).size(), GetParam().steps.size());
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, DeviceButtons,
    testing::Values(
        EventCase{"ConnectConnectDisconnect", {kConnect, kConnect, kDisconnect}, 1, true},
        EventCase{"BackToNone", {kConnect, kConnect, kDisconnect, kDisconnect}, 0, false},
        EventCase{"DisconnectFirst", {kDisconnect}, -1, true},
        EventCase{"ResultCounts", {kConnect, kDisconnect, {DPMEventResult, {LONG{0}, LONG{dpmCtrlNoDeviceConnected}}}}, 1, true},
        EventCase{"ReadyReevaluates", {kConnect, kDisconnect, {DPMEventDeviceReady, {LONG{0}}}}, 0, false},
        EventCase{"BarcodeKeepsCount", {kConnect, {DPMEventBarcodeScanned, {LONG{0}}}}, 1, true},
        EventCase{"ProgressKeepsCount", {kConnect, {DPMEventProgress, {std::string("copy"), LONG{50}, LONG{0}}}}, 1, true}),
    [](const testing::TestParamInfo<EventCase>& info) { return std::string(info.param.name); });

// Something else switched the buttons on: the next event of any kind sets them by the count again.
TEST_F(MainWindowTest, EveryEventReevaluatesTheButtons) {
  Open();
  for (const EventStep& step : {EventStep{DPMEventDeviceReady, {LONG{0}}}, EventStep{DPMEventBarcodeScanned, {LONG{3}}},
                                EventStep{DPMEventProgress, {std::string("x"), LONG{10}, LONG{20}}}}) {
    dlg->GetDlgItem(IDC_SETUP_DEVICE)->EnableWindow(TRUE);
    dlg->GetDlgItem(IDC_FORMAT_SET_TIME)->EnableWindow(TRUE);
    if (step.args.size() == 1) {
      spy.Fire(step.id, {step.args[0]});
    } else {
      spy.Fire(step.id, {step.args[0], step.args[1], step.args[2]});
    }
    EXPECT_FALSE(DeviceButtonsEnabled()) << step.id;
    EXPECT_EQ(dlg->EventSink()->ConnectedDevices(), 0);
  }
  EXPECT_EQ(Lines(*dlg, IDC_EVENT_LOG),
            (Strings{"DPMEventDeviceReady(0)", "[3] DPMEventBarcodeScanned", "DPMEventProgress(x, 10, 20)"}));
}

TEST_F(MainWindowTest, ProgressAtHundredRefillsTheFileLists) {
  Open();
  spy.Fire(DPMEventProgress, {std::string("copy"), LONG{100}, LONG{0}});
  // No source folder and no destination path yet: nothing to list.
  EXPECT_TRUE(spy.CallsTo("get_FileList").empty());
}

TEST_F(MainWindowTest, SetupDeviceRunsTheSettingsDialogAndEnablesTheButtonsAfterwards) {
  Open();
  spy.Fire(DPMEventDeviceConnected, {LONG{0}});
  bool shown = false;
  QTimer::singleShot(0, [&shown] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible() || w->windowTitle() != "Selvarin DPM Device Settings") continue;
      shown = true;
      QTest::mouseClick(w->findChild<QWidget*>(QString::number(IDOK)), Qt::LeftButton);
    }
  });
  Click(*dlg, IDC_SETUP_DEVICE);
  EXPECT_TRUE(shown);
  ASSERT_GE(spy.Calls().size(), 2u);
  EXPECT_EQ(spy.Calls()[0], "GetDevice(0)");
  EXPECT_EQ(spy.Calls()[1], "GetDeviceSettings()");
  EXPECT_EQ(dlg->DeviceDlg(), nullptr);
  EXPECT_TRUE(DeviceButtonsEnabled());
  EXPECT_EQ(spy.LiveObjects(), 1) << "only the control is still held";
}

TEST_F(MainWindowTest, SetupDeviceWithoutARecorderStillEnablesTheButtons) {
  Open();
  spy.SetResult("GetDevice", dpmCtrlNoDeviceConnected);
  spy.Fire(DPMEventDeviceConnected, {LONG{0}});
  spy.Fire(DPMEventDeviceDisconnected, {LONG{0}});
  ASSERT_FALSE(DeviceButtonsEnabled());
  Command(*dlg, IDC_SETUP_DEVICE);
  EXPECT_EQ(spy.Calls(), Strings{"GetDevice(0)"});
  EXPECT_TRUE(DeviceButtonsEnabled());
  EXPECT_EQ(dlg->DeviceDlg(), nullptr);
}

TEST_F(MainWindowTest, ExitEndsTheRunAndTheTeardownDetachesBeforeReleasing) {
  Open();
  Click(*dlg, IDOK);
  EXPECT_FALSE(dlg->IsWindowVisible());
  dlg.reset();
  EXPECT_EQ(spy.SinkCount(), 0u);
  EXPECT_EQ(spy.LiveObjects(), 0);
  EXPECT_EQ(spy.CallsTo("Deinitialize"), Strings{}) << "the device session is never ended at exit";
}

class MissingComponentTest : public MainWindowTest {
 protected:
  bool RegisterComponent() const override { return false; }
};

TEST_F(MissingComponentTest, ShowsTheErrorQuitsAndLogsTheFailedAttach) {
  dlg = std::make_unique<CMarnCtrlDlg>();
  ASSERT_TRUE(dlg->Create(nullptr));
  EXPECT_EQ(host.MessageTexts(), Strings{"ERROR: CoCreateInstance() failed - DPMCtrl.dll not registered!"});
  EXPECT_EQ(host.Shown().at(0).type & MB_TYPEMASK, MB_OK);
  EXPECT_TRUE(DropQueuedQuit());
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG), Strings{"0 DispEventAdvise failed"});
  EXPECT_EQ(dlg->EventSink(), nullptr);
  EXPECT_TRUE(DeviceButtonsEnabled()) << "left enabled when attaching failed";
  EXPECT_EQ(static_cast<CComboBox*>(dlg->GetDlgItem(IDC_CONVERSION_FORMAT))->GetCurSel(), -1);

  // Nothing that needs the component does anything.
  Command(*dlg, IDC_INITIALIZE);
  Command(*dlg, IDC_GET_STATUS);
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG).size(), 1u);
}

}  // namespace
