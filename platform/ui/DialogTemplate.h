// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog templates as data, the way resource scripts describe them: a caption, a size in dialog units,
// a font and window style, and the controls with id, kind, text, rectangle (dialog units), flags and
// initial list entries. Builders keep the tables short:
//
//   DialogTemplate t{.id = 129, .caption = "Selvarin Quorvel", .cx = 165, .cy = 73,
//                    .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE};
//   t.controls = {PushButton(1019, "Synchronize Date/Time", 6, 6, 79, 14),
//                 Edit(1025, 10, 30, 40, 12).Hidden().Style(ES_READONLY),
//                 ComboBox(1101, 10, 50, 60, 50, CBS_DROPDOWNLIST).Entries({"dpmLEDoff", "dpmLEDon"})};
#include <string>
#include <vector>

#include "platform/ui/WinTypes.h"

enum class ControlKind {
  PushButton,
  DefPushButton,
  CheckBox,       // non-automatic: a click notifies but does not change the state
  AutoCheckBox,
  RadioButton,    // automatic radio button; WS_GROUP on the first of a group
  GroupBox,
  Static,         // SS_LEFT / SS_CENTER / SS_RIGHT, SS_SUNKEN
  Icon,           // static icon (the about box)
  Edit,           // ES_READONLY, ES_NUMBER, ES_MULTILINE, ES_RIGHT / ES_CENTER, ES_AUTOHSCROLL
  ComboBox,       // CBS_DROPDOWNLIST or CBS_DROPDOWN (editable), CBS_SORT
  ListBox,        // LBS_SORT, LBS_NOTIFY
  ListView,       // LVS_REPORT, LVS_NOCOLUMNHEADER, LVS_NOSCROLL, LVS_NOSORTHEADER, LVS_EDITLABELS
};

struct DlgRect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

struct ControlTemplate {
  int id = IDC_STATIC;
  ControlKind kind = ControlKind::Static;
  std::string text;
  DlgRect rect;
  DWORD style = 0;    // kind-specific style bits plus WS_GROUP, WS_TABSTOP, WS_BORDER, WS_VSCROLL ...
  DWORD exStyle = 0;
  bool visible = true;
  bool enabled = true;
  std::vector<std::string> entries;  // initial combo / list box entries, in order
  std::string label;  // accessible name for a control without caption; empty: nearest static label

  ControlTemplate& Hidden() { visible = false; return *this; }
  ControlTemplate& Disabled() { enabled = false; return *this; }
  ControlTemplate& Style(DWORD bits) { style |= bits; return *this; }
  ControlTemplate& ExStyle(DWORD bits) { exStyle |= bits; return *this; }
  ControlTemplate& Group() { style |= WS_GROUP; return *this; }
  ControlTemplate& Entries(std::vector<std::string> list) { entries = std::move(list); return *this; }
  ControlTemplate& Label(std::string text_) { label = std::move(text_); return *this; }
};

struct DialogTemplate {
  UINT id = 0;
  std::string caption;
  int cx = 0;  // client size in dialog units
  int cy = 0;
  std::string fontFace = "MS Sans Serif";
  int pointSize = 8;
  DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;  // WS_THICKFRAME: sizing border
  DWORD exStyle = 0;  // WS_EX_APPWINDOW: shown in the task bar
  std::vector<ControlTemplate> controls;
};

inline ControlTemplate MakeControl(int id, ControlKind kind, std::string text, int x, int y, int cx, int cy,
                                   DWORD style = 0) {
  ControlTemplate c;
  c.id = id;
  c.kind = kind;
  c.text = std::move(text);
  c.rect = {x, y, cx, cy};
  c.style = style;
  return c;
}

inline ControlTemplate PushButton(int id, std::string text, int x, int y, int cx, int cy) {
  return MakeControl(id, ControlKind::PushButton, std::move(text), x, y, cx, cy, WS_TABSTOP);
}
inline ControlTemplate DefPushButton(int id, std::string text, int x, int y, int cx, int cy) {
  return MakeControl(id, ControlKind::DefPushButton, std::move(text), x, y, cx, cy, WS_TABSTOP);
}
inline ControlTemplate AutoCheckBox(int id, std::string text, int x, int y, int cx, int cy) {
  return MakeControl(id, ControlKind::AutoCheckBox, std::move(text), x, y, cx, cy, WS_TABSTOP);
}
inline ControlTemplate CheckBox(int id, std::string text, int x, int y, int cx, int cy) {
  return MakeControl(id, ControlKind::CheckBox, std::move(text), x, y, cx, cy, WS_TABSTOP);
}
inline ControlTemplate RadioButton(int id, std::string text, int x, int y, int cx, int cy) {
  return MakeControl(id, ControlKind::RadioButton, std::move(text), x, y, cx, cy);
}
inline ControlTemplate GroupBox(std::string text, int x, int y, int cx, int cy, int id = IDC_STATIC) {
  return MakeControl(id, ControlKind::GroupBox, std::move(text), x, y, cx, cy);
}
inline ControlTemplate LText(std::string text, int x, int y, int cx, int cy, int id = IDC_STATIC) {
  return MakeControl(id, ControlKind::Static, std::move(text), x, y, cx, cy, SS_LEFT);
}
inline ControlTemplate CText(std::string text, int x, int y, int cx, int cy, int id = IDC_STATIC) {
  return MakeControl(id, ControlKind::Static, std::move(text), x, y, cx, cy, SS_CENTER);
}
inline ControlTemplate RText(std::string text, int x, int y, int cx, int cy, int id = IDC_STATIC) {
  return MakeControl(id, ControlKind::Static, std::move(text), x, y, cx, cy, SS_RIGHT);
}
inline ControlTemplate IconControl(int id, int x, int y, int cx, int cy) {
  return MakeControl(id, ControlKind::Icon, "", x, y, cx, cy);
}
inline ControlTemplate Edit(int id, int x, int y, int cx, int cy, DWORD style = ES_AUTOHSCROLL) {
  return MakeControl(id, ControlKind::Edit, "", x, y, cx, cy, style | WS_BORDER | WS_TABSTOP);
}
inline ControlTemplate ComboBox(int id, int x, int y, int cx, int cy, DWORD style = CBS_DROPDOWNLIST) {
  return MakeControl(id, ControlKind::ComboBox, "", x, y, cx, cy, style | WS_VSCROLL | WS_TABSTOP);
}
inline ControlTemplate ListBox(int id, int x, int y, int cx, int cy, DWORD style = LBS_NOTIFY) {
  return MakeControl(id, ControlKind::ListBox, "", x, y, cx, cy, style | WS_BORDER | WS_VSCROLL | WS_TABSTOP);
}
inline ControlTemplate ListView(int id, int x, int y, int cx, int cy, DWORD style = LVS_REPORT) {
  return MakeControl(id, ControlKind::ListView, "", x, y, cx, cy, style | WS_BORDER | WS_TABSTOP);
}

// Templates can be registered once by id, so a dialog class can be built from its IDD alone.
void RegisterDialogTemplate(DialogTemplate tpl);
// Null when no template of that id was registered.
const DialogTemplate* FindDialogTemplate(UINT id);
