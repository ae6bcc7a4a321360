// SPDX-License-Identifier: GPL-3.0-or-later
// The component's costs that grow with the recorder: reading every property of the largest model,
// and a settings-file export and import round trip.
//
// The read reports `ratio` to a floor that makes the same interface calls doing only what the
// interface obliges: every string getter allocates the string it returns (of the same length) and the
// caller frees it, every object getter hands out a reference the caller releases. The round trip
// reports its time per file and per kilobyte, and `ratio` to the same bytes written atomically
// (temporary file, fsync, rename, folder fsync) and read back the plain way.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "component/recorders/RecorderFolder.h"
#include "device/DpmIds.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMRecordingProfile.h"
#include "device/SettingSchema.h"
#include "platform/automation/Automation.h"

namespace {

using Clock = std::chrono::steady_clock;

double NsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// The reads never wait, so this thread's processor time measures them without the machine's other load.
double ThreadCpuNs() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// The shape of one read of everything: the length of each string returned, in order, and how many
// number, flag and object getters were called.
struct CallShape {
  std::vector<UINT> texts;
  size_t scalars = 0;
  size_t objects = 0;
  size_t Calls() const { return texts.size() + scalars + objects; }
};

// Getters that do only what the interface obliges.
struct IFloor : IUnknown {
  virtual HRESULT GetText(UINT length, BSTR* out) = 0;
  virtual HRESULT GetNumber(LONG* out) = 0;
  virtual HRESULT GetObject(IUnknown** out) = 0;
};

class Floor final : public IFloor {
 public:
  HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return ++m_references; }
  ULONG Release() override { return --m_references; }
  HRESULT GetText(UINT length, BSTR* out) override {
    if (m_source.size() < length) m_source.resize(length, u'x');
    *out = SysAllocStringLen(m_source.data(), length);
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT GetNumber(LONG* out) override {
    *out = 1;
    return S_OK;
  }
  HRESULT GetObject(IUnknown** out) override {
    AddRef();
    *out = this;
    return S_OK;
  }

 private:
  ULONG m_references = 1;
  std::u16string m_source;
};

// The floor of one read: the calls of `shape` on the floor object.
void ReadFloor(IFloor* floor, const CallShape& shape) {
  benchmark::DoNotOptimize(floor);  // keeps the calls virtual
  Bstr text;
  for (UINT length : shape.texts) benchmark::DoNotOptimize(floor->GetText(length, text.Receive()));
  LONG n = 0;
  for (size_t i = 0; i < shape.scalars; ++i) benchmark::DoNotOptimize(floor->GetNumber(&n));
  for (size_t i = 0; i < shape.objects; ++i) {
    ComPtr<IUnknown> object;
    benchmark::DoNotOptimize(floor->GetObject(object.ReleaseAndGetAddressOf()));
  }
}

// One component with one DPM4_8500 recorder, in folders of the benchmark's own.
class Bench {
 public:
  Bench() {
    m_folder = std::filesystem::temp_directory_path() / ("quorvel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_folder / "registry");
    ::setenv("QUORVEL_REGISTRY", (m_folder / "registry").c_str(), 1);
    ::setenv("QUORVEL_RECORDERS", (m_folder / "recorders").c_str(), 1);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    RecorderFolder::Create((m_folder / "recorders").string(), *FindRecorderModel(28), "largest", nullptr);
    RegisterServerModule(ModulePath(), false);
    CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                     reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()));
    if (!control || FAILED(control->Initialize(0))) return;
    control->GetDevice(0, device.ReleaseAndGetAddressOf());
    if (device) device->GetDeviceSettings(settings.ReleaseAndGetAddressOf());
  }
  ~Bench() {
    settings = nullptr;
    device = nullptr;
    control = nullptr;
    CoGetApartmentDispatcher()->Pump();
    CoUninitialize();
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
  }
  std::string File(const char* name) const { return (m_folder / name).string(); }

  ComPtr<IDPMControl> control;
  ComPtr<IDPMDevice> device;
  ComPtr<IDPMDeviceSettings> settings;

 private:
  static std::string ModulePath() {
    std::error_code error;
    return (std::filesystem::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "bin" / "DPMCtrl.so")
        .string();
  }
  std::filesystem::path m_folder;
};

// Made and ended in main, inside the apartment's lifetime (not as a static, which would outlive it).
Bench* g_bench = nullptr;

Bench& Shared() { return *g_bench; }

// Reads every property of the settings object; `shape`, when given, learns what the calls returned.
void ReadEverything(IDPMDeviceSettings* s, CallShape* shape = nullptr) {
  LONG n = 0;
  VARIANT_BOOL b = 0;
  Bstr text;
  auto scalar = [&](HRESULT hr) {
    benchmark::DoNotOptimize(hr);
    if (shape) ++shape->scalars;
  };
  auto string = [&](HRESULT hr) {
    benchmark::DoNotOptimize(hr);
    if (shape) shape->texts.push_back(text.Length());
  };
  string(s->get_MACAddress(text.Receive()));
  string(s->get_FirmwareVersion(text.Receive()));
#define READ_SCALAR(name, kind, ...) READ_##kind(name);
#define READ_Text(name) string(s->get_##name(text.Receive()))
#define READ_Flag(name) scalar(s->get_##name(&b))
#define READ_Number(name) scalar(s->get_##name(&n))
#define READ_IndexedNumber(name) scalar(s->get_##name(0, &n))
  DPM_SCALAR_SETTINGS(READ_SCALAR)
  LONG keywords = 0, rows = 0;
  scalar(s->get_KeywordUsageCount(&keywords));
  scalar(s->get_KeywordContentCount(&rows));
  for (LONG k = 0; k < keywords; ++k) {
    string(s->get_KeywordUsageString(k, text.Receive()));
    scalar(s->get_KeywordBarcodeScan(k, &b));
    scalar(s->get_KeywordVoiceCommand(k, &b));
    scalar(s->get_KeywordMandatory(k, &b));
    for (LONG r = 0; r < rows; ++r) string(s->get_KeywordContentString(k, r, text.Receive()));
  }
  for (LONG button = 0; button < 3; ++button)
    for (LONG state = 0; state < 5; ++state) scalar(s->get_SmartButtonConfiguration(button, state, &n));
  for (LONG area = 1; area <= 4; ++area) scalar(s->get_DisplayAreaMapping(area, &n));
  for (LONG p = 0; p < 4; ++p) {
    ComPtr<IDPMRecordingProfile> profile;
    benchmark::DoNotOptimize(s->get_RecordingProfile(p, profile.ReleaseAndGetAddressOf()));
    if (shape) ++shape->objects;
    scalar(profile->get_AudioQuality(&n));
    scalar(profile->get_ProfileMicSensitivity(&n));
    scalar(profile->get_MicrophoneDirection(0, &n));
    scalar(profile->get_MicrophoneDirection(1, &n));
  }
}

void BM_ReadEveryPropertyOfTheLargestModel(benchmark::State& state) {
  Bench& bench = Shared();
  if (!bench.settings) {
    state.SkipWithError("the component did not start");
    return;
  }
  CallShape shape;
  ReadEverything(bench.settings.Get(), &shape);
  double start = ThreadCpuNs();
  for (auto _ : state) ReadEverything(bench.settings.Get());
  const double readNs = (ThreadCpuNs() - start) / static_cast<double>(state.iterations());

  Floor floor;
  start = ThreadCpuNs();
  for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) ReadFloor(&floor, shape);
  const double floorNs = (ThreadCpuNs() - start) / static_cast<double>(state.iterations());
  state.counters["calls"] = static_cast<double>(shape.Calls());
  state.counters["strings"] = static_cast<double>(shape.texts.size());
  state.counters["floor_ns"] = floorNs;
  state.counters["read_ns"] = readNs;
  state.counters["ratio"] = readNs / floorNs;
}
BENCHMARK(BM_ReadEveryPropertyOfTheLargestModel)->Repetitions(7)->ReportAggregatesOnly(true);

// The same bytes written atomically and read back, the simplest way.
void WriteAndReadPlainly(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
  ::fsync(fd);
  ::close(fd);
  ::rename(temp.c_str(), path.c_str());
  fd = ::open(std::filesystem::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ::fsync(fd);
  ::close(fd);
  std::string back(bytes.size(), '\0');
  fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  benchmark::DoNotOptimize(::read(fd, back.data(), back.size()));
  ::close(fd);
}

void BM_ExportImportRoundTrip(benchmark::State& state) {
  Bench& bench = Shared();
  if (!bench.settings) {
    state.SkipWithError("the component did not start");
    return;
  }
  const std::string file = bench.File("roundtrip.json");
  Bstr path(AnsiToBstr(file));
  auto start = Clock::now();
  for (auto _ : state) {
    ComPtr<IDPMDeviceSettings> imported;
    benchmark::DoNotOptimize(bench.control->ExportSettings(path.Get(), bench.settings.Get()));
    benchmark::DoNotOptimize(bench.control->ImportSettings(path.Get(), imported.ReleaseAndGetAddressOf()));
  }
  const double fileNs = NsSince(start) / static_cast<double>(state.iterations());

  std::error_code error;
  const double bytes = static_cast<double>(std::filesystem::file_size(file, error));
  const std::string content(static_cast<size_t>(bytes), 'x');
  const std::string plain = bench.File("plain.json");
  start = Clock::now();
  for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) WriteAndReadPlainly(plain, content);
  const double floorNs = NsSince(start) / static_cast<double>(state.iterations());
  state.counters["file_kb"] = bytes / 1024;
  state.counters["ms_per_file"] = fileNs / 1e6;
  state.counters["us_per_kb"] = bytes > 0 ? fileNs / 1e3 / (bytes / 1024) : 0;
  state.counters["floor_ms_per_file"] = floorNs / 1e6;
  state.counters["ratio"] = fileNs / floorNs;
}
BENCHMARK(BM_ExportImportRoundTrip)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  {
    Bench bench;
    g_bench = &bench;
    benchmark::RunSpecifiedBenchmarks();
    g_bench = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
