// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over the real module and simulated recorders: initialising, the maintenance
// window's actions, and recorders plugged in while the session runs.
#include "tests/app/EndToEndFixture.h"

namespace {

TEST_F(EndToEndTest, InitializeFormatAndSetTimeThroughTheWindows) {
  Open();
  EXPECT_FALSE(DeviceButtonsEnabled());
  Click(*dlg, IDC_INITIALIZE);
  EXPECT_EQ(Lines(*dlg, IDC_RESULT_LOG).at(0), "0 OK");
  ASSERT_TRUE(PumpUntil([&] { return CountStartingWith(Lines(*dlg, IDC_EVENT_LOG), kConnected) == 1; }))
      << "no connect event in the event log";
  EXPECT_TRUE(PumpUntil([&] { return DeviceButtonsEnabled(); }));
  EXPECT_EQ(dlg->EventSink()->ConnectedDevices(), 1);

  const auto recorders = Recorded();
  ASSERT_EQ(recorders.size(), 1u) << m_toolOutput;
  const std::string name = recorders[0].first;
  EXPECT_EQ(recorders[0].second, "DPM4_8200");
  EXPECT_GT(std::labs(ClockOffset(name)), 60) << "a new recorder's clock is not set";

  // Something on the card for the format to remove.
  const std::string dictation = Path("letter.dss");
  std::ofstream(dictation) << "dictation";
  ASSERT_EQ(Tool("put " + name + " " + dictation), 0) << m_toolOutput;
  ASSERT_EQ(Shown(name, "card"), "1 file(s)");

  Click(*dlg, IDC_FORMAT_SET_TIME);
  ASSERT_NE(dlg->DeviceDlg(), nullptr);
  CMarnDeviceDlg& device = *dlg->DeviceDlg();
  EXPECT_TRUE(device.IsWindowVisible());
  EXPECT_FALSE(DeviceButtonsEnabled());
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), Strings{"OK"}) << "getting the device";

  Click(device, IDC_SYNCHRONIZE_DATE_TIME);
  Click(device, IDC_FORMAT_CARD);  // answered No: the card keeps its dictation
  EXPECT_EQ(Shown(name, "card"), "1 file(s)");
  host.NextMessageBoxAnswer(IDYES);
  Click(device, IDC_FORMAT_CARD);
  EXPECT_EQ(Lines(device, IDC_RESULT_LIST), (Strings{"OK", "OK", "OK"}));
  EXPECT_LE(std::labs(ClockOffset(name)), 2);
  EXPECT_EQ(Shown(name, "card"), "0 file(s)");
  EXPECT_EQ(host.MessageTexts().size(), 2u) << "only the two format questions";

  Click(device, IDC_CLOSE);
  EXPECT_TRUE(PumpUntil([&] { return dlg->DeviceDlg() == nullptr; }));
  EXPECT_TRUE(DeviceButtonsEnabled());
}

TEST_F(EndToEndTest, RecorderAddedByTheToolReachesTheEventLog) {
  StartSession();
  ASSERT_EQ(Tool("add DPM4_8500 desk"), 0) << m_toolOutput;
  EXPECT_TRUE(PumpUntil([&] { return CountStartingWith(Lines(*dlg, IDC_EVENT_LOG), kConnected) == 2; }))
      << "the second recorder's connect event never arrived";
  EXPECT_EQ(dlg->EventSink()->ConnectedDevices(), 2);
  EXPECT_TRUE(DeviceButtonsEnabled());

  ASSERT_EQ(Tool("remove desk"), 0) << m_toolOutput;
  EXPECT_TRUE(PumpUntil([&] { return dlg->EventSink()->ConnectedDevices() == 1; }))
      << "the disconnect event never arrived";
  EXPECT_TRUE(DeviceButtonsEnabled());
}

}  // namespace
