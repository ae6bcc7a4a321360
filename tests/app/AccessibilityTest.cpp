// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as a screen reader meets it: the role and name of its controls, and its controls driven
// through the accessibility interfaces only, which must reach the same handlers, and so the component,
// as a mouse or the keyboard.
#include "fileinfo/FileInfoIds.h"
#include "maintenance/DeviceDlgIds.h"
#include "settings/DeviceSettingsIds.h"
#include "smartbuttons/SmartButtonsIds.h"
#include "tests/app/AllWindowsFixture.h"
#include "tests/platform/ui/AccessibleDriver.h"

namespace {

using Strings = std::vector<std::string>;

struct Announcement {
  Window window;
  int id;
  QAccessible::Role role;
  const char* name;
};

void PrintTo(const Announcement& row, std::ostream* os) { *os << "control " << row.id; }

class Announcements : public AllWindows, public testing::WithParamInterface<Announcement> {};

TEST_P(Announcements, RoleAndName) {
  CWnd& shown = OpenWindow(GetParam().window);
  QAccessibleInterface* a = accessible::Of(ControlWidget(shown, GetParam().id));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), GetParam().role);
  EXPECT_EQ(accessible::Announced(a), GetParam().name);
}

using R = QAccessible::Role;
INSTANTIATE_TEST_SUITE_P(
    Windows, Announcements,
    testing::Values(
        Announcement{Window::Main, IDC_SETUP_DEVICE, R::Button, "Setup Device"},
        Announcement{Window::Maintenance, IDC_FORMAT_CARD, R::Button, "Format Card"},
        Announcement{Window::Maintenance, IDC_PIN, R::EditableText, "PIN"},
        Announcement{Window::Maintenance, IDC_RESULT_LIST, R::List, "Error:"},
        // Drop-down lists by their label, never by the value they show.
        Announcement{Window::Settings, IDC_BARCODE_SCAN_BUTTON, R::ComboBox, "Barcode Scan Button:"},
        Announcement{Window::Settings, IDC_BARCODE_MODE, R::ComboBox, "Barcode Mode:"},
        Announcement{Window::Settings, IDC_RECORDING_MODE, R::ComboBox, "Recording Mode"},
        Announcement{Window::Settings, IDC_FUNCTION_KEY, R::ComboBox, "Function Key:"},
        Announcement{Window::Settings, IDC_FOUR_POS_SWITCH, R::ComboBox, "Slide Switch"},
        Announcement{Window::Settings, IDC_SENSITIVITY_MEDIUM, R::RadioButton, "Medium"},
        Announcement{Window::Settings, IDC_DATE_TIME_24_HOURS, R::RadioButton, "24 Hours"},
        Announcement{Window::Settings, IDC_PRO_MODE, R::CheckBox, "Pro Mode"},
        Announcement{Window::Settings, IDC_PREFIX_TEXT, R::EditableText, "Filename Prefix String"},
        Announcement{Window::SmartButtons, IDC_RECORD_LEFT, R::ComboBox, "Record, Left Button"},
        Announcement{Window::SmartButtons, IDC_STOPPED_NEW_RIGHT, R::ComboBox, "Stopped New, Right Button"},
        Announcement{Window::SmartButtons, IDC_PLAY_BACK_MIDDLE, R::ComboBox, "Play Back, Middle Button"},
        Announcement{Window::SmartButtons, IDC_DISPLAY_AREA_3, R::ComboBox, "Display Area 3"},
        Announcement{Window::SmartButtons, IDC_RECORDING_PROFILE, R::ComboBox, "Recording Profile"},
        Announcement{Window::SmartButtons, IDC_MIC_OMNI_DIRECTIONAL, R::RadioButton, "Omni Directional"},
        Announcement{Window::FileInfo, IDC_FI_IS_ENCRYPTED, R::CheckBox, "Is Encrypted"}));

// Every control a user can reach is announced by some name, in every window.
class EveryControl : public AllWindows, public testing::WithParamInterface<Window> {};

TEST_P(EveryControl, HasAName) {
  QWidget* window = WidgetOf(OpenWindow(GetParam()));
  int reachable = 0;
  for (QWidget* c : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!c->isVisible() || c->objectName().isEmpty() || c->focusPolicy() == Qt::NoFocus) continue;
    ++reachable;
    EXPECT_NE(accessible::Announced(c), "") << "control " << c->objectName().toStdString();
  }
  EXPECT_GE(reachable, 2);
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryControl,
                         testing::Values(Window::Main, Window::Maintenance, Window::Settings, Window::SmartButtons,
                                         Window::FileInfo),
                         [](const testing::TestParamInfo<Window>& info) { return std::string(NameOf(info.param)); });

// The text field inside an editable drop-down list is named like its list, and radio buttons stay radio
// buttons whether checked or not.
TEST_F(AllWindows, FieldsOfEditableListsAndCheckedRadios) {
  CWnd& buttons = OpenWindow(Window::SmartButtons);
  EXPECT_EQ(accessible::TextField(ControlWidget(buttons, IDC_RECORD_LEFT))->text(QAccessible::Name).toStdString(),
            "Record, Left Button");
  QAccessibleInterface* uni = accessible::Of(ControlWidget(buttons, IDC_MIC_UNI_DIRECTIONAL));
  QAccessibleInterface* omni = accessible::Of(ControlWidget(buttons, IDC_MIC_OMNI_DIRECTIONAL));
  ASSERT_NE(uni->state().checked, omni->state().checked);
  EXPECT_EQ(uni->role(), QAccessible::RadioButton);
  EXPECT_EQ(omni->role(), QAccessible::RadioButton);
}

// One row per kind of action and window: what the action does, then the calls the component must get.
struct Action {
  const char* name;
  Window window;
  void (*act)(AllWindows&, CWnd&);
  Strings calls;
  const char* only = nullptr;  // compare only the calls of this name
};

void PrintTo(const Action& row, std::ostream* os) { *os << row.name; }

class Actions : public AllWindows, public testing::WithParamInterface<Action> {};

TEST_P(Actions, ReachTheComponent) {
  CWnd& shown = OpenWindow(GetParam().window);
  GetParam().act(*this, shown);
  EXPECT_EQ(GetParam().only ? spy.CallsTo(GetParam().only) : spy.Calls(), GetParam().calls);
}

QWidget* In(CWnd& w, int id) { return ControlWidget(w, id); }

INSTANTIATE_TEST_SUITE_P(
    Windows, Actions,
    testing::Values(
        Action{"MainPress", Window::Main,
               [](AllWindows&, CWnd& w) { ASSERT_TRUE(accessible::Act(In(w, IDC_FORMAT_SET_TIME), "Press")); },
               {"GetDevice(0)"}},
        Action{"MaintenancePress", Window::Maintenance,
               [](AllWindows&, CWnd& w) {
                 ASSERT_TRUE(accessible::Act(In(w, IDC_SYNCHRONIZE_DATE_TIME), "Press"));
               },
               {"SynchronizeDateTime()"}},
        Action{"SettingsToggleBox", Window::Settings,
               [](AllWindows&, CWnd& w) { ASSERT_TRUE(accessible::Act(In(w, IDC_PRO_MODE), "Toggle")); },
               {"put_ProMode(-1)"}},
        Action{"SettingsToggleRadio", Window::Settings,
               [](AllWindows&, CWnd& w) {
                 ASSERT_TRUE(accessible::Act(In(w, IDC_SENSITIVITY_HIGH), "Toggle"));
               },
               {"put_DateTimeFormat(0)", "put_Appearance(0)", "put_MicrophoneSensitivity(2)",
                "put_FileNamePrefixType(0)", "put_FileNamePrefixString(\"\")"}},
        Action{"SettingsChooseEntry", Window::Settings,
               [](AllWindows&, CWnd& w) { ASSERT_TRUE(accessible::Choose(In(w, IDC_FUNCTION_KEY), "Priority")); },
               {"put_FunctionKey(8)"}},
        Action{"SettingsSetTextThenLeave", Window::Settings,
               [](AllWindows&, CWnd& w) {
                 In(w, IDC_PREFIX_TEXT)->setFocus();
                 ASSERT_TRUE(accessible::SetText(In(w, IDC_PREFIX_TEXT), "AB"));
                 In(w, IDC_PRO_MODE)->setFocus();
               },
               {"put_FileNamePrefixString(\"AB\")"}},
        Action{"FileInfoSetTextThenPutAll", Window::FileInfo,
               [](AllWindows&, CWnd& w) {
                 ASSERT_TRUE(accessible::SetText(In(w, IDC_FI_AUTHOR), "Ann"));
                 ASSERT_TRUE(accessible::Act(In(w, IDC_FI_PUT_ALL), "Press"));
               },
               {"put_Author(\"Ann\")"},
               "put_Author"}),
    [](const testing::TestParamInfo<Action>& info) { return std::string(info.param.name); });

// A box whose handler decides its state is not flipped behind the handler's back.
TEST_F(AllWindows, ToggleOfAManualBoxLeavesItToItsHandler) {
  CWnd& info = OpenWindow(Window::FileInfo);
  ASSERT_TRUE(accessible::Act(ControlWidget(info, IDC_FI_IS_ENCRYPTED), "Toggle"));
  EXPECT_EQ(info.IsDlgButtonChecked(IDC_FI_IS_ENCRYPTED), BST_UNCHECKED);
}

// A read-only field keeps what the recorder's file says, whatever a client sets.
TEST_F(AllWindows, ReadOnlyFieldKeepsItsText) {
  CWnd& info = OpenWindow(Window::FileInfo);
  const std::string before = info.GetDlgItem(IDC_FI_FILENAME)->GetWindowText();
  ASSERT_TRUE(accessible::SetText(ControlWidget(info, IDC_FI_FILENAME), "other.dss"));
  EXPECT_EQ(info.GetDlgItem(IDC_FI_FILENAME)->GetWindowText(), before);
}

// Text set in a smart-button cell is typed text, not a choice: the record takes no function from it.
TEST_F(AllWindows, TextSetInACellIsTypedText) {
  auto& buttons = static_cast<CSmartButtons&>(OpenWindow(Window::SmartButtons));
  ASSERT_TRUE(accessible::Choose(ControlWidget(buttons, IDC_RECORD_LEFT), "Priority"));
  ASSERT_TRUE(accessible::SetText(ControlWidget(buttons, IDC_PLAY_BACK_RIGHT), "my own"));
  ASSERT_TRUE(accessible::Act(ControlWidget(buttons, IDOK), "Press"));
  EXPECT_EQ(buttons.GetSetup().buttonFunction[0][2], 5);
  EXPECT_EQ(buttons.GetSetup().buttonFunction[2][4], -1);
}

}  // namespace
