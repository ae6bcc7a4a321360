// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a GridDialog with real input: mouse clicks on the grid's widget, keys on the focused widget.
#include <QString>
#include <Qt>
#include <memory>

#include "GridDialog.h"
#include "keywords/EditEx.h"
#include "platform/ui/MessageQueue.h"

class QWidget;

class GridHarness {
 public:
  GridHarness() = default;
  ~GridHarness();
  GridHarness(const GridHarness&) = delete;
  GridHarness& operator=(const GridHarness&) = delete;

  // Creates the dialog modeless, shows it and waits until it is the active window.
  bool Open(GridLayout layout);
  void Close();

  GridDialog& Dialog() { return *m_dialog; }
  CKeywordListCtrl& Grid() { return m_dialog->m_grid; }

  // The editor that has the focus, or null.
  CEditEx* Editor() const;
  // Editor windows alive under the grid.
  int LiveEditors() const;

  // Client point of the grid at the middle of a cell / on the border after column `column`.
  CPoint CellCenter(int row, int column);
  CPoint BorderAfter(int row, int column);
  void Click(CPoint gridClientPoint);
  void ClickWidget(HWND window);
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Type(const QString& text);
  // Lets deferred deletions run, as the event loop would between user actions.
  static void Settle();

  // The editor's rectangle in the grid's client coordinates.
  CRect EditorRect(CEditEx* editor);

 private:
  std::unique_ptr<GridDialog> m_dialog;
};
