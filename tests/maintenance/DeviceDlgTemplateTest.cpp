// SPDX-License-Identifier: GPL-3.0-or-later
// Template 129, the maintenance window: the frame, its three buttons where described, no OK or Cancel
// button, and every other control hidden.
#include "tests/app/MainWindowFixture.h"

#include "maintenance/DeviceDlgTemplate.h"
#include "tests/support/VisibleControls.h"

namespace {

const std::vector<VisibleControlRow> kMaintenanceControls{
    {1019, ControlKind::PushButton, "Synchronize Date/Time", {6, 6, 79, 14}},
    {1022, ControlKind::PushButton, "Format Card", {90, 6, 67, 14}},
    {1113, ControlKind::PushButton, "Close", {102, 54, 54, 12}},
};

TEST(MaintenanceTemplate, HasTheDescribedFrameAndVisibleControls) {
  const DialogTemplate& t = DeviceDlgTemplate();
  ExpectFrame(t, {129, "Selvarin Quorvel", 165, 73});
  EXPECT_EQ(t.style & WS_VISIBLE, static_cast<DWORD>(WS_VISIBLE)) << "visible on creation";
  ExpectVisibleControls(t, kMaintenanceControls);
  for (const ControlTemplate& c : t.controls) {
    EXPECT_NE(c.id, IDOK);
    EXPECT_NE(c.id, IDCANCEL);
  }
}

TEST_F(MainWindowTest, MaintenanceWindowShowsItsThreeButtons) {
  Open();
  spy.Fire(DPMEventDeviceConnected, {LONG{0}});
  Click(*dlg, IDC_FORMAT_SET_TIME);
  ASSERT_NE(dlg->DeviceDlg(), nullptr);
  EXPECT_EQ(dlg->DeviceDlg()->GetTemplate().id, 129u);
  ExpectShown(*dlg->DeviceDlg(), kMaintenanceControls);
}

}  // namespace
