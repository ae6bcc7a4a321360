// SPDX-License-Identifier: GPL-3.0-or-later
// "Setup Device" over the real module and simulated recorders: the settings dialog shows what the
// recorder holds, writes every change into the settings object, commits it, and moves settings between
// recorders through settings files.
#include "tests/app/EndToEndFixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include "device/DpmResults.h"
#include "device/DpmValues.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"
#include "platform/ui/ListCtrl.h"
#include "keywords/KeywordListCtrl.h"
#include "settings/DeviceSettingsIds.h"
#include "settings/MarnDeviceSettingsDlg.h"

namespace {

class SettingsEndToEndTest : public EndToEndTest {
 protected:
  // Presses "Setup Device"; `act` runs in the settings dialog, which then closes with OK.
  void InSettingsDialog(const std::function<void(CMarnDeviceSettingsDlg&)>& act) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowTitle() != "Selvarin DPM Device Settings") continue;
        auto* dialog = dynamic_cast<CMarnDeviceSettingsDlg*>(CWnd::FromHandlePermanent(HandleFromWidget(w)));
        if (!dialog) continue;
        shown = true;
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w);
        act(*dialog);
        Click(*dialog, IDOK);
      }
    });
    Click(*dlg, IDC_SETUP_DEVICE);
    EXPECT_TRUE(shown) << "the settings dialog never showed";
    EXPECT_TRUE(PumpUntil([&] { return dlg->DeviceDlg() == nullptr; }));
  }

  static void Choose(const CWnd& dialog, int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(ControlWidget(dialog, id));
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  static Strings Messages(const CWnd& dialog) { return Lines(dialog, IDC_MESSAGE_LIST); }

  // Clicks a grid cell, types the text and presses Enter, as a user edits a keyword.
  static void TypeIntoCell(CMarnDeviceSettingsDlg& dialog, int gridId, int row, int column, const std::string& text) {
    auto* grid = static_cast<CListCtrl*>(dialog.GetDlgItem(gridId));
    CRect cell;
    ASSERT_TRUE(grid->GetSubItemRect(row, column, LVIR_BOUNDS, &cell));
    QWidget* target = WidgetOf(*grid);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) target = area->viewport();
    POINT screen{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    grid->ClientToScreen(&screen);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFromGlobal(QPoint(screen.x, screen.y)));
    CWnd* editor = grid->GetDlgItem(CKeywordListCtrl::kEditorId);
    ASSERT_NE(editor, nullptr) << "no cell editor opened";
    QTest::keyClicks(WidgetOf(*editor), QString::fromStdString(text));
    QTest::keyClick(WidgetOf(*editor), Qt::Key_Return);
  }

  // The committed settings of a recorder as the tool shows them, without its identity.
  std::string ShownSettings(const std::string& name) {
    EXPECT_EQ(Tool("show " + name), 0) << m_toolOutput;
    const size_t from = m_toolOutput.find("settings:");
    const size_t to = m_toolOutput.find("\ncard:");
    return from == std::string::npos ? std::string() : m_toolOutput.substr(from, to - from);
  }

  // The line of the tool's settings that names `what`.
  std::string ShownLine(const std::string& name, const std::string& what) {
    std::istringstream in(ShownSettings(name));
    for (std::string line; std::getline(in, line);)
      if (line.find(what) != std::string::npos) return line;
    return {};
  }
};

TEST_F(SettingsEndToEndTest, DefaultRecorderShowsItsValuesAndItsDpm4Button) {
  StartSession();
  const std::string name = Recorded().at(0).first;
  InSettingsDialog([](CMarnDeviceSettingsDlg& d) {
    EXPECT_NE(d.Settings(), nullptr);
    EXPECT_TRUE(d.GetDlgItem(IDC_DPM4_SETTINGS)->IsWindowVisible());
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    EXPECT_EQ(values->GetHeaderCtrl()->GetItemCount(), 5);
    EXPECT_EQ(values->GetItemCount(), 100);
    EXPECT_EQ(static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_NAMES))->GetItemText(0, 0), "Author");
    EXPECT_EQ(Text(d, IDC_PREFIX_TEXT), "DICT");
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(d.GetDlgItem(IDC_KEYWORD_BARCODE_FIRST + k)->IsWindowEnabled());
    EXPECT_TRUE(Messages(d).empty());
  });
}

TEST_F(SettingsEndToEndTest, OlderRecorderShowsItsOwnKeywordsAndNoDpm4Button) {
  ASSERT_EQ(Tool("add D_6510_00 older"), 0) << m_toolOutput;
  StartSession();
  InSettingsDialog([](CMarnDeviceSettingsDlg& d) {
    EXPECT_FALSE(d.GetDlgItem(IDC_DPM4_SETTINGS)->IsWindowVisible());
    auto* values = static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES));
    EXPECT_EQ(values->GetHeaderCtrl()->GetItemCount(), 3);
    EXPECT_EQ(values->GetItemCount(), 10);
    EXPECT_TRUE(d.GetDlgItem(IDC_KEYWORD_BARCODE_FIRST + 2)->IsWindowEnabled());
    EXPECT_FALSE(d.GetDlgItem(IDC_KEYWORD_BARCODE_FIRST + 3)->IsWindowEnabled());
  });
}

TEST_F(SettingsEndToEndTest, RefusedValueIsLoggedByNameAndTheListShowsTheStoredOne) {
  ASSERT_EQ(Tool("add DPM_9350_00 older"), 0) << m_toolOutput;
  StartSession();
  InSettingsDialog([](CMarnDeviceSettingsDlg& d) {
    const int stored = static_cast<CComboBox*>(d.GetDlgItem(IDC_RECORDING_MODE))->GetCurSel();
    Choose(d, IDC_RECORDING_MODE, 6);  // "Mp3 Stereo": not on this model
    const Strings lines = Messages(d);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("0 put_RecordingMode() FAILED --> Error: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find_last_not_of(' '), std::string::npos);
    EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_RECORDING_MODE))->GetCurSel(), stored);
  });
}

// A user changes a box, a radio group, a list, a keyword name and a keyword value, and writes them.
TEST_F(SettingsEndToEndTest, ChangesReachTheRecorderAndComeBackAfterARestart) {
  StartSession();
  const std::string name = Recorded().at(0).first;
  const std::string beepBefore = ShownLine(name, "DeviceBeep");
  const std::string formatBefore = ShownLine(name, "DateTimeFormat");
  const std::string keyBefore = ShownLine(name, "FunctionKey");
  host.NextMessageBoxAnswer(IDYES);
  InSettingsDialog([](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_DEVICE_BEEP);
    Click(d, IDC_DATE_TIME_AM_PM);
    Choose(d, IDC_FUNCTION_KEY, dpmFunctionKeyScanBarcode);
    TypeIntoCell(d, IDC_KEYWORD_NAMES, 0, 1, "Doctor");
    TypeIntoCell(d, IDC_KEYWORD_VALUES, 2, 1, "Cardiology");
    EXPECT_TRUE(Messages(d).empty()) << Messages(d).front();
    EXPECT_EQ(static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_NAMES))->GetItemText(0, 1), "Doctor");
    Bstr name;  // in the settings object at once, before any commit
    ASSERT_EQ(d.Settings()->get_KeywordUsageString(1, name.Receive()), S_OK);
    EXPECT_EQ(BstrToAnsi(name.Get()), "Doctor");
    Click(d, IDC_WRITE_TO_DEVICE);
  });
  EXPECT_EQ(host.MessageTexts(), Strings{"Are you sure you wish to write these setting to the device ?"});
  EXPECT_NE(ShownLine(name, "DeviceBeep"), beepBefore);
  EXPECT_NE(ShownLine(name, "DateTimeFormat"), formatBefore);
  EXPECT_NE(ShownLine(name, "FunctionKey"), keyBefore);
  EXPECT_NE(ShownLine(name, "Doctor"), "");
  EXPECT_NE(ShownLine(name, "Cardiology"), "");

  // A new program run reads them back.
  dlg.reset();
  StartSession();
  InSettingsDialog([](CMarnDeviceSettingsDlg& d) {
    EXPECT_FALSE(d.IsDlgButtonChecked(IDC_DEVICE_BEEP));
    EXPECT_TRUE(d.IsDlgButtonChecked(IDC_DATE_TIME_AM_PM));
    EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_FUNCTION_KEY))->GetCurSel(), dpmFunctionKeyScanBarcode);
    EXPECT_EQ(static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_NAMES))->GetItemText(0, 1), "Doctor");
    EXPECT_EQ(static_cast<CListCtrl*>(d.GetDlgItem(IDC_KEYWORD_VALUES))->GetItemText(2, 1), "Cardiology");
  });
}

// Exported from one recorder, imported and written on another of the same model.
TEST_F(SettingsEndToEndTest, SettingsFileMovesEveryValueToAnotherRecorder) {
  StartSession();
  const std::string first = Recorded().at(0).first;
  const std::string file = Path("office.settings");
  host.NextMessageBoxAnswer(IDYES);
  host.NextOpenFile(file);
  InSettingsDialog([](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_PROTECT_DEVICE);
    Choose(d, IDC_BARCODE_MODE, 1);
    TypeIntoCell(d, IDC_KEYWORD_VALUES, 0, 0, "Dr Who");
    Click(d, IDC_WRITE_TO_DEVICE);
    Click(d, IDC_EXPORT_SETTINGS);
    EXPECT_TRUE(Messages(d).empty()) << Messages(d).front();
  });
  ASSERT_TRUE(std::ifstream(file).good()) << "no settings file";

  // A second recorder of the same model, first in the session's order.
  dlg.reset();
  ASSERT_EQ(Tool("add DPM4_8200 0-second"), 0) << m_toolOutput;
  ASSERT_NE(ShownSettings("0-second"), ShownSettings(first));
  StartSessionWith(2);
  host.NextOpenFile(file);
  host.NextMessageBoxAnswer(IDYES);
  InSettingsDialog([](CMarnDeviceSettingsDlg& d) {
    Click(d, IDC_IMPORT_SETTINGS);
    EXPECT_TRUE(d.IsDlgButtonChecked(IDC_PROTECT_DEVICE));
    Click(d, IDC_WRITE_TO_DEVICE);
  });
  EXPECT_EQ(host.MessageTexts(), Strings(2, "Are you sure you wish to write these setting to the device ?"));
  EXPECT_EQ(ShownSettings("0-second"), ShownSettings(first));
  EXPECT_NE(ShownLine(first, "Dr Who"), "");
}

TEST_F(SettingsEndToEndTest, DamagedFileIsRefusedByNameAndChangesNothing) {
  StartSession();
  const std::string name = Recorded().at(0).first;
  const std::string before = ShownSettings(name);
  const std::string file = Path("damaged.settings");
  std::ofstream(file) << "{\"format\": \"quorvel-settings\", \"model\": ";
  host.NextOpenFile(file);
  InSettingsDialog([this](CMarnDeviceSettingsDlg& d) {
    const std::string prefix = Text(d, IDC_PREFIX_TEXT);
    Click(d, IDC_IMPORT_SETTINGS);
    EXPECT_EQ(host.MessageTexts(), Strings{"Error: dpmCtrlInvalidFile"});
    EXPECT_EQ(d.Settings(), nullptr);
    EXPECT_EQ(Text(d, IDC_PREFIX_TEXT), prefix);
    Click(d, IDC_WRITE_TO_DEVICE);  // nothing to write: no question either
  });
  EXPECT_EQ(host.MessageTexts(), Strings{"Error: dpmCtrlInvalidFile"});
  EXPECT_EQ(ShownSettings(name), before);
}

}  // namespace
