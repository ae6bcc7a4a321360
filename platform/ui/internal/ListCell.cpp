// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/internal/ListCell.h"

#include <QTableWidget>
#include <QTimer>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/internal/WindowState.h"

namespace ui {
namespace {

// The label-edit end the in-place editors send, so one handler takes both.
void SendEndLabelEdit(HWND list, int row, int column, const QString& text) {
  if (!IsLive(list) || !(list->style & LVS_EDITLABELS) || !IsLive(list->parent)) return;
  std::string chars = FromQt(text);
  NMLVDISPINFO info{};
  info.hdr.hwndFrom = list;
  info.hdr.idFrom = static_cast<UINT_PTR>(list->id);
  info.hdr.code = LVN_ENDLABELEDIT;
  info.item.mask = LVIF_TEXT;
  info.item.iItem = row;
  info.item.iSubItem = column;
  info.item.pszText = chars.data();
  info.item.cchTextMax = static_cast<int>(chars.size());
  ::SendMessage(list->parent, WM_NOTIFY, static_cast<WPARAM>(list->id), reinterpret_cast<LPARAM>(&info));
}

}  // namespace

QTableWidgetItem* ListCell::clone() const { return new ListCell(*this); }

// Qt's accessibility sets a cell through the edit role; the program shows text through the display role.
void ListCell::setData(int role, const QVariant& value) {
  if (role != Qt::EditRole) {
    QTableWidgetItem::setData(role, value);
    return;
  }
  if (QTableWidget* table = tableWidget()) Report(table, row(), column(), value.toString());
  else m_unplacedText = value.toString();
}

void ListCell::Adopt(QTableWidget* table) {
  table->setItemPrototype(new ListCell);
  QObject::connect(table, &QTableWidget::itemChanged, table, [table](QTableWidgetItem* item) {
    auto* cell = dynamic_cast<ListCell*>(item);
    if (!cell || !cell->m_unplacedText) return;
    const QString text = *cell->m_unplacedText;
    cell->m_unplacedText.reset();
    Report(table, cell->row(), cell->column(), text);
  });
}

// Reported once the client's call has returned: the owner may rebuild the list, which the table must
// not see in the middle of setting a cell.
void ListCell::Report(QTableWidget* table, int row, int column, const QString& text) {
  QTimer::singleShot(0, table, [table, row, column, text] { SendEndLabelEdit(HandleOf(table), row, column, text); });
}

}  // namespace ui
