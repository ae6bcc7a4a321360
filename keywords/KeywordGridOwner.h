// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window that owns a keyword grid offers: the grid tells it about every committed cell edit.
#include <string>

#include "platform/ui/WinTypes.h"

class IKeywordGridOwner {
 public:
  // listWindow tells the owner's grids apart. Enter followed by a move reports the same text twice,
  // so the owner treats every call as an idempotent update.
  virtual void OnKeywordCellEdited(HWND listWindow, int row, int column, std::string text) = 0;

 protected:
  ~IKeywordGridOwner() = default;
};
