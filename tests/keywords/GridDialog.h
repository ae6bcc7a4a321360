// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small owner window for the keyword grid: a dialog with one report-view grid (subclassed as
// CKeywordListCtrl) and OK / Cancel buttons, recording every edit the grid reports.
#include <string>
#include <vector>

#include "keywords/KeywordGridOwner.h"
#include "keywords/KeywordListCtrl.h"
#include "platform/ui/Dialog.h"

struct CellEdit {
  HWND list = nullptr;
  int row = 0;
  int column = 0;
  std::string text;
  bool operator==(const CellEdit&) const = default;
};

struct GridLayout {
  std::vector<int> widths{60, 60, 60, 60};  // pixels
  std::vector<int> formats;                 // LVCFMT_ per column; missing ones are left-aligned
  int rows = 4;
  int extentColumns = 0;  // 0: keep the grid's default extent
  int extentRows = 0;
  int width = 400;  // grid size in pixels
  int height = 200;
};

// The text of cell (row, column) as the dialog fills it.
std::string CellText(int row, int column);

class GridDialog : public CDialog, public IKeywordGridOwner {
 public:
  static constexpr int kGridId = 1161;

  explicit GridDialog(GridLayout layout);

  void OnKeywordCellEdited(HWND listWindow, int row, int column, std::string text) override;
  BOOL OnInitDialog() override;
  void OnOK() override { ++m_okCount; }
  void OnCancel() override { ++m_cancelCount; }

  CKeywordListCtrl m_grid;
  std::vector<CellEdit> m_edits;
  int m_okCount = 0;
  int m_cancelCount = 0;

 private:
  GridLayout m_spec;
};
