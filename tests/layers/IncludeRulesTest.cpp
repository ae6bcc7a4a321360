// SPDX-License-Identifier: GPL-3.0-or-later
// The include table's arrows, row by row, and the scan's report of file and line.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/layers/IncludeRules.h"

namespace {

struct Row {
  const char* from;
  const char* target;
  bool angled;
  bool allowed;
};

class IncludeRuleRows : public testing::TestWithParam<Row> {};

TEST_P(IncludeRuleRows, AllowsOnlyTheTablesArrows) {
  const Row& row = GetParam();
  std::string reason = layers::ForbiddenReason(row.from, row.target, row.angled);
  EXPECT_EQ(reason.empty(), row.allowed) << row.from << " -> " << row.target << ": " << reason;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IncludeRuleRows,
    testing::Values(
        // Qt: platform/ui only, in either spelling.
        Row{"platform/ui/Dialog.cpp", "QWidget", true, true},
        Row{"app/MarnCtrlDlg.cpp", "QWidget", true, false},
        Row{"settings/Sub/Deep.h", "QtWidgets/QLabel", true, false},
        Row{"component/models/ModelCatalogue.cpp", "QString", true, false},
        Row{"quorvelctl/main.cpp", "QtCore", true, false},
        Row{"platform/automation/Bstr.cpp", "QObject", true, false},
        Row{"app/Any.cpp", "queue", true, true},
        Row{"component/X.cpp", "sodium.h", true, true},
        // Program folders: downwards only, device/ from all, never the component.
        Row{"app/MarnCtrlDlg.cpp", "maintenance/MarnDeviceDlg.h", false, true},
        Row{"app/MarnCtrlDlg.cpp", "fileinfo/FileInfoDlg.h", false, true},
        Row{"app/MarnCtrlDlg.cpp", "settings/Any.h", false, true},
        Row{"maintenance/MarnDeviceDlg.cpp", "settings/Any.h", false, true},
        Row{"settings/Any.cpp", "keywords/Any.h", false, true},
        Row{"settings/Any.cpp", "smartbuttons/Any.h", false, true},
        Row{"keywords/Any.cpp", "device/EventSink.h", false, true},
        Row{"fileinfo/Any.cpp", "platform/ui/Dialog.h", false, true},
        Row{"device/EventSink.cpp", "platform/automation/Com.h", false, true},
        Row{"maintenance/Any.cpp", "app/MarnCtrlDlg.h", false, false},
        Row{"settings/Any.cpp", "maintenance/Any.h", false, false},
        Row{"keywords/Any.cpp", "settings/Any.h", false, false},
        Row{"keywords/Any.cpp", "smartbuttons/Any.h", false, false},
        Row{"fileinfo/Any.cpp", "maintenance/Any.h", false, false},
        Row{"device/Any.cpp", "app/Any.h", false, false},
        Row{"app/Any.cpp", "component/Session.h", false, false},
        Row{"app/Any.cpp", "quorvelctl/Program.h", false, false},
        Row{"app/Any.cpp", "platform/ui/internal/WindowState.h", false, false},
        // The component: the device contract and the automation layer, in either layout.
        Row{"component/DPMControl.cpp", "device/IDPMControl.h", false, true},
        Row{"component/objects/DPMControl.cpp", "device/contract/DpmIds.h", false, true},
        Row{"component/session/Session.cpp", "component/recorders/RecorderLock.h", false, true},
        Row{"component/X.cpp", "platform/automation/Com.h", false, true},
        Row{"component/X.cpp", "device/EventSink.h", false, false},
        Row{"component/session/X.cpp", "device/program/ResultNames.h", false, false},
        Row{"component/X.cpp", "device/IEventLogTarget.h", false, false},
        Row{"component/X.cpp", "device/ButtonNames.h", false, false},
        Row{"component/X.cpp", "settings/Any.h", false, false},
        Row{"component/X.cpp", "platform/ui/Dialog.h", false, false},
        // quorvelctl: device/ and the automation layer.
        Row{"quorvelctl/Program.cpp", "device/IDPMControl.h", false, true},
        Row{"quorvelctl/Program.cpp", "platform/automation/Com.h", false, true},
        Row{"quorvelctl/Program.cpp", "platform/ui/Wnd.h", false, false},
        Row{"quorvelctl/Program.cpp", "component/Session.h", false, false},
        Row{"quorvelctl/Program.cpp", "settings/Any.h", false, false},
        // The platform layers: ui over automation, automation alone.
        Row{"platform/ui/WinApp.cpp", "platform/automation/Apartment.h", false, true},
        Row{"platform/ui/WinApp.cpp", "app/Resources.h", false, false},
        Row{"platform/automation/Com.cpp", "platform/ui/Wnd.h", false, false},
        Row{"platform/automation/Com.cpp", "device/DpmIds.h", false, false},
        // Outside the checked folders nothing is enforced.
        Row{"tests/app/AppTest.cpp", "QWidget", true, true},
        Row{"tests/app/AppTest.cpp", "component/Session.h", false, true}));

class ScratchTree : public testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("include_rules_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(root_);
  }
  void TearDown() override { std::filesystem::remove_all(root_); }
  void Write(const std::string& path, const std::string& text) {
    std::filesystem::create_directories((root_ / path).parent_path());
    std::ofstream(root_ / path) << text;
  }
  std::filesystem::path root_;
};

TEST_F(ScratchTree, ReportsEachForbiddenIncludeWithFileAndLine) {
  Write("keywords/Grid.h", "#pragma once\n");
  Write("settings/Dlg.cpp", "#include \"keywords/Grid.h\"\n#include <vector>\n  #  include <QLabel>\n");
  Write("keywords/Grid.cpp", "// a comment\n#include \"Grid.h\"\n#include \"settings/Dlg.h\"\n");
  Write("component/session/Events.cpp", "#include \"device/program/EventSink.h\"\n#include \"Local.h\"\n");
  Write("component/session/Local.h", "#pragma once\n");
  Write("tests/Anything.cpp", "#include <QWidget>\n");

  auto found = layers::ScanTree(root_);

  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].file, "component/session/Events.cpp");
  EXPECT_EQ(found[0].line, 1);
  EXPECT_EQ(found[0].target, "device/program/EventSink.h");
  EXPECT_EQ(found[1].file, "keywords/Grid.cpp");
  EXPECT_EQ(found[1].line, 3);
  EXPECT_EQ(found[1].target, "settings/Dlg.h");
  EXPECT_EQ(found[2].file, "settings/Dlg.cpp");
  EXPECT_EQ(found[2].line, 3);
  EXPECT_EQ(found[2].target, "QLabel");
  EXPECT_EQ(found[2].reason, "Qt outside platform/ui");
}

TEST_F(ScratchTree, AFileBesideTheIncluderResolvesToItsOwnFolder) {
  // "Setting.h" beside a component file is the component's own, not a program folder's.
  Write("component/models/Setting.h", "#pragma once\n");
  Write("component/models/Catalogue.cpp", "#include \"Setting.h\"\n#include \"../session/Session.h\"\n");
  Write("component/session/Session.h", "#pragma once\n");

  EXPECT_TRUE(layers::ScanTree(root_).empty());
}

}  // namespace
