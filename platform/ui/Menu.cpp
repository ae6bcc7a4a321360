// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/Menu.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
  m_items.push_back({flags, id, text ? text : ""});
  return TRUE;
}
