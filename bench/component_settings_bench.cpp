// The component's costs that grow with the recorder: reading every property of the largest model,
// and a settings-file export and import round trip. Each benchmark reports `ratio`: its time per
// iteration over the time of the same number of interface calls on an object that does nothing,
// measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "component/RecorderFolder.h"
#include "device/DpmIds.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMRecordingProfile.h"
#include "platform/automation/Automation.h"

namespace {

struct INothing : IUnknown {
  virtual HRESULT Nothing(LONG* value) = 0;
};

class DoesNothing final : public INothing {
 public:
  HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT Nothing(LONG* value) override { return S_OK; }
};

// Nanoseconds for `calls` calls on the do-nothing object, the floor of a benchmark.
double FloorNs(size_t calls) {
  static DoesNothing object;
  INothing* target = &object;
  constexpr int kRounds = 2000;
  LONG value = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < kRounds; ++r)
    for (size_t i = 0; i < calls; ++i) {
      benchmark::DoNotOptimize(target);
      benchmark::DoNotOptimize(target->Nothing(&value));
    }
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::nano>(end - start).count() / kRounds;
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

// Reads every property of the settings object; returns how many interface calls that took.
size_t ReadEverything(IDPMDeviceSettings* s) {
  size_t calls = 0;
  LONG n = 0;
  VARIANT_BOOL b = 0;
  Bstr text;
  auto count = [&](HRESULT hr) {
    benchmark::DoNotOptimize(hr);
    ++calls;
  };
  count(s->get_FileNamePrefixString(text.Receive()));
  count(s->get_MACAddress(text.Receive()));
  count(s->get_FirmwareVersion(text.Receive()));
  count(s->get_Keyword1String(text.Receive()));
  for (auto get : {&IDPMDeviceSettings::get_FileNamePrefixType, &IDPMDeviceSettings::get_FileCounter,
                   &IDPMDeviceSettings::get_DateTimeFormat, &IDPMDeviceSettings::get_RecordingMode,
                   &IDPMDeviceSettings::get_Appearance, &IDPMDeviceSettings::get_DownloadMode,
                   &IDPMDeviceSettings::get_DownloadFilter, &IDPMDeviceSettings::get_MicrophoneSensitivity,
                   &IDPMDeviceSettings::get_FileCounterSource, &IDPMDeviceSettings::get_RequiredInputType,
                   &IDPMDeviceSettings::get_TotalTimeType, &IDPMDeviceSettings::get_UserStringCount,
                   &IDPMDeviceSettings::get_BarcodeScanButton, &IDPMDeviceSettings::get_OS,
                   &IDPMDeviceSettings::get_BarcodeMode, &IDPMDeviceSettings::get_FunctionKey,
                   &IDPMDeviceSettings::get_FourPosSwitch})
    count((s->*get)(&n));
  for (auto get : {&IDPMDeviceSettings::get_DLSButtonEnabled, &IDPMDeviceSettings::get_DeviceBeep,
                   &IDPMDeviceSettings::get_VoiceActivation, &IDPMDeviceSettings::get_ProtectDevice,
                   &IDPMDeviceSettings::get_DeleteFilesAfterDownload, &IDPMDeviceSettings::get_DELButtonEnabled,
                   &IDPMDeviceSettings::get_InsertButtonEnabled, &IDPMDeviceSettings::get_EOLButtonEnabled,
                   &IDPMDeviceSettings::get_LinkKeywords, &IDPMDeviceSettings::get_ScanKeywordsFromBarcode,
                   &IDPMDeviceSettings::get_OneFile, &IDPMDeviceSettings::get_RecordNotify,
                   &IDPMDeviceSettings::get_NoiseReduction, &IDPMDeviceSettings::get_RecordLevelInd,
                   &IDPMDeviceSettings::get_ProhibitFileAlteration, &IDPMDeviceSettings::get_ProMode,
                   &IDPMDeviceSettings::get_PlusButtonEnabled, &IDPMDeviceSettings::get_MinusButtonEnabled})
    count((s->*get)(&b));
  count(s->get_VoiceCommandType(0, &n));
  LONG keywords = 0, rows = 0;
  count(s->get_KeywordUsageCount(&keywords));
  count(s->get_KeywordContentCount(&rows));
  for (LONG k = 0; k < keywords; ++k) {
    count(s->get_KeywordUsageString(k, text.Receive()));
    count(s->get_KeywordBarcodeScan(k, &b));
    count(s->get_KeywordVoiceCommand(k, &b));
    count(s->get_KeywordMandatory(k, &b));
    for (LONG r = 0; r < rows; ++r) count(s->get_KeywordContentString(k, r, text.Receive()));
  }
  for (LONG button = 0; button < 3; ++button)
    for (LONG state = 0; state < 5; ++state) count(s->get_SmartButtonConfiguration(button, state, &n));
  for (LONG area = 1; area <= 4; ++area) count(s->get_DisplayAreaMapping(area, &n));
  for (LONG p = 0; p < 4; ++p) {
    ComPtr<IDPMRecordingProfile> profile;
    count(s->get_RecordingProfile(p, profile.ReleaseAndGetAddressOf()));
    count(profile->get_AudioQuality(&n));
    count(profile->get_ProfileMicSensitivity(&n));
    count(profile->get_MicrophoneDirection(0, &n));
    count(profile->get_MicrophoneDirection(1, &n));
  }
  return calls;
}

// Runs `body` (which makes `calls` interface calls) and reports its ratio to the floor.
template <class Body>
void Measure(benchmark::State& state, size_t calls, Body body) {
  const double floor = FloorNs(calls);
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) body();
  const double spent = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
  state.counters["calls"] = static_cast<double>(calls);
  state.counters["floor_ns"] = floor;
  state.counters["ratio"] = spent / static_cast<double>(state.iterations()) / floor;
}

void BM_ReadEveryPropertyOfTheLargestModel(benchmark::State& state) {
  Bench& bench = Shared();
  if (!bench.settings) {
    state.SkipWithError("the component did not start");
    return;
  }
  const size_t calls = ReadEverything(bench.settings.Get());
  Measure(state, calls, [&] { ReadEverything(bench.settings.Get()); });
}
BENCHMARK(BM_ReadEveryPropertyOfTheLargestModel);

void BM_ExportImportRoundTrip(benchmark::State& state) {
  Bench& bench = Shared();
  if (!bench.settings) {
    state.SkipWithError("the component did not start");
    return;
  }
  Bstr path(AnsiToBstr(bench.File("roundtrip.json")));
  Measure(state, 2, [&] {
    ComPtr<IDPMDeviceSettings> imported;
    benchmark::DoNotOptimize(bench.control->ExportSettings(path.Get(), bench.settings.Get()));
    benchmark::DoNotOptimize(bench.control->ImportSettings(path.Get(), imported.ReleaseAndGetAddressOf()));
  });
}
BENCHMARK(BM_ExportImportRoundTrip);

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
