// SPDX-License-Identifier: GPL-3.0-or-later
// The report-view list control on a QTableWidget: one table row per item, one table column per
// list-view column. Client coordinates start inside the frame, above the header when it is shown.
#include "platform/ui/ListCtrl.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "platform/ui/internal/ListCell.h"
#include "platform/ui/internal/WindowState.h"

namespace ui {
namespace {

QTableWidget* Table(HWND hwnd) { return IsLive(hwnd) ? qobject_cast<QTableWidget*>(hwnd->widget.data()) : nullptr; }

QColor ToColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

Qt::Alignment AlignmentOf(int format) {
  switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

// Offset from viewport coordinates to client coordinates.
QPoint ViewportOffset(QTableWidget* table) {
  return table->viewport()->geometry().topLeft() - table->contentsRect().topLeft();
}

void StyleItem(HWND hwnd, QTableWidgetItem* item, int column) {
  int format = column < static_cast<int>(hwnd->columnFormats.size()) ? hwnd->columnFormats[column] : LVCFMT_LEFT;
  item->setTextAlignment(AlignmentOf(format));
  // A list that edits labels lets accessibility clients set its cells, through its owner.
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (hwnd->style & LVS_EDITLABELS) flags |= Qt::ItemIsEditable;
  item->setFlags(flags);
  if (hwnd->textColor != CLR_DEFAULT) item->setForeground(ToColor(hwnd->textColor));
  if (hwnd->textBkColor != CLR_DEFAULT && hwnd->textBkColor != CLR_NONE) item->setBackground(ToColor(hwnd->textBkColor));
}

QTableWidgetItem* Cell(HWND hwnd, int row, int column) {
  QTableWidget* table = Table(hwnd);
  QTableWidgetItem* item = table->item(row, column);
  if (!item) {
    item = new ListCell;
    StyleItem(hwnd, item, column);
    table->setItem(row, column, item);
  }
  return item;
}

// An empty text on a cell that has no item yet leaves it without one: it looks the same, and a grid of
// mostly empty cells fills quickly.
void SetCellText(HWND hwnd, int row, int column, const QString& text) {
  QTableWidget* table = Table(hwnd);
  if (QTableWidgetItem* item = table->item(row, column)) {
    item->setText(text);
    return;
  }
  if (text.isEmpty()) return;
  auto* item = new ListCell(text);
  StyleItem(hwnd, item, column);
  table->setItem(row, column, item);
}

void RestyleAll(HWND hwnd) {
  QTableWidget* table = Table(hwnd);
  for (int r = 0; r < table->rowCount(); ++r)
    for (int c = 0; c < table->columnCount(); ++c)
      if (QTableWidgetItem* item = table->item(r, c)) StyleItem(hwnd, item, c);
}

void ApplyPalette(HWND hwnd) {
  QTableWidget* table = Table(hwnd);
  QPalette palette = table->palette();
  if (hwnd->bkColor != CLR_DEFAULT && hwnd->bkColor != CLR_NONE) palette.setColor(QPalette::Base, ToColor(hwnd->bkColor));
  if (hwnd->textColor != CLR_DEFAULT) palette.setColor(QPalette::Text, ToColor(hwnd->textColor));
  table->setPalette(palette);
}

int RowHeight(QTableWidget* table) { return table->verticalHeader()->defaultSectionSize(); }

}  // namespace

QTableWidget* NewListView(DWORD style, QWidget* parent) {
  auto* table = new QTableWidget(parent);
  ListCell::Adopt(table);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setMinimumSectionSize(1);
  QHeaderView* header = table->horizontalHeader();
  header->setMinimumSectionSize(0);
  header->setStretchLastSection(false);
  header->setHighlightSections(false);
  header->setSectionsClickable(!(style & LVS_NOSORTHEADER));
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  if (style & LVS_NOCOLUMNHEADER) header->hide();
  table->setShowGrid(false);
  table->setWordWrap(false);
  table->setTabKeyNavigation(false);
  table->setCornerButtonEnabled(false);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode((style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                  : QAbstractItemView::ExtendedSelection);
  table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  if (style & LVS_NOSCROLL) {
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  } else if (style & WS_VSCROLL) {
    // The bar stays, so the client width a caller sizes columns by does not shrink once rows arrive.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  if (!(style & WS_BORDER)) table->setFrameShape(QFrame::NoFrame);
  return table;
}

void ApplyListFont(HWND hwnd) {
  QTableWidget* table = Table(hwnd);
  if (!table) return;
  // The platform's report rows are the font's height plus a few pixels.
  table->verticalHeader()->setDefaultSectionSize(QFontMetrics(table->font()).height() + 3);
}

LRESULT ListViewDefProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  auto* list = dynamic_cast<CListCtrl*>(CWnd::FromHandle(hwnd));
  handled = list != nullptr;
  if (!list) return 0;
  switch (message) {
    case LVM_GETITEMCOUNT: return list->GetItemCount();
    case LVM_GETTOPINDEX: return list->GetTopIndex();
    case LVM_GETCOUNTPERPAGE: return list->GetCountPerPage();
    case LVM_GETCOLUMNWIDTH: return list->GetColumnWidth(static_cast<int>(wParam));
    case LVM_SETCOLUMNWIDTH: return list->SetColumnWidth(static_cast<int>(wParam), LOWORD(lParam));
    case LVM_SCROLL: return list->Scroll(CSize(static_cast<LONG>(static_cast<std::intptr_t>(wParam)), static_cast<LONG>(lParam)));
    case LVM_GETCOLUMNA: return list->GetColumn(static_cast<int>(wParam), reinterpret_cast<LVCOLUMN*>(lParam));
    case LVM_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      return rect ? list->GetItemRect(static_cast<int>(wParam), rect, static_cast<UINT>(rect->left)) : FALSE;
    }
    case LVM_HITTEST: return list->HitTest(reinterpret_cast<LVHITTESTINFO*>(lParam));
    case LVM_SETEXTENDEDLISTVIEWSTYLE: return list->SetExtendedStyle(static_cast<DWORD>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return list->GetExtendedStyle();
    case HDM_GETITEMCOUNT: return list->GetHeaderCtrl()->GetItemCount();
    case WM_SETFONT:
      if (SetWindowFont(hwnd, reinterpret_cast<HFONT>(wParam))) ApplyListFont(hwnd);
      return 0;
    default: handled = false; return 0;
  }
}

}  // namespace ui

using ui::Table;

int CHeaderCtrl::GetItemCount() const {
  QTableWidget* table = Table(m_hWnd);
  return table ? table->columnCount() : -1;
}

CListCtrl::CListCtrl() = default;
CListCtrl::~CListCtrl() { m_header.m_hWnd = nullptr; }

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  if (!parent || !ui::IsLive(parent->m_hWnd)) return FALSE;
  QTableWidget* table = ui::NewListView(style, parent->m_hWnd->widget);
  if (!ui::CreateChild(this, table, ControlKind::ListView, style, rect, parent, id)) return FALSE;
  ui::ApplyListFont(m_hWnd);
  return TRUE;
}

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width, int) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || column < 0) return -1;
  column = std::min(column, table->columnCount());
  table->insertColumn(column);
  auto& formats = m_hWnd->columnFormats;
  formats.insert(formats.begin() + std::min<int>(column, static_cast<int>(formats.size())), format);
  auto* header = new QTableWidgetItem(ui::ToQt(heading));
  header->setTextAlignment(ui::AlignmentOf(format));
  table->setHorizontalHeaderItem(column, header);
  table->setColumnWidth(column, width >= 0 ? width : 50);
  for (int r = 0; r < table->rowCount(); ++r)
    if (QTableWidgetItem* item = table->item(r, column)) ui::StyleItem(m_hWnd, item, column);
  return column;
}

BOOL CListCtrl::SetColumn(int column, const LVCOLUMN* info) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || !info || column < 0 || column >= table->columnCount()) return FALSE;
  QTableWidgetItem* header = table->horizontalHeaderItem(column);
  if (!header) {
    header = new QTableWidgetItem;
    table->setHorizontalHeaderItem(column, header);
  }
  if (info->mask & LVCF_FMT) {
    auto& formats = m_hWnd->columnFormats;
    if (column >= static_cast<int>(formats.size())) formats.resize(static_cast<size_t>(column) + 1, LVCFMT_LEFT);
    formats[static_cast<size_t>(column)] = info->fmt;
    header->setTextAlignment(ui::AlignmentOf(info->fmt));
    for (int r = 0; r < table->rowCount(); ++r)
      if (QTableWidgetItem* item = table->item(r, column)) ui::StyleItem(m_hWnd, item, column);
  }
  if (info->mask & LVCF_TEXT) header->setText(ui::ToQt(info->pszText ? info->pszText : ""));
  if (info->mask & LVCF_WIDTH) table->setColumnWidth(column, info->cx);
  return TRUE;
}

BOOL CListCtrl::DeleteColumn(int column) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || column < 0 || column >= table->columnCount()) return FALSE;
  table->removeColumn(column);
  auto& formats = m_hWnd->columnFormats;
  if (column < static_cast<int>(formats.size())) formats.erase(formats.begin() + column);
  return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || column < 0 || column >= table->columnCount()) return 0;
  return table->columnWidth(column);
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || column < 0 || column >= table->columnCount()) return FALSE;
  table->setColumnWidth(column, std::max(0, width));
  return TRUE;
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMN* info) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || !info || column < 0 || column >= table->columnCount()) return FALSE;
  if (info->mask & LVCF_FMT)
    info->fmt = column < static_cast<int>(m_hWnd->columnFormats.size()) ? m_hWnd->columnFormats[column] : LVCFMT_LEFT;
  if (info->mask & LVCF_WIDTH) info->cx = table->columnWidth(column);
  if ((info->mask & LVCF_TEXT) && info->pszText && info->cchTextMax > 0) {
    QTableWidgetItem* header = table->horizontalHeaderItem(column);
    std::string text = header ? ui::FromQt(header->text()) : std::string();
    size_t n = std::min(text.size(), static_cast<size_t>(info->cchTextMax - 1));
    text.copy(info->pszText, n);
    info->pszText[n] = '\0';
  }
  if (info->mask & LVCF_SUBITEM) info->iSubItem = column;
  return TRUE;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() {
  m_header.m_hWnd = m_hWnd;
  return &m_header;
}

int CListCtrl::InsertItem(int item, const std::string& text) {
  QTableWidget* table = Table(m_hWnd);
  if (!table) return -1;
  if (item < 0 || item > table->rowCount()) item = table->rowCount();
  table->insertRow(item);
  if (table->columnCount() > 0) ui::SetCellText(m_hWnd, item, 0, ui::ToQt(text));
  else table->setVerticalHeaderItem(item, new QTableWidgetItem(ui::ToQt(text)));
  return item;
}

int CListCtrl::InsertItem(const LVITEM* item) {
  if (!item) return -1;
  int row = InsertItem(item->iItem, (item->mask & LVIF_TEXT) && item->pszText ? item->pszText : "");
  if (row >= 0 && (item->mask & LVIF_PARAM)) SetItemData(row, static_cast<DWORD_PTR>(item->lParam));
  return row;
}

BOOL CListCtrl::DeleteItem(int item) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || item < 0 || item >= table->rowCount()) return FALSE;
  table->removeRow(item);
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  QTableWidget* table = Table(m_hWnd);
  if (!table) return FALSE;
  table->setRowCount(0);
  return TRUE;
}

int CListCtrl::GetItemCount() const {
  QTableWidget* table = Table(m_hWnd);
  return table ? table->rowCount() : 0;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& text) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || item < 0 || item >= table->rowCount() || subItem < 0 || subItem >= table->columnCount()) return FALSE;
  ui::SetCellText(m_hWnd, item, subItem, ui::ToQt(text));
  return TRUE;
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || item < 0 || item >= table->rowCount() || subItem < 0 || subItem >= table->columnCount()) return {};
  QTableWidgetItem* cell = table->item(item, subItem);
  return cell ? ui::FromQt(cell->text()) : std::string();
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || item < 0 || item >= table->rowCount()) return FALSE;
  if (table->columnCount() == 0) return FALSE;
  ui::Cell(m_hWnd, item, 0)->setData(Qt::UserRole, QVariant::fromValue(static_cast<quint64>(data)));
  return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || item < 0 || item >= table->rowCount() || table->columnCount() == 0) return 0;
  QTableWidgetItem* cell = table->item(item, 0);
  return cell ? static_cast<DWORD_PTR>(cell->data(Qt::UserRole).value<quint64>()) : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  QTableWidget* table = Table(m_hWnd);
  if (!table || item < 0 || item >= table->rowCount()) return FALSE;
  if (mask & LVIS_SELECTED) {
    if (state & LVIS_SELECTED) table->selectRow(item);
    else table->selectionModel()->select(table->model()->index(item, 0),
                                         QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
  }
  if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED)) table->setCurrentCell(item, 0, QItemSelectionModel::NoUpdate);
  return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || item < 0 || item >= table->rowCount()) return 0;
  UINT state = 0;
  if (table->selectionModel()->isRowSelected(item, QModelIndex())) state |= LVIS_SELECTED;
  if (table->currentRow() == item) state |= LVIS_FOCUSED;
  return state & mask;
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table) return -1;
  if (flags & LVNI_FOCUSED) return table->currentRow() > start ? table->currentRow() : -1;
  for (int r = start + 1; r < table->rowCount(); ++r)
    if (!(flags & LVNI_SELECTED) || (GetItemState(r, LVIS_SELECTED) & LVIS_SELECTED)) return r;
  return -1;
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle) {
  QTableWidget* table = Table(m_hWnd);
  if (!table) return 0;
  DWORD previous = m_hWnd->listExStyle;
  m_hWnd->listExStyle = exStyle;
  table->setShowGrid((exStyle & LVS_EX_GRIDLINES) != 0);
  return previous;
}
DWORD CListCtrl::GetExtendedStyle() const { return ui::IsLive(m_hWnd) ? m_hWnd->listExStyle : 0; }

BOOL CListCtrl::SetBkColor(COLORREF color) {
  if (!Table(m_hWnd)) return FALSE;
  m_hWnd->bkColor = color;
  ui::ApplyPalette(m_hWnd);
  return TRUE;
}
COLORREF CListCtrl::GetBkColor() const { return ui::IsLive(m_hWnd) ? m_hWnd->bkColor : CLR_NONE; }
BOOL CListCtrl::SetTextBkColor(COLORREF color) {
  if (!Table(m_hWnd)) return FALSE;
  // Restyling every cell costs a pass over the grid; the same colour again changes nothing.
  if (m_hWnd->textBkColor == color) return TRUE;
  m_hWnd->textBkColor = color;
  ui::RestyleAll(m_hWnd);
  return TRUE;
}
COLORREF CListCtrl::GetTextBkColor() const { return ui::IsLive(m_hWnd) ? m_hWnd->textBkColor : CLR_NONE; }
BOOL CListCtrl::SetTextColor(COLORREF color) {
  if (!Table(m_hWnd)) return FALSE;
  m_hWnd->textColor = color;
  ui::ApplyPalette(m_hWnd);
  ui::RestyleAll(m_hWnd);
  return TRUE;
}
COLORREF CListCtrl::GetTextColor() const { return ui::IsLive(m_hWnd) ? m_hWnd->textColor : CLR_NONE; }

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || !rect || item < 0 || item >= table->rowCount()) return FALSE;
  QPoint offset = ui::ViewportOffset(table);
  int top = table->rowViewportPosition(item) + offset.y();
  int height = table->rowHeight(item);
  int left = table->columnCount() > 0 ? table->columnViewportPosition(0) : -table->horizontalScrollBar()->value();
  left += offset.x();
  int width = 0;
  if (code == static_cast<UINT>(LVIR_BOUNDS)) {
    for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
  } else {
    width = table->columnCount() > 0 ? table->columnWidth(0) : 0;
  }
  *rect = RECT{left, top, left + width, top + height};
  return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int, LPRECT rect) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || !rect || item < 0 || item >= table->rowCount() || subItem < 0 || subItem >= table->columnCount())
    return FALSE;
  QPoint offset = ui::ViewportOffset(table);
  int left = table->columnViewportPosition(subItem) + offset.x();
  int top = table->rowViewportPosition(item) + offset.y();
  *rect = RECT{left, top, left + table->columnWidth(subItem), top + table->rowHeight(item)};
  return TRUE;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
  LVHITTESTINFO info;
  info.pt = point;
  int row = HitTest(&info);
  if (flags) *flags = info.flags;
  return row;
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || !info) return -1;
  info->iItem = -1;
  info->iSubItem = 0;
  info->flags = LVHT_NOWHERE;
  for (int r = GetTopIndex(); r < table->rowCount(); ++r) {
    RECT bounds;
    if (!GetItemRect(r, &bounds, LVIR_BOUNDS)) break;
    if (bounds.top > info->pt.y) break;
    if (CRect(bounds).PtInRect(info->pt)) {
      info->iItem = r;
      info->flags = LVHT_ONITEMLABEL;
      return r;
    }
  }
  return -1;
}

int CListCtrl::GetTopIndex() const {
  QTableWidget* table = Table(m_hWnd);
  if (!table || table->rowCount() == 0) return 0;
  int row = table->rowAt(0);
  return row < 0 ? 0 : row;
}

int CListCtrl::GetCountPerPage() const {
  QTableWidget* table = Table(m_hWnd);
  if (!table) return 0;
  int rowHeight = ui::RowHeight(table);
  return rowHeight > 0 ? table->viewport()->height() / rowHeight : 0;
}

BOOL CListCtrl::Scroll(CSize size) {
  QTableWidget* table = Table(m_hWnd);
  if (!table) return FALSE;
  table->doItemsLayout();  // scroll ranges follow the latest columns and rows
  QScrollBar* h = table->horizontalScrollBar();
  h->setValue(h->value() + size.cx);
  int rowHeight = ui::RowHeight(table);
  if (size.cy != 0 && rowHeight > 0) {
    QScrollBar* v = table->verticalScrollBar();
    v->setValue(v->value() + size.cy / rowHeight);
  }
  return TRUE;
}
