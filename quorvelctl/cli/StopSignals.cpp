// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/cli/StopSignals.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnStop(int) { g_stop = 1; }

}  // namespace

CStopSignals::CStopSignals() {
  g_stop = 0;
  struct sigaction action {};
  action.sa_handler = OnStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a wait the signal interrupts returns at once
  sigaction(SIGINT, &action, &m_previousInt);
  sigaction(SIGTERM, &action, &m_previousTerm);
  sigaction(SIGHUP, &action, &m_previousHup);  // the terminal closed: stop cleanly rather than die mid-task
}

CStopSignals::~CStopSignals() {
  sigaction(SIGINT, &m_previousInt, nullptr);
  sigaction(SIGTERM, &m_previousTerm, nullptr);
  sigaction(SIGHUP, &m_previousHup, nullptr);
}

bool CStopSignals::Requested() const { return g_stop != 0; }
