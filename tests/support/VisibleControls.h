// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls a user sees in a window, as rows checked against the template the program builds (id,
// kind, caption, position in dialog units, style bits) and against the window made from it.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Ui.h"
#include "platform/ui/testing/QtBridge.h"

struct VisibleControlRow {
  int id;  // IDC_STATIC: a label without id, found by its kind and caption
  ControlKind kind;
  std::string caption;
  DlgRect rect;     // all zero where the window's description leaves the place open
  DWORD style = 0;  // style bits the control must have
};

struct FrameRow {
  UINT id;
  std::string caption;
  int cx, cy;
  std::string fontFace = "MS Sans Serif";  // empty: the font is left open
  int pointSize = 8;
};

inline void ExpectFrame(const DialogTemplate& t, const FrameRow& frame) {
  EXPECT_EQ(t.id, frame.id);
  EXPECT_EQ(t.caption, frame.caption);
  EXPECT_EQ(std::make_pair(t.cx, t.cy), std::make_pair(frame.cx, frame.cy));
  if (!frame.fontFace.empty()) {
    EXPECT_EQ(std::make_pair(t.fontFace, t.pointSize), std::make_pair(frame.fontFace, frame.pointSize));
  }
}

inline void PrintTo(const VisibleControlRow& row, std::ostream* os) { *os << row.id << " \"" << row.caption << '"'; }

inline const ControlTemplate* FindControl(const DialogTemplate& t, const VisibleControlRow& row) {
  auto it = std::find_if(t.controls.begin(), t.controls.end(), [&row](const ControlTemplate& c) {
    if (row.id != IDC_STATIC) return c.id == row.id;
    return c.id == IDC_STATIC && c.kind == row.kind && c.text == row.caption;
  });
  return it == t.controls.end() ? nullptr : &*it;
}

// Each row is in the template, visible and as described; every other control is hidden.
inline void ExpectVisibleControls(const DialogTemplate& t, const std::vector<VisibleControlRow>& rows) {
  std::vector<const ControlTemplate*> described;
  for (const VisibleControlRow& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row));
    const ControlTemplate* c = FindControl(t, row);
    if (!c) {
      ADD_FAILURE() << "not in template " << t.id;
      continue;
    }
    described.push_back(c);
    EXPECT_EQ(c->kind, row.kind);
    EXPECT_EQ(c->text, row.caption);
    EXPECT_TRUE(c->visible);
    EXPECT_EQ(c->style & row.style, row.style);
    if (row.rect.cx != 0) {
      EXPECT_EQ(std::make_tuple(c->rect.x, c->rect.y, c->rect.cx, c->rect.cy),
                std::make_tuple(row.rect.x, row.rect.y, row.rect.cx, row.rect.cy));
    }
  }
  for (const ControlTemplate& c : t.controls) {
    if (std::find(described.begin(), described.end(), &c) != described.end()) continue;
    EXPECT_FALSE(c.visible) << "control " << c.id << " \"" << c.text << "\" of template " << t.id
                            << " is visible but not described";
  }
}

// The window made from the template shows each described control that has an id.
inline void ExpectShown(const CWnd& window, const std::vector<VisibleControlRow>& rows) {
  QWidget* top = WidgetFromHandle(window.m_hWnd);
  ASSERT_NE(top, nullptr);
  for (const VisibleControlRow& row : rows) {
    if (row.id == IDC_STATIC) continue;
    QWidget* w = top->findChild<QWidget*>(QString::number(row.id));
    ASSERT_NE(w, nullptr) << testing::PrintToString(row);
    EXPECT_TRUE(w->isVisible()) << testing::PrintToString(row);
  }
}
