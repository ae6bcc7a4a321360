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
};

std::mutex g_mutex;
std::vector<Fault> g_faults;

}  // namespace

void InjectFault(std::string_view step, int error, int skip) {
  std::lock_guard lock(g_mutex);
  g_faults.push_back({std::string(step), error, skip});
}

void ClearFaults() {
  std::lock_guard lock(g_mutex);
  g_faults.clear();
}

int TakeFault(std::string_view step) {
  std::lock_guard lock(g_mutex);
  for (auto it = g_faults.begin(); it != g_faults.end(); ++it) {
    if (it->step != step) continue;
    if (it->skip > 0) {
      --it->skip;
      return 0;
    }
    int error = it->error;
    g_faults.erase(it);
    return error;
  }
  return 0;
}

int FailOr(std::string_view step, int result) {
  if (int error = TakeFault(step)) {
    errno = error;
    return -1;
  }
  return result;
}
