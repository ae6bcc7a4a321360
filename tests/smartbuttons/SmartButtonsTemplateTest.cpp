// SPDX-License-Identifier: GPL-3.0-or-later
// Template 135: every control where the dialog's description puts it, lists in order, and a layout in
// which nothing overlaps or runs under a group box's title.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <algorithm>

#include "smartbuttons/SmartButtons.h"
#include "smartbuttons/SmartButtonsIds.h"
#include "smartbuttons/SmartButtonsTemplate.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/VisibleControls.h"

namespace {

using Entries = std::vector<std::string>;

const Entries kFunctions{"Blank", "Key Word Field 1", "Key Word Field 2", "Key Word Field 3", "Key Word Field 4",
                         "Priority", "EOL", "File Info", "Profile Menu", "Main Menu", "Index Marker", "Instruction",
                         "Delete File", "New File", "Scan Barcode", "Edit Mode", "Mute Speaker", "Playback Speed"};
const Entries kDisplays{"Blank Field", "Key Word Field 1", "Key Word Field 2", "Key Word Field 3", "Key Word Field 4",
                        "Key Word Field 5", "Barcode Data", "Date and Time", "Creation Data Time"};

struct ControlRow {
  int id;
  ControlKind kind;
  const char* caption;  // the caption, or for a list the name a screen reader announces
  int x, y, cx;
  Entries entries;
};

std::vector<ControlRow> Rows() {
  std::vector<ControlRow> rows;
  const int ids[5][3] = {{1205, 1206, 1204}, {1214, 1215, 1213}, {1217, 1218, 1216}, {1220, 1221, 1219},
                         {1223, 1224, 1222}};
  const int xs[3] = {78, 270, 464};
  for (int s = 0; s < 5; ++s)
    for (int b = 0; b < 3; ++b) rows.push_back({ids[s][b], ControlKind::ComboBox, nullptr, xs[b], 42 + 18 * s, 183, kFunctions});
  const int areaY[4] = {153, 174, 198, 222};
  for (int a = 0; a < 4; ++a)
    rows.push_back({1225 + a, ControlKind::ComboBox, nullptr, 18, areaY[a], a == 3 ? 141 : 140, kDisplays});
  rows.push_back({1207, ControlKind::ComboBox, "Recording Profile", 263, 150, 151,
                  {"Dictation Profile", "Speech Recognition Profile", "Meeting Profile", "Personal Profile"}});
  rows.push_back({1229, ControlKind::ComboBox, "Device Position", 263, 168, 132, {"Desktop", "Hand Held"}});
  rows.push_back({1210, ControlKind::RadioButton, "Uni Directional", 263, 187, 61, {}});
  rows.push_back({1211, ControlKind::RadioButton, "Omni Directional", 331, 187, 71, {}});
  rows.push_back({1232, ControlKind::ComboBox, "Microphone Sensetivity", 263, 204, 79, {"Low", "Medium", "High"}});
  rows.push_back({1212, ControlKind::ComboBox, "Audio Quality", 263, 228, 108,
                  {"Standard Play (DSS)", "Quality Play (DS2)", "Mp3 Stereo (MP3)"}});
  rows.push_back({1199, ControlKind::PushButton, "Save Settings", 377, 228, 60, {}});
  rows.push_back({1, ControlKind::DefPushButton, "OK", 564, 228, 62, {}});
  rows.push_back({2, ControlKind::PushButton, "Cancel", 480, 228, 62, {}});
  return rows;
}

const ControlTemplate* Find(int id) {
  const auto& controls = SmartButtonsTemplate().controls;
  auto it = std::find_if(controls.begin(), controls.end(), [id](const ControlTemplate& c) { return c.id == id; });
  return it == controls.end() ? nullptr : &*it;
}

TEST(SmartButtonsTemplate, DialogFrame) {
  const DialogTemplate& t = SmartButtonsTemplate();
  ExpectFrame(t, {135, "DPM4 Profile and Smart Buttons Setup", 652, 258, "MS Shell Dlg"});
}

class SmartButtonsDialogLayout : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dlg.Create()); }
  void TearDown() override { dlg.DestroyWindow(); }
  CSmartButtons dlg{nullptr};
};

TEST_F(SmartButtonsDialogLayout, ControlsSitWhereDescribedWithTheirListsInOrder) {
  for (const ControlRow& row : Rows()) {
    SCOPED_TRACE(row.id);
    const ControlTemplate* c = Find(row.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, row.kind);
    EXPECT_EQ(std::make_tuple(c->rect.x, c->rect.y, c->rect.cx), std::make_tuple(row.x, row.y, row.cx));
    EXPECT_TRUE(c->visible && c->enabled);
    QWidget* w = Control(dlg, row.id);
    ASSERT_NE(w, nullptr);
    if (row.kind != ControlKind::ComboBox) {
      EXPECT_EQ(dlg.GetDlgItem(row.id)->GetWindowText(), row.caption);
      continue;
    }
    EXPECT_EQ(c->style & (CBS_DROPDOWNLIST | CBS_SORT), CBS_DROPDOWN);
    if (row.caption) {
      EXPECT_EQ(w->accessibleName().toStdString(), row.caption);
    }
    auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(row.id));
    Entries entries;
    for (int i = 0; i < combo->GetCount(); ++i) entries.push_back(combo->GetLBText(i));
    EXPECT_EQ(entries, row.entries);
  }
  EXPECT_EQ(Control(dlg, IDC_RECORD_STANDBY_RIGHT)->accessibleName(), "Record Standby, Right Button");
  EXPECT_EQ(Control(dlg, IDC_DISPLAY_AREA_3)->accessibleName(), "Display Area 3");
}

TEST_F(SmartButtonsDialogLayout, GroupBoxesAndLabelsAsSpelled) {
  std::vector<std::pair<ControlKind, std::string>> texts;
  for (const ControlTemplate& c : SmartButtonsTemplate().controls)
    if (c.id == IDC_STATIC) texts.emplace_back(c.kind, c.text);
  const std::vector<std::pair<ControlKind, std::string>> expected{
      {ControlKind::GroupBox, "Smart Buttonss"},           {ControlKind::GroupBox, "Recorder State"},
      {ControlKind::GroupBox, "Display Area Mapping"},     {ControlKind::GroupBox, "DPM4 Recording Profiles"},
      {ControlKind::GroupBox, "Instructions"},             {ControlKind::Static, "Left Button"},
      {ControlKind::Static, "Middle Button"},              {ControlKind::Static, "Right Button"},
      {ControlKind::Static, "Stopped New"},                {ControlKind::Static, "Record Standby"},
      {ControlKind::Static, "Play Back"},                  {ControlKind::Static, "Microphone Direction "},
      {ControlKind::Static, "Microphone Sensetivity"},     {ControlKind::Static, "Audio Quality"}};
  for (const auto& text : expected)
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << '"' << text.second << '"';
  const std::string instructions =
      "Here you can customize the role and behaviour of the Smart buttons 1-3 on the selected recorder to meet your "
      "personal requirements in Stop New, Stop, Record, Record Standby and Playback mode. ";
  const auto it = std::find_if(SmartButtonsTemplate().controls.begin(), SmartButtonsTemplate().controls.end(),
                               [&](const ControlTemplate& c) { return c.text == instructions; });
  ASSERT_NE(it, SmartButtonsTemplate().controls.end());
  EXPECT_EQ(it->style & (SS_CENTER | SS_RIGHT), SS_CENTER);
}

// Group boxes draw their title above the frame here, so a control must sit inside the frame's contents.
TEST_F(SmartButtonsDialogLayout, NothingOverlapsOrRunsUnderAGroupTitle) {
  QWidget* window = WidgetOf(dlg);
  std::vector<QWidget*> controls;
  std::vector<QGroupBox*> groups;
  for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isHidden()) continue;
    EXPECT_TRUE(window->rect().contains(w->geometry())) << w->objectName().toStdString();
    if (auto* g = qobject_cast<QGroupBox*>(w)) groups.push_back(g);
    else controls.push_back(w);
  }
  auto name = [](QWidget* w) {
    const QRect r = w->geometry();
    return (w->objectName() + " " + w->accessibleName() + QString(" at %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())).toStdString();
  };
  for (std::size_t i = 0; i < controls.size(); ++i)
    for (std::size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
          << name(controls[i]) << " / " << name(controls[j]);
  for (QGroupBox* g : groups) {
    const QRect inside = g->contentsRect().translated(g->pos());
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      // A box enclosing this one is checked the other way round.
      if (w != g && !w->isHidden() && w->geometry().intersects(g->geometry()) &&
          !w->geometry().contains(g->geometry())) {
        EXPECT_TRUE(inside.contains(w->geometry())) << name(g) << " / " << name(w);
      }
  }
}

}  // namespace
