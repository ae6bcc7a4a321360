// SPDX-License-Identifier: GPL-3.0-or-later
// Converting dictations, measured as processes: `quorvelctl convert` against FFmpeg's own `ffmpeg`
// command doing the same decode, resample and encode of the same file, and batches at -j 1, 2 and the
// machine's cores.
//
// Single: each iteration runs both commands on a 10-minute dictation; `time_ratio` and `mem_ratio`
// are ours over the command's wall time and peak memory (the lossy formats use the encoders' own
// settings on both sides). Batch: QUORVEL_BATCH_FILES dictations (default 200) of 1 to 10 minutes;
// `speedup_jN` is the -j 1 time over the -j N time, `efficiency_jN` that over N, and `mem_growth` the
// peak memory of the whole batch over that of a quarter of it. Long: the peak memory of `info` and of
// `convert` on dictations of 10 minutes and 250 MiB (some 42 hours), which stays flat in the length.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "component/files/DictationMaker.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Run {
  int exit = -1;
  double seconds = 0;
  double peakMiB = 0;
};

// Runs the program to its end with no output; its wall time and peak memory.
Run Process(const std::vector<std::string>& arguments) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  Run run;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMiB = usage.ru_maxrss / 1024.0;
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

fs::path Scratch() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / ("convert-bench-" + std::to_string(::getpid()));
    fs::create_directories(f);
    return f;
  }();
  return folder;
}

std::string Dictation(const fs::path& folder, const std::string& name, LONG milliseconds) {
  const fs::path path = folder / name;
  if (!fs::exists(path)) {
    std::string dss;
    if (FAILED(MakeSpDictation(SpFramesFor(milliseconds), 1700000000, "Bench", &dss))) return {};
    std::ofstream(path, std::ios::binary) << dss;
  }
  return path.string();
}

void Fresh(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
}

struct Format {
  const char* name;
  const char* extension;
};
constexpr Format kFormats[] = {{"wav16", "wav"}, {"wav8", "wav"}, {"flac", "flac"}, {"opus", "opus"}, {"mp3", "mp3"}};

void BM_ConvertAgainstFfmpeg(benchmark::State& state) {
  const Format format = kFormats[state.range(0)];
  const std::string source = Dictation(Scratch(), "ten.dss", 10 * 60 * 1000);
  const fs::path out = Scratch() / "single";
  const std::string rate = std::string(format.name) == "wav8" ? "8000" : "16000";
  double ours = 0, theirs = 0, oursMiB = 0, theirsMiB = 0;
  for (auto _ : state) {
    Fresh(out);
    const Run a = Process({QUORVELCTL_PROGRAM, "convert", source, (out / "q").string() + "." + format.extension,
                           "--format", format.name});
    const Run b = Process({"ffmpeg", "-nostdin", "-v", "quiet", "-i", source, "-ar", rate, "-ac", "1",
                           (out / "f").string() + "." + format.extension});
    if (a.exit != 0 || b.exit != 0) {
      state.SkipWithError("a conversion failed (is ffmpeg installed?)");
      return;
    }
    ours += a.seconds, theirs += b.seconds;
    oursMiB = std::max(oursMiB, a.peakMiB), theirsMiB = std::max(theirsMiB, b.peakMiB);
  }
  state.counters["ours_s"] = ours / state.iterations();
  state.counters["ffmpeg_s"] = theirs / state.iterations();
  state.counters["time_ratio"] = ours / theirs;
  state.counters["ours_MiB"] = oursMiB;
  state.counters["ffmpeg_MiB"] = theirsMiB;
  state.counters["mem_ratio"] = oursMiB / theirsMiB;
  state.SetLabel(format.name);
}
BENCHMARK(BM_ConvertAgainstFfmpeg)->DenseRange(0, 4)->Iterations(3)->Unit(benchmark::kSecond);

size_t BatchFiles() {
  const char* text = std::getenv("QUORVEL_BATCH_FILES");
  return text ? std::strtoul(text, nullptr, 10) : 200;
}

// `count` dictations of 1 to 10 minutes in `folder`.
fs::path BatchOf(size_t count, const std::string& name) {
  const fs::path folder = Scratch() / name;
  fs::create_directories(folder);
  for (size_t i = 0; i < count; ++i)
    Dictation(folder, "D" + std::to_string(i) + ".DSS", static_cast<LONG>((i % 10 + 1) * 60 * 1000));
  return folder;
}

Run Batch(const fs::path& folder, size_t jobs) {
  const fs::path out = Scratch() / "batch-out";
  Fresh(out);
  return Process({QUORVELCTL_PROGRAM, "convert", "-r", "-j", std::to_string(jobs), folder.string(), out.string()});
}

void BM_BatchSpeedup(benchmark::State& state) {
  const size_t files = BatchFiles();
  const fs::path all = BatchOf(files, "batch");
  const fs::path quarter = BatchOf(std::max<size_t>(1, files / 4), "batch-quarter");
  const size_t cores = std::max(1u, std::thread::hardware_concurrency());
  for (auto _ : state) {
    const Run one = Batch(all, 1);
    for (size_t jobs : {size_t{2}, cores}) {
      const Run many = Batch(all, jobs);
      state.counters["speedup_j" + std::to_string(jobs)] = one.seconds / many.seconds;
      state.counters["efficiency_j" + std::to_string(jobs)] = one.seconds / many.seconds / static_cast<double>(jobs);
    }
    const Run part = Batch(quarter, cores);
    state.counters["j1_s"] = one.seconds;
    state.counters["peak_MiB"] = one.peakMiB;
    state.counters["mem_growth"] = Batch(all, cores).peakMiB / part.peakMiB;
    if (one.exit != 0) state.SkipWithError("the batch failed");
  }
  state.counters["cores"] = static_cast<double>(cores);
  state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_BatchSpeedup)->Iterations(1)->Unit(benchmark::kSecond);

// A 250 MiB dictation: a real one's header and first frames, then silent Standard Play blocks.
std::string LongDictation() {
  const fs::path path = Scratch() / "long.dss";
  if (!fs::exists(path)) {
    fs::copy_file(Dictation(Scratch(), "short.dss", 1000), path);
    fs::resize_file(path, 250u << 20);
  }
  return path.string();
}

void BM_MemoryFlatInLength(benchmark::State& state) {
  const std::string shortOne = Dictation(Scratch(), "ten.dss", 10 * 60 * 1000), longOne = LongDictation();
  const bool convert = state.range(0) == 1;
  for (auto _ : state) {
    Fresh(Scratch() / "long-out");
    auto measure = [&](const std::string& source) {
      return convert ? Process({QUORVELCTL_PROGRAM, "convert", source, (Scratch() / "long-out").string() + "/"})
                     : Process({QUORVELCTL_PROGRAM, "info", source});
    };
    const Run small = measure(shortOne), large = measure(longOne);
    if (small.exit != 0 || large.exit != 0) state.SkipWithError("the command failed");
    state.counters["ten_min_MiB"] = small.peakMiB;
    state.counters["250MiB_MiB"] = large.peakMiB;
    state.counters["mem_ratio"] = large.peakMiB / small.peakMiB;
    state.counters["250MiB_s"] = large.seconds;
  }
  state.SetLabel(convert ? "convert" : "info");
}
BENCHMARK(BM_MemoryFlatInLength)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code error;
  fs::remove_all(Scratch(), error);
  return 0;
}
