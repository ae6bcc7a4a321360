// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cell of a report-view list. The program's text is shown as set. A text an accessibility client sets
// is never shown by itself: the list reports it to its owner as the end of a label edit (when the list
// edits labels), and the owner's handler decides, as for an edit made in place. Private to platform/ui.
#include <QTableWidgetItem>
#include <optional>

class QTableWidget;

namespace ui {

class ListCell : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;

  QTableWidgetItem* clone() const override;
  void setData(int role, const QVariant& value) override;

  // Lists whose cells are made as ListCells and whose clients' texts reach the owner.
  static void Adopt(QTableWidget* table);

 private:
  static void Report(QTableWidget* table, int row, int column, const QString& text);

  // A client's text for a cell that had no item: the table sets it before it places the item.
  std::optional<QString> m_unplacedText;
};

}  // namespace ui
