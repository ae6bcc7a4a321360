// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's system menu: items appended by the program send WM_SYSCOMMAND with their id.
// Alt+Space opens it in a window with a system menu, as on the platform.
#include <string>
#include <vector>

#include "platform/ui/WinTypes.h"

class CMenu {
 public:
  struct Item {
    UINT flags = MF_STRING;
    UINT_PTR id = 0;
    std::string text;
  };

  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
  int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
  const std::vector<Item>& Items() const { return m_items; }

 private:
  std::vector<Item> m_items;
};
