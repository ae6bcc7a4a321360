// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list box of log lines that keeps only the newest ones: each new line is added last and selected,
// and the oldest goes once the list holds more than its capacity. The windows' logs share it.
#include <string>

#include "platform/ui/ListBox.h"

class CLogList : public CListBox {
 public:
  explicit CLogList(int capacity) : m_capacity(capacity) {}

  // Does nothing before the list box exists.
  void AppendLine(const std::string& line);

 private:
  int m_capacity;
};
