// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/FaultInjection.h"

#include <cerrno>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct Fault {
  std::string step;
  int error;
  int skip;  // how many runs of the step pass before it fails
  std::function<void()> action;  // instead of failing
};

std::mutex g_mutex;
std::vector<Fault> g_faults;

}  // namespace

void InjectFault(std::string_view step, int error, int skip) {
  std::lock_guard lock(g_mutex);
  g_faults.push_back({std::string(step), error, skip, nullptr});
}

void InjectAction(std::string_view step, std::function<void()> action) {
  std::lock_guard lock(g_mutex);
  g_faults.push_back({std::string(step), 0, 0, std::move(action)});
}

void ClearFaults() {
  std::lock_guard lock(g_mutex);
  g_faults.clear();
}

int TakeFault(std::string_view step) {
  std::function<void()> action;
  int error = 0;
  {
    std::lock_guard lock(g_mutex);
    for (auto it = g_faults.begin(); it != g_faults.end(); ++it) {
      if (it->step != step) continue;
      if (it->skip > 0) {
        --it->skip;
        return 0;
      }
      error = it->error;
      action = std::move(it->action);
      g_faults.erase(it);
      break;
    }
  }
  if (action) action();  // unlocked: it may reach the file code again
  return error;
}

int FailOr(std::string_view step, int result) {
  if (int error = TakeFault(step)) {
    errno = error;
    return -1;
  }
  return result;
}
