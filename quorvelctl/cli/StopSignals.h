// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGINT, SIGTERM and SIGHUP ask a long-running command to stop; while an object lives they only set
// a flag the command's loop looks at, and the previous handlers come back afterwards.
#include <csignal>

class CStopSignals {
 public:
  CStopSignals();
  ~CStopSignals();
  CStopSignals(const CStopSignals&) = delete;
  CStopSignals& operator=(const CStopSignals&) = delete;

  bool Requested() const;

 private:
  struct sigaction m_previousInt {};
  struct sigaction m_previousTerm {};
  struct sigaction m_previousHup {};
};
