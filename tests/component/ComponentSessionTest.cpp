// SPDX-License-Identifier: GPL-3.0-or-later
// The device session through the interfaces: initialisation, the default recorder, plugging and
// unplugging with the tool, the tool's requests as events, and the maintenance actions.
#include "tests/component/ComponentFixture.h"

#include <sys/stat.h>

#include "component/recorders/RecorderLock.h"
#include "device/DpmEvents.h"

namespace {

std::vector<DISPID> Ids(const std::vector<RecordedEvent>& events) {
  std::vector<DISPID> ids;
  for (const RecordedEvent& e : events) ids.push_back(e.id);
  return ids;
}

TEST_F(ComponentTest, DeviceCallsBeforeInitializeFail) {
  ComPtr<IDPMDevice> device;
  EXPECT_EQ(control->GetDevice(0, device.ReleaseAndGetAddressOf()), dpmCtrlNotInitialized);
  EXPECT_FALSE(device);
  LONG status = -1;
  EXPECT_EQ(control->get_DeviceStatus(&status), S_OK);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(control->Deinitialize(), dpmCtrlNotInitialized);
  EXPECT_EQ(Pump(), 0u);
}

TEST_F(ComponentTest, InitializeMakesTheDefaultRecorderAndReportsItOnlyWhilePumping) {
  ASSERT_EQ(control->Initialize(0), S_OK);
  EXPECT_TRUE(sink.events.empty()) << "events must not arrive inside the program's call";
  Pump();
  ASSERT_EQ(Ids(sink.events), (std::vector<DISPID>{DPMEventDeviceConnected, DPMEventDeviceReady}));
  EXPECT_EQ(sink.events[0].numbers, std::vector<LONG>{0});
  ASSERT_FALSE(OnlyRecorder().empty());

  LONG type = 0, status = 0;
  EXPECT_EQ(Device()->GetDeviceType(&type), S_OK);
  EXPECT_EQ(type, 27);  // DPM4_8200
  EXPECT_EQ(control->get_DeviceStatus(&status), S_OK);
  EXPECT_EQ(status, 2);
  ComPtr<IDPMDevice> none;
  EXPECT_EQ(control->GetDevice(1, none.ReleaseAndGetAddressOf()), dpmCtrlNoDeviceConnected);

  ASSERT_EQ(control->Initialize(0), S_OK);  // again: the same session, nothing new to report
  Pump();
  EXPECT_EQ(sink.events.size(), 2u);
}

TEST_F(ComponentTest, ASessionWithoutDefaultMakesNoRecorderAndUnknownFlagsAreRefused) {
  EXPECT_EQ(control->Initialize(0x8), E_INVALIDARG);
  ASSERT_EQ(control->Initialize(dpmSessionNoDefaultRecorder), S_OK);
  Pump();
  EXPECT_TRUE(sink.events.empty());
  EXPECT_TRUE(AllRecorderFolders(Recorders()).empty());
  ComPtr<IDPMDevice> none;
  EXPECT_EQ(control->GetDevice(0, none.ReleaseAndGetAddressOf()), dpmCtrlNoDeviceConnected);
}

// A dry run's session answers a commit exactly as a real one, and stores nothing.
TEST_F(ComponentTest, ACheckingSessionAnswersCommitsAndStoresNothing) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  ASSERT_EQ(Tool("add DPM4_8000 other"), 0);
  ASSERT_EQ(control->Initialize(dpmSessionCheckCommitsOnly), S_OK);
  const std::string committed = ReadText(Recorders() + "/desk/settings.json");
  ComPtr<IDPMDevice> desk = Device(0), other = Device(1);
  LONG type = 0;
  ASSERT_EQ(desk->GetDeviceType(&type), S_OK);
  if (type != 27) std::swap(desk, other);
  ComPtr<IDPMDeviceSettings> settings = SettingsOf(desk.Get());
  VARIANT_BOOL before = VARIANT_FALSE, after = VARIANT_FALSE;
  ASSERT_EQ(settings->get_DeviceBeep(&before), S_OK);
  ASSERT_EQ(settings->put_DeviceBeep(before ? VARIANT_FALSE : VARIANT_TRUE), S_OK);
  EXPECT_EQ(desk->SetDeviceSettings(settings.Get()), S_OK);
  EXPECT_EQ(other->SetDeviceSettings(settings.Get()), dpmCtrlNotSupported);
  EXPECT_EQ(ReadText(Recorders() + "/desk/settings.json"), committed);
  EXPECT_EQ(SettingsOf(desk.Get())->get_DeviceBeep(&after), S_OK);
  EXPECT_EQ(after, before);
}

TEST_F(ComponentTest, PresentRecordersAreReportedInsteadOfTheDefault) {
  ASSERT_EQ(Tool("add DPM_9450_00 first"), 0);
  ASSERT_EQ(Tool("add 20 second"), 0);
  ASSERT_EQ(control->Initialize(0), S_OK);
  Pump();
  EXPECT_EQ(Ids(sink.events), (std::vector<DISPID>{DPMEventDeviceConnected, DPMEventDeviceReady,
                                                    DPMEventDeviceConnected, DPMEventDeviceReady}));
  EXPECT_EQ(PresentRecorderFolders(Recorders()).size(), 2u);
  LONG type = 0;
  EXPECT_EQ(Device(1)->GetDeviceType(&type), S_OK);
  EXPECT_EQ(type, 20);
}

TEST_F(ComponentTest, WhatAnInterruptedWriteLeftIsTidiedAtConnection) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  const std::string folder = Recorders() + "/desk";
  WriteText(folder + "/settings.json.tmp-AbC123", "half a settings file");
  std::filesystem::create_directory(folder + "/.card-formatting-XYZ");
  WriteText(folder + "/requests/0001.json", R"({"action":"button","button":2})");
  ASSERT_EQ(control->Initialize(0), S_OK);
  Pump();
  EXPECT_FALSE(std::filesystem::exists(folder + "/settings.json.tmp-AbC123"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/.card-formatting-XYZ"));
  EXPECT_EQ(sink.events.size(), 2u) << "a request from before the session is stale";
  EXPECT_TRUE(SettingsOf(Device().Get()));
}

TEST_F(ComponentTest, TidyingLeavesWhatARunningWriterIsWriting) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  const std::string folder = Recorders() + "/desk";
  {
    RecorderLock writer;  // another process, halfway through replacing the state
    ASSERT_EQ(writer.Take(folder), S_OK);
    WriteText(folder + "/state.json.tmp-Live01", "half a state file");
    ASSERT_EQ(control->Initialize(0), S_OK);
    Pump();
    EXPECT_TRUE(std::filesystem::exists(folder + "/state.json.tmp-Live01"));
  }
  // Its writer gone, the file is abandoned: the next session start tidies it.
  ASSERT_EQ(control->Deinitialize(), S_OK);
  ASSERT_EQ(control->Initialize(0), S_OK);
  Pump();
  EXPECT_FALSE(std::filesystem::exists(folder + "/state.json.tmp-Live01"));
}

TEST_F(ComponentTest, ADamagedRecorderIsConnectedButNotReadyAndNoDefaultIsMade) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  const std::string identity = Recorders() + "/desk/identity.json";
  const std::string whole = ReadText(identity);
  WriteText(identity, whole.substr(0, whole.size() / 2));
  ASSERT_EQ(control->Initialize(0), S_OK);
  Pump();
  EXPECT_EQ(Ids(sink.events), std::vector<DISPID>{DPMEventDeviceConnected});
  EXPECT_EQ(AllRecorderFolders(Recorders()).size(), 1u) << "no default recorder beside the damaged one";
  LONG status = 0;
  EXPECT_EQ(control->get_DeviceStatus(&status), S_OK);
  EXPECT_EQ(status, 1);
  ComPtr<IDPMDevice> device;
  EXPECT_EQ(control->GetDevice(0, device.ReleaseAndGetAddressOf()), dpmCtrlDeviceNotReady);
  EXPECT_FALSE(device);

  // Mended, it turns ready when the session next looks (here: another recorder is plugged in).
  WriteText(identity, whole);
  ASSERT_EQ(Tool("add DPM_9450_00 travel"), 0);
  ASSERT_TRUE(PumpUntilEvents(4));
  const auto readyZero = std::find_if(sink.events.begin(), sink.events.end(), [](const RecordedEvent& e) {
    return e.id == DPMEventDeviceReady && e.numbers == std::vector<LONG>{0};
  });
  EXPECT_NE(readyZero, sink.events.end());
  EXPECT_EQ(control->get_DeviceStatus(&status), S_OK);
  EXPECT_EQ(status, 2);
  LONG type = 0;
  EXPECT_EQ(Device(0)->GetDeviceType(&type), S_OK);
  EXPECT_EQ(type, 27);
}

TEST_F(ComponentTest, PipesInTheRequestsFolderDoNotBlockTheSession) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  const std::string requests = Recorders() + "/desk/requests";
  ::mkfifo((requests + "/0000-stale.json").c_str(), 0644);  // nobody ever writes to these
  ASSERT_EQ(control->Initialize(0), S_OK);
  ASSERT_TRUE(PumpUntilEvents(2));
  ::mkfifo((requests + "/0001-new.json").c_str(), 0644);
  ASSERT_EQ(Tool("press desk play"), 0);
  ASSERT_TRUE(PumpUntilEvents(3));
  EXPECT_EQ(sink.events[2].id, DPMEventButton);
  EXPECT_EQ(sink.events[2].numbers, (std::vector<LONG>{0, 2}));
  EXPECT_EQ(EntryCount(requests), 0u) << "taken, pipes included";
}

TEST_F(ComponentTest, ToolPlugAndUnplugArriveAsEvents) {
  ASSERT_EQ(Tool("add DPM4_8000 desk"), 0);
  ASSERT_EQ(control->Initialize(0), S_OK);
  ASSERT_TRUE(PumpUntilEvents(2));
  ASSERT_EQ(Tool("add D_6510_00 travel"), 0);
  ASSERT_TRUE(PumpUntilEvents(4));
  EXPECT_EQ(sink.events[2].id, DPMEventDeviceConnected);
  EXPECT_EQ(sink.events[2].numbers, std::vector<LONG>{1});
  EXPECT_EQ(sink.events[3].id, DPMEventDeviceReady);

  ComPtr<IDPMDevice> desk = Device(0);
  ComPtr<IDPMDeviceSettings> settings = SettingsOf(desk.Get());
  const std::string before = ReadText(Recorders() + "/desk/settings.json");
  ASSERT_EQ(Tool("remove desk"), 0);
  ASSERT_TRUE(PumpUntilEvents(5));
  EXPECT_EQ(sink.events[4].id, DPMEventDeviceDisconnected);
  EXPECT_EQ(sink.events[4].numbers, std::vector<LONG>{0});

  // The unplugged recorder's objects fail by name; its detached settings object still works.
  LONG type = 0;
  EXPECT_EQ(desk->GetDeviceType(&type), dpmCtrlNoDeviceConnected);
  EXPECT_EQ(desk->FormatCard(), dpmCtrlNoDeviceConnected);
  EXPECT_EQ(settings->put_DeviceBeep(VARIANT_FALSE), S_OK);
  EXPECT_EQ(desk->SetDeviceSettings(settings.Get()), dpmCtrlNoDeviceConnected);
  EXPECT_FALSE(std::filesystem::exists(Recorders() + "/desk"));
  // The remaining recorder moved up to index 0.
  EXPECT_EQ(Device(0)->GetDeviceType(&type), S_OK);
  EXPECT_EQ(type, 13);
}

TEST_F(ComponentTest, ToolRequestsArriveAsButtonBarcodeAndReadyEvents) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  ASSERT_EQ(control->Initialize(0), S_OK);
  ASSERT_TRUE(PumpUntilEvents(2));
  ASSERT_EQ(Tool("press desk record"), 0);
  ASSERT_EQ(Tool("release desk record"), 0);
  ASSERT_TRUE(PumpUntilEvents(4));
  EXPECT_EQ(sink.events[2].id, DPMEventButton);
  EXPECT_EQ(sink.events[2].numbers, (std::vector<LONG>{0, 4}));
  EXPECT_EQ(sink.events[3].numbers, (std::vector<LONG>{0, 5}));
  LONG button = -1;
  EXPECT_EQ(Device()->GetLastButtonEvent(&button), S_OK);
  EXPECT_EQ(button, 5);

  EXPECT_EQ(Tool("scan desk 4711"), 1) << "no scanner attached yet";
  ASSERT_EQ(Tool("scanner desk attach"), 0);
  ASSERT_TRUE(PumpUntilEvents(5));
  EXPECT_EQ(sink.events[4].id, DPMEventDeviceReady);
  LONG scanner = 0;
  EXPECT_EQ(control->get_BarcodeScannerStatus(&scanner), S_OK);
  EXPECT_EQ(scanner, 1);
  ASSERT_EQ(Tool("scan desk 4711"), 0);
  ASSERT_TRUE(PumpUntilEvents(7));
  EXPECT_EQ(sink.events[5].id, DPMEventBarcodeScanned);
  EXPECT_EQ(sink.events[6].id, DPMEventBarcodeStringScanned);
  EXPECT_EQ(sink.events[6].texts, std::vector<std::string>{"4711"});
}

// A tool's session takes no button press or scan, neither one waiting when it starts nor a new one:
// they stay for the program's session.
TEST_F(ComponentTest, ASessionThatLeavesRequestsTakesNone) {
  ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
  ASSERT_EQ(Tool("press desk record"), 0);
  ASSERT_EQ(control->Initialize(dpmSessionLeaveRequests), S_OK);
  ASSERT_TRUE(PumpUntilEvents(2));  // connected, ready
  ASSERT_EQ(Tool("press desk play"), 0);
  for (int i = 0; i < 5; ++i) CoGetApartmentDispatcher()->PumpFor(20);
  EXPECT_EQ(sink.events.size(), 2u);
  EXPECT_EQ(EntryCount(Recorders() + "/desk/requests"), 2u);
}

TEST_F(ComponentTest, ToolReportsItsErrorsWithUsage) {
  EXPECT_EQ(Tool(""), 2);
  EXPECT_NE(ToolOutput().find("usage: dpmrecorder"), std::string::npos);
  EXPECT_EQ(Tool("add DPM_1234"), 1);
  EXPECT_NE(ToolOutput().find("unknown model"), std::string::npos);
  EXPECT_EQ(Tool("press nobody play"), 1);
  EXPECT_EQ(Tool("add 27 x"), 0);
  EXPECT_EQ(Tool("add 27 x"), 1) << "the name is taken";
  EXPECT_EQ(Tool("press x sing"), 2);
  EXPECT_EQ(Tool("add 27 ../escape"), 1);
}

// What a program does with the default recorder, and the tool showing the result.
TEST_F(ComponentTest, SynchronizeAndFormatTheDefaultRecorder) {
  ASSERT_EQ(control->Initialize(0), S_OK);
  Pump();
  const std::string name = RecorderFolder(OnlyRecorder()).Name();
  WriteText(scratch.Path() + "/a.dss", std::string(3000, 'x'));
  ASSERT_EQ(Tool("put " + name + " " + scratch.Path() + "/a.dss"), 0);
  ComPtr<IDPMDevice> device = Device();
  LONG files = 0, freeBefore = 0, freeAfter = 0;
  EXPECT_EQ(device->get_FileCount(&files), S_OK);
  EXPECT_EQ(files, 1);
  EXPECT_EQ(device->GetFreeDiskSpace(&freeBefore), S_OK);

  ASSERT_EQ(Tool("show " + name), 0);
  EXPECT_EQ(ToolOutput().find("(0 s from this computer)"), std::string::npos);
  EXPECT_EQ(device->SynchronizeDateTime(), S_OK);
  EXPECT_EQ(device->FormatCard(), S_OK);
  EXPECT_EQ(device->get_FileCount(&files), S_OK);
  EXPECT_EQ(files, 0);
  EXPECT_EQ(device->GetFreeDiskSpace(&freeAfter), S_OK);
  EXPECT_EQ(freeAfter - freeBefore, 3);  // KiB

  ASSERT_EQ(Tool("show " + name), 0);
  const std::string shown = ToolOutput();
  EXPECT_NE(shown.find("(0 s from this computer)"), std::string::npos) << shown;
  EXPECT_NE(shown.find("card:      0 file(s)"), std::string::npos) << shown;
  EXPECT_NE(shown.find("FileNamePrefixString = \"DICT\""), std::string::npos) << "settings survive formatting";
}

TEST_F(ComponentTest, DeinitializeDisconnectsEveryRecorder) {
  ASSERT_EQ(control->Initialize(0), S_OK);
  ComPtr<IDPMDevice> device = Device();
  ASSERT_EQ(control->Deinitialize(), S_OK);
  Pump();
  EXPECT_EQ(Ids(sink.events), (std::vector<DISPID>{DPMEventDeviceConnected, DPMEventDeviceReady,
                                                    DPMEventDeviceDisconnected}));
  EXPECT_EQ(device->SynchronizeDateTime(), dpmCtrlNotInitialized);
  ComPtr<IDPMDevice> again;
  EXPECT_EQ(control->GetDevice(0, again.ReleaseAndGetAddressOf()), dpmCtrlNotInitialized);
}

TEST_F(ComponentTest, FileTasksNeedNoSessionAndTheEventLibraryIsRegistered) {
  Bstr a = Text((scratch / "a").c_str()), b = Text((scratch / "b").c_str());
  EXPECT_EQ(control->Copy(a.Get(), b.Get(), VARIANT_FALSE), dpmCtrlFileNotFound);
  EXPECT_EQ(control->StartDelayedTasks(), S_OK);
  EXPECT_EQ(control->CancelTasks(dpmCtrlOperationCancelled), S_OK);
  IDPMFileInfo* info = reinterpret_cast<IDPMFileInfo*>(1);
  EXPECT_EQ(control->get_IDPMFileInfo(a.Get(), &info), dpmCtrlFileNotFound);
  EXPECT_EQ(info, nullptr);

  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(control.As(&container), S_OK);
  ComPtr<IConnectionPoint> other;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDPMDevice, other.ReleaseAndGetAddressOf()), CONNECT_E_NOCONNECTION);

  ComPtr<ITypeLib> library;
  ASSERT_EQ(LoadRegTypeLib(LIBID_DPMCONTROLLib, 1, 0, 0, library.ReleaseAndGetAddressOf()), S_OK);
  ComPtr<ITypeInfo> events;
  ASSERT_EQ(library->GetTypeInfoOfGuid(DIID__DDPMControlEvents, events.ReleaseAndGetAddressOf()), S_OK);
  FunctionDescription progress;
  ASSERT_EQ(events->GetFunction(DPMEventProgress, &progress), S_OK);
  EXPECT_EQ(progress.name, "DPMEventProgress");
  EXPECT_EQ(progress.paramTypes, (std::vector<VARTYPE>{VT_BSTR, VT_I4, VT_I4}));
}

}  // namespace
