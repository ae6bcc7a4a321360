// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CHeaderCtrl: the column header of a report-view list control (present even when hidden).
#include "platform/ui/Wnd.h"

class CHeaderCtrl : public CWnd {
 public:
  int GetItemCount() const;  // number of columns
};
