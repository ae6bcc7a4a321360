// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/LogList.h"

void CLogList::AppendLine(const std::string& line) {
  if (!GetSafeHwnd()) return;
  AddString(line);
  SetCurSel(GetCount() - 1);
  if (GetCount() > m_capacity) DeleteString(0);
}
