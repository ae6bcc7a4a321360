// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CListCtrl: the report-view list control: columns with width and format, rows of cell texts,
// colours, grid lines, item rectangles and hit tests in client coordinates, scrolling.
#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/Wnd.h"

class CListCtrl : public CWnd {
 public:
  CListCtrl();
  ~CListCtrl() override;

  // style: WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT ...
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // Columns. width -1 keeps a default width; returns the index or -1.
  int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT, int width = -1,
                   int subItem = -1);
  BOOL DeleteColumn(int column);
  // Changes an existing column: LVCF_TEXT, LVCF_FMT and LVCF_WIDTH of `info->mask`.
  BOOL SetColumn(int column, const LVCOLUMN* info);
  int GetColumnWidth(int column) const;   // 0 for a column that does not exist
  BOOL SetColumnWidth(int column, int width);
  BOOL GetColumn(int column, LVCOLUMN* info) const;  // LVCF_FMT, LVCF_WIDTH, LVCF_TEXT
  CHeaderCtrl* GetHeaderCtrl();

  // Rows and cells. Returns the new row's index or -1.
  int InsertItem(int item, const std::string& text);
  int InsertItem(const LVITEM* item);
  BOOL DeleteItem(int item);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL SetItemText(int item, int subItem, const std::string& text);
  std::string GetItemText(int item, int subItem) const;
  BOOL SetItemData(int item, DWORD_PTR data);
  DWORD_PTR GetItemData(int item) const;
  BOOL SetItemState(int item, UINT state, UINT mask);
  UINT GetItemState(int item, UINT mask) const;
  int GetNextItem(int start, UINT flags) const;  // LVNI_SELECTED, LVNI_FOCUSED

  // Look. Colours are COLORREF (RGB); CLR_NONE for a transparent text background.
  DWORD SetExtendedStyle(DWORD exStyle);  // LVS_EX_GRIDLINES ...; returns the previous one
  DWORD GetExtendedStyle() const;
  BOOL SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  BOOL SetTextBkColor(COLORREF color);
  COLORREF GetTextBkColor() const;
  BOOL SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;

  // Geometry, in client coordinates. LVIR_BOUNDS spans all columns of the row (scrolled position).
  BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
  BOOL GetSubItemRect(int item, int subItem, int code, LPRECT rect) const;
  int HitTest(CPoint point, UINT* flags = nullptr) const;  // row under the point or -1
  int HitTest(LVHITTESTINFO* info) const;
  int GetTopIndex() const;
  int GetCountPerPage() const;  // fully visible rows
  // Scrolls by pixels: positive dx shows columns further right, positive dy rows further down.
  BOOL Scroll(CSize size);

 private:
  CHeaderCtrl m_header;
};

constexpr UINT LVNI_ALL = 0x0000;
constexpr UINT LVNI_FOCUSED = 0x0001;
constexpr UINT LVNI_SELECTED = 0x0002;
