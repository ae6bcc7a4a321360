// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for tests of platform/ui: find the widget of a control and drive modal runs.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/ui/Ui.h"
#include "platform/ui/testing/QtBridge.h"

inline QWidget* WidgetOf(const CWnd& wnd) { return WidgetFromHandle(wnd.m_hWnd); }

template <class T = QWidget>
T* Control(const CWnd& dialog, int id) {
  QWidget* w = WidgetOf(dialog);
  return w ? w->findChild<T*>(QString::number(id)) : nullptr;
}

// Runs the dialog modally; `interaction` runs inside the modal loop once the window is shown.
inline INT_PTR RunModal(CDialog& dialog, std::function<void()> interaction) {
  QTimer::singleShot(0, [&dialog, interaction] {
    // A run the interaction failed to end stops after a while instead of hanging the suite.
    HWND hwnd = dialog.m_hWnd;
    QTimer::singleShot(20000, [hwnd, &dialog] {
      if (CWnd::FromHandlePermanent(hwnd) == &dialog) dialog.EndDialog(-2);
    });
    if (QWidget* w = WidgetOf(dialog)) {
      w->activateWindow();
      (void)QTest::qWaitForWindowActive(w);
    }
    interaction();
  });
  return dialog.DoModal();
}

inline DialogTemplate SmallTemplate(std::vector<ControlTemplate> controls, UINT id = 500) {
  DialogTemplate t;
  t.id = id;
  t.caption = "Test";
  t.cx = 200;
  t.cy = 120;
  t.controls = std::move(controls);
  return t;
}
