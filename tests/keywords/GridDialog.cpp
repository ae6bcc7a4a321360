// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridDialog.h"

namespace {

// Sized in dialog units to hold the grid and the buttons at their pixel positions (about 1.5 pixels
// per unit across and 1.6 down with the dialog font).
DialogTemplate GridTemplate(const GridLayout& layout) {
  DialogTemplate t;
  t.id = 900;
  t.caption = "Keyword grid";
  t.cx = (layout.width + 140) * 2 / 3;
  t.cy = (layout.height + 40) * 5 / 8;
  t.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  t.controls = {ListView(GridDialog::kGridId, 5, 5, 120, 80,
                         LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_NOSCROLL | LVS_NOSORTHEADER | LVS_EDITLABELS),
                DefPushButton(IDOK, "OK", 140, 5, 50, 14), PushButton(IDCANCEL, "Cancel", 140, 25, 50, 14)};
  return t;
}

}  // namespace

std::string CellText(int row, int column) { return "r" + std::to_string(row) + "c" + std::to_string(column); }

GridDialog::GridDialog(GridLayout layout) : CDialog(GridTemplate(layout)), m_spec(std::move(layout)) {}

void GridDialog::OnKeywordCellEdited(HWND listWindow, int row, int column, std::string text) {
  m_edits.push_back({listWindow, row, column, std::move(text)});
}

BOOL GridDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_grid.SubclassDlgItem(kGridId, this);
  // Pixel geometry, so cases do not depend on the dialog font's metrics.
  m_grid.MoveWindow(10, 10, m_spec.width, m_spec.height, FALSE);
  GetDlgItem(IDOK)->MoveWindow(m_spec.width + 30, 10, 90, 26, FALSE);
  GetDlgItem(IDCANCEL)->MoveWindow(m_spec.width + 30, 44, 90, 26, FALSE);
  m_grid.SetExtendedStyle(LVS_EX_GRIDLINES);

  for (int c = 0; c < static_cast<int>(m_spec.widths.size()); ++c) {
    int format = c < static_cast<int>(m_spec.formats.size()) ? m_spec.formats[c] : LVCFMT_LEFT;
    m_grid.InsertColumn(c, "K" + std::to_string(c), format, m_spec.widths[c]);
  }
  for (int r = 0; r < m_spec.rows; ++r) {
    m_grid.InsertItem(r, CellText(r, 0));
    for (int c = 1; c < static_cast<int>(m_spec.widths.size()); ++c) m_grid.SetItemText(r, c, CellText(r, c));
  }
  if (m_spec.extentColumns > 0 || m_spec.extentRows > 0) m_grid.SetEditableExtent(m_spec.extentColumns, m_spec.extentRows);
  return TRUE;
}
