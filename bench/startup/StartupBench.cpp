// Start-up of the program to its main window shown, and the peak memory of that run, each as a ratio
// to a bare Qt 6 dialog program started the same way in the same run. Both run on the offscreen
// platform and report "shown" through QUORVEL_UI_SHOWN_FD, then quit.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kDeadline = std::chrono::seconds(20);

struct Run {
  double secondsToShown = 0;
  long peakKilobytes = 0;
};

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
  close(fds[0]);
  Run run;
  run.peakKilobytes = Reap(child, Clock::now() + kDeadline);
  if (!shown) {
    *error = std::string(program) + " never reported its window shown (is DPMCtrl registered beside it?)";
    return std::nullopt;
  }
  run.secondsToShown = std::chrono::duration<double>(shownAt - start).count();
  return run;
}

void StartupToMainWindow(benchmark::State& state) {
  double programSeconds = 0, bareSeconds = 0;
  double programPeak = 0, barePeak = 0;
  int runs = 0;
  for (auto _ : state) {
    std::string error;
    const std::optional<Run> bare = Launch(BARE_QT_PROGRAM, &error);
    const std::optional<Run> program = bare ? Launch(QUORVEL_PROGRAM, &error) : std::nullopt;
    if (!program) {
      state.SkipWithError(error.c_str());
      return;
    }
    state.SetIterationTime(program->secondsToShown);
    programSeconds += program->secondsToShown;
    bareSeconds += bare->secondsToShown;
    programPeak += static_cast<double>(program->peakKilobytes);
    barePeak += static_cast<double>(bare->peakKilobytes);
    ++runs;
  }
  if (runs == 0 || bareSeconds <= 0 || barePeak <= 0) return;
  state.counters["startup_ratio"] = programSeconds / bareSeconds;
  state.counters["peak_memory_ratio"] = programPeak / barePeak;
  state.counters["bare_ms"] = 1000.0 * bareSeconds / runs;
  state.counters["program_peak_kb"] = programPeak / runs;
  state.counters["bare_peak_kb"] = barePeak / runs;
}

BENCHMARK(StartupToMainWindow)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
