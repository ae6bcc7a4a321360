// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridHarness.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/testing/QtBridge.h"

GridHarness::~GridHarness() { Close(); }

bool GridHarness::Open(GridLayout layout) {
  Close();
  m_dialog = std::make_unique<GridDialog>(std::move(layout));
  if (!m_dialog->Create()) return false;
  QWidget* window = WidgetFromHandle(m_dialog->GetSafeHwnd());
  if (!window) return false;
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

void GridHarness::Close() {
  if (!m_dialog) return;
  m_dialog->DestroyWindow();
  m_dialog.reset();
  Settle();
}

void GridHarness::Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

CEditEx* GridHarness::Editor() const { return dynamic_cast<CEditEx*>(CWnd::FromHandlePermanent(::GetFocus())); }

int GridHarness::LiveEditors() const {
  QWidget* grid = WidgetFromHandle(m_dialog->m_grid.GetSafeHwnd());
  if (!grid) return 0;
  int count = 0;
  for (QWidget* child : grid->findChildren<QWidget*>()) {
    HWND hwnd = HandleFromWidget(child);
    if (WidgetFromHandle(hwnd) != child || !::IsWindow(hwnd)) continue;
    if (::GetParent(hwnd) == m_dialog->m_grid.GetSafeHwnd() && ::GetDlgCtrlID(hwnd) == CKeywordListCtrl::kEditorId)
      ++count;
  }
  return count;
}

CPoint GridHarness::CellCenter(int row, int column) {
  CRect bounds;
  Grid().GetItemRect(row, &bounds, LVIR_BOUNDS);
  int left = bounds.left;
  for (int c = 0; c < column; ++c) left += Grid().GetColumnWidth(c);
  return CPoint(left + Grid().GetColumnWidth(column) / 2, (bounds.top + bounds.bottom) / 2);
}

CPoint GridHarness::BorderAfter(int row, int column) {
  CRect bounds;
  Grid().GetItemRect(row, &bounds, LVIR_BOUNDS);
  int left = bounds.left;
  for (int c = 0; c <= column; ++c) left += Grid().GetColumnWidth(c);
  return CPoint(left, (bounds.top + bounds.bottom) / 2);
}

void GridHarness::Click(CPoint point) {
  QWidget* grid = WidgetFromHandle(Grid().GetSafeHwnd());
  QWidget* target = grid;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(grid)) target = area->viewport();
  POINT screen = point;
  Grid().ClientToScreen(&screen);
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFromGlobal(QPoint(screen.x, screen.y)));
  Settle();
}

void GridHarness::ClickWidget(HWND window) {
  QTest::mouseClick(WidgetFromHandle(window), Qt::LeftButton);
  Settle();
}

void GridHarness::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  // The release goes wherever the focus is by then, as a keyboard's would.
  QTest::keyPress(QApplication::focusWidget(), key, modifiers);
  QTest::keyRelease(QApplication::focusWidget(), key, modifiers);
  Settle();
}

void GridHarness::Type(const QString& text) {
  QTest::keyClicks(QApplication::focusWidget(), text);
  Settle();
}

CRect GridHarness::EditorRect(CEditEx* editor) {
  CRect rect;
  editor->GetWindowRect(&rect);
  Grid().ScreenToClient(&rect);
  return rect;
}
