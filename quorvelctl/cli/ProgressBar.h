// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file task's progress as one line on stderr, redrawn in place, only when stderr is a terminal
// (a script's log gets no carriage returns); the line is ended when the task is.
#include <string>

#include "platform/automation/Types.h"

class CProgressBar {
 public:
  CProgressBar();
  explicit CProgressBar(bool shown) : m_shown(shown) {}
  CProgressBar(const CProgressBar&) = delete;
  CProgressBar& operator=(const CProgressBar&) = delete;
  ~CProgressBar() { Finish(); }

  void Show(const std::string& text, LONG percent);
  // Ends the line drawn so far, so what follows starts on its own.
  void Finish();
  // Wipes the line drawn so far, for a line of output in its place; the next Show draws it again.
  void Clear();

  // "[#########.........]  45% Convert DICT0001.DSS", the text cut to keep the line in `width`.
  static std::string Line(const std::string& text, LONG percent, size_t width);

 private:
  bool m_shown;
  bool m_drawn = false;
  LONG m_percent = -1;
  std::string m_text;
};
