// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader announces in the main window, the About box and the maintenance window: every
// static by the text it shows, every field and list without a text of its own by its label.
#include <QAccessible>
#include <QLabel>

#include "app/AboutDlg.h"
#include "app/AboutDlgIds.h"
#include "maintenance/DeviceDlgIds.h"
#include "tests/app/MainWindowFixture.h"

namespace {

std::string Announced(QWidget* w) {
  QAccessibleInterface* a = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
  return a ? a->text(QAccessible::Name).toStdString() : "<no interface>";
}

class AccessibleNames;

struct WindowCase {
  const char* name;
  CWnd& (*open)(AccessibleNames&);
  std::vector<std::pair<int, std::string>> named;  // control id, announced name
};

void PrintTo(const WindowCase& row, std::ostream* os) { *os << row.name; }

class AccessibleNames : public MainWindowTest, public testing::WithParamInterface<WindowCase> {
 public:
  CWnd& Main() {
    Open();
    return *dlg;
  }
  CWnd& About() {
    Open();
    about = std::make_unique<CAboutDlg>();
    EXPECT_TRUE(about->Create(dlg.get()));
    return *about;
  }
  CWnd& Maintenance() {
    Open();
    spy.Fire(DPMEventDeviceConnected, {LONG{0}});
    Click(*dlg, IDC_FORMAT_SET_TIME);
    EXPECT_NE(dlg->DeviceDlg(), nullptr);
    return dlg->DeviceDlg() ? static_cast<CWnd&>(*dlg->DeviceDlg()) : *dlg;
  }

 protected:
  void TearDown() override {
    about.reset();
    MainWindowTest::TearDown();
  }
  std::unique_ptr<CAboutDlg> about;
};

TEST_P(AccessibleNames, StaticsByTheirTextFieldsAndListsByTheirLabel) {
  CWnd& window = GetParam().open(*this);
  QWidget* widget = WidgetOf(window);
  ASSERT_NE(widget, nullptr);
  const auto statics = widget->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  ASSERT_FALSE(statics.empty());
  for (QLabel* label : statics) {
    EXPECT_EQ(Announced(label), label->text().toStdString()) << "static " << label->objectName().toStdString();
  }
  for (const auto& [id, name] : GetParam().named) {
    EXPECT_EQ(Announced(ControlWidget(window, id)), name) << "control " << id;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, AccessibleNames,
    testing::Values(
        WindowCase{"Main",
                   [](AccessibleNames& t) -> CWnd& { return t.Main(); },
                   // The logs and lists below the instructions are not named by them.
                   {{IDC_PASSWORD, "Pwd:"}, {IDC_EVENT_LOG, ""}, {IDC_DEST_PATH, ""}, {IDC_RECORDING_FORMAT, ""}}},
        WindowCase{"About",
                   [](AccessibleNames& t) -> CWnd& { return t.About(); },
                   {{IDC_ABOUT_VERSION, "2.0.1"}}},
        WindowCase{"Maintenance",
                   [](AccessibleNames& t) -> CWnd& { return t.Maintenance(); },
                   {{IDC_RESULT_LIST, "Error:"},
                    {IDC_PUK, "PUK / Old Enc key"},
                    {IDC_PIN, "PIN"},
                    {IDC_ENCRYPTION_PASSWORD, "Encryption Password"},
                    {IDC_DEVICE_FILE_NAME, "File on dpm"},
                    {IDC_BARCODE_PREFIX, "Prefix:"},
                    {IDC_BARCODE_POSTFIX, "Postfix:"},
                    // Further along the "PIN" line and below "Error:", other controls stand between.
                    {IDC_KEYBOARD_LAYOUTS, ""},
                    {IDC_KEYBOARD_LAYOUT, ""},
                    {IDC_LED1_STATE, ""},
                    {IDC_FILE_COUNT, ""},
                    {IDC_CAPABILITIES, ""}}}),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

}  // namespace
