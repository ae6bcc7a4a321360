// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the event sink needs of the main window: its event log, the names of codes and buttons, its
// file lists and its message queue.
#include <string>

#include "platform/automation/Types.h"

class IEventLogTarget {
 public:
  // Appends the line to the event log and re-evaluates the device buttons.
  virtual void LogEvent(const std::string& line) = 0;
  virtual std::string GetResultName(HRESULT code) = 0;
  virtual std::string GetButtonName(LONG button) = 0;
  // Refills the source and destination file lists (a file task has finished).
  virtual void RefreshFileLists() = 0;
  // Takes at most one message queued for the window, without waiting, and dispatches it;
  // false when there was none.
  virtual bool DispatchQueuedMessage() = 0;

 protected:
  ~IEventLogTarget() = default;
};
