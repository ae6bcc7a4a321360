// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program to its main window shown, and the peak memory of that run, each as a ratio
// to a bare Qt 6 dialog program started the same way in the same run. Both run on the offscreen
// platform and report "shown" through QUORVEL_UI_SHOWN_FD, then quit.
//
// The two start in pairs, the order alternating from pair to pair so that neither always finds the
// caches the other warmed; each pair gives one ratio, and the median of the ratios is reported with
// its quartiles and extremes as the spread. On a busy machine the wall-clock ratio wanders with the
// others' load, so the ratio of processor time up to the window shown is reported beside it.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kDeadline = std::chrono::seconds(20);

struct Run {
  double secondsToShown = 0;
  double cpuSecondsToShown = 0;  // all its threads' time on a processor, which others' load does not stretch
  long peakKilobytes = 0;
};

// The processor time of every thread of a live process so far, from the scheduler's nanosecond counts.
double CpuSecondsOf(pid_t process) {
  const std::string tasks = "/proc/" + std::to_string(process) + "/task";
  double nanoseconds = 0;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream stat(task.path() / "schedstat");
    double onCpu = 0;
    if (stat >> onCpu) nanoseconds += onCpu;
  }
  return nanoseconds / 1e9;
}

std::vector<std::string> ChildEnvironment(int shownFd) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (text.rfind("QT_QPA_PLATFORM=", 0) == 0 || text.rfind("QUORVEL_UI_SHOWN_FD=", 0) == 0) continue;
    env.push_back(text);
  }
  env.push_back("QT_QPA_PLATFORM=offscreen");
  env.push_back("QUORVEL_UI_SHOWN_FD=" + std::to_string(shownFd));
  return env;
}

bool WaitForShown(int fd, Clock::time_point deadline) {
  std::string seen;
  while (seen.find("shown\n") == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) <= 0) return false;
    char buffer[64];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;  // closed without reporting
    seen.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

// Reaps the child (killing it when it does not end by itself) and reads its peak memory.
long Reap(pid_t child, Clock::time_point deadline) {
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, WNOHANG, &usage) == 0) {
    if (Clock::now() > deadline) {
      kill(child, SIGKILL);
      wait4(child, &status, 0, &usage);
      break;
    }
    usleep(2000);
  }
  return usage.ru_maxrss;
}

std::optional<Run> Launch(const char* program, std::string* error) {
  int fds[2];
  if (pipe(fds) != 0) {
    *error = "pipe failed";
    return std::nullopt;
  }
  fcntl(fds[0], F_SETFD, FD_CLOEXEC);
  std::vector<std::string> env = ChildEnvironment(fds[1]);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  char* argv[] = {const_cast<char*>(program), nullptr};

  const auto start = Clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program, nullptr, nullptr, argv, envp.data());
  close(fds[1]);
  if (spawned != 0) {
    close(fds[0]);
    *error = std::string("cannot start ") + program;
    return std::nullopt;
  }
  const bool shown = WaitForShown(fds[0], start + kDeadline);
  const auto shownAt = Clock::now();
  Run run;
  run.cpuSecondsToShown = CpuSecondsOf(child);
  close(fds[0]);
  run.peakKilobytes = Reap(child, Clock::now() + kDeadline);
  if (!shown) {
    *error = std::string(program) + " never reported its window shown (is DPMCtrl registered beside it?)";
    return std::nullopt;
  }
  run.secondsToShown = std::chrono::duration<double>(shownAt - start).count();
  return run;
}

constexpr int kPairs = 41;

// The value at fraction `q` of the sorted values, interpolating between neighbours.
double Quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  const double at = q * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(at);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (at - static_cast<double>(below)) * (values[above] - values[below]);
}

// The median of `values` under `name`, with its quartiles and extremes as the spread.
void ReportSpread(benchmark::State& state, const std::string& name, const std::vector<double>& values) {
  state.counters[name] = Quantile(values, 0.5);
  state.counters[name + "_q1"] = Quantile(values, 0.25);
  state.counters[name + "_q3"] = Quantile(values, 0.75);
  state.counters[name + "_min"] = Quantile(values, 0);
  state.counters[name + "_max"] = Quantile(values, 1);
}

void StartupToMainWindow(benchmark::State& state) {
  std::vector<double> ratios, cpuRatios, programMs, bareMs, programCpuMs, bareCpuMs, peakRatios;
  for (auto _ : state) {
    const bool bareFirst = ratios.size() % 2 == 0;
    std::string error;
    std::optional<Run> bare, program;
    if (bareFirst) bare = Launch(BARE_QT_PROGRAM, &error);
    if (!bareFirst || bare) program = Launch(QUORVEL_PROGRAM, &error);
    if (!bareFirst && program) bare = Launch(BARE_QT_PROGRAM, &error);
    if (!program || !bare || bare->secondsToShown <= 0 || bare->peakKilobytes <= 0) {
      state.SkipWithError(error.empty() ? "a start-up was not measured" : error.c_str());
      return;
    }
    state.SetIterationTime(program->secondsToShown);
    ratios.push_back(program->secondsToShown / bare->secondsToShown);
    if (bare->cpuSecondsToShown > 0) cpuRatios.push_back(program->cpuSecondsToShown / bare->cpuSecondsToShown);
    programCpuMs.push_back(1000.0 * program->cpuSecondsToShown);
    bareCpuMs.push_back(1000.0 * bare->cpuSecondsToShown);
    programMs.push_back(1000.0 * program->secondsToShown);
    bareMs.push_back(1000.0 * bare->secondsToShown);
    peakRatios.push_back(static_cast<double>(program->peakKilobytes) / static_cast<double>(bare->peakKilobytes));
  }
  if (ratios.empty()) return;
  ReportSpread(state, "startup_ratio", ratios);
  if (!cpuRatios.empty()) ReportSpread(state, "cpu_ratio", cpuRatios);
  state.counters["program_ms"] = Quantile(programMs, 0.5);
  state.counters["bare_ms"] = Quantile(bareMs, 0.5);
  state.counters["program_cpu_ms"] = Quantile(programCpuMs, 0.5);
  state.counters["bare_cpu_ms"] = Quantile(bareCpuMs, 0.5);
  state.counters["peak_memory_ratio"] = Quantile(peakRatios, 0.5);
}

BENCHMARK(StartupToMainWindow)->Iterations(kPairs)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
