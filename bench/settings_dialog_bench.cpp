// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's costs that grow with the recorder, end to end with the real module:
// Read From Device and the write-all pass, each as a ratio to its floor measured in the same run. The
// floor is the same component calls (strings allocated and freed alike) plus the same changes made
// directly on plain Qt widgets, in a bare loop. Read From Device also reports how the floor splits
// between the component and the widgets; its argument is the number of value rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "component/recorders/RecorderFolder.h"
#include "device/DpmIds.h"
#include "device/IDPMCapabilities.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMRecordingProfile.h"
#include "device/ResultNames.h"
#include "device/SettingSchema.h"
#include "platform/automation/Automation.h"
#include "settings/DeviceSettingsIds.h"
#include "settings/MarnDeviceSettingsDlg.h"

namespace {

using S = IDPMDeviceSettings;

// The model of each row count: the largest model has 100 value rows.
LONG ModelWithRows(int rows) {
  switch (rows) {
    case 10: return 0;    // DPM_9350_00
    case 20: return 7;    // DPM_9450_00
    case 50: return 20;   // DPM3_9600
    default: return 28;   // DPM4_8500
  }
}

std::string ModulePath() {
  std::error_code error;
  return (std::filesystem::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "bin" / "DPMCtrl.so")
      .string();
}

// A component session over one recorder of the given model, in folders of the benchmark's own, and the
// windows above the settings dialog.
class Session : public ISettingsDlgOwner, public ISettingsMainWindow {
 public:
  explicit Session(LONG model) {
    m_folder = std::filesystem::temp_directory_path() /
               ("quorvel-dialog-bench-" + std::to_string(::getpid()) + "-" + std::to_string(model));
    std::filesystem::create_directories(m_folder / "registry");
    ::setenv("QUORVEL_REGISTRY", (m_folder / "registry").c_str(), 1);
    ::setenv("QUORVEL_RECORDERS", (m_folder / "recorders").c_str(), 1);
    RecorderFolder::Create((m_folder / "recorders").string(), *FindRecorderModel(model), "bench", nullptr);
    RegisterServerModule(ModulePath(), false);
    CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                     reinterpret_cast<void**>(m_control.ReleaseAndGetAddressOf()));
    if (!m_control || FAILED(m_control->Initialize(0))) return;
    m_control->GetDevice(0, m_device.ReleaseAndGetAddressOf());
  }
  ~Session() {
    m_device = nullptr;
    m_control = nullptr;
    CoGetApartmentDispatcher()->Pump();
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
  }
  bool Ready() const { return m_device.Get() != nullptr; }
  std::string File(const char* name) const { return (m_folder / name).string(); }

  CWnd* SettingsParent() override { return nullptr; }
  IDPMDevice* Device() const override { return m_device.Get(); }
  ISettingsMainWindow* MainWindow() override { return this; }
  IDPMControl* Control() const override { return m_control.Get(); }
  std::string GetResultName(HRESULT code) override { return ::GetResultName(code); }

 private:
  std::filesystem::path m_folder;
  ComPtr<IDPMControl> m_control;
  ComPtr<IDPMDevice> m_device;
};

// Plain Qt widgets for what the dialog shows: boxes, lists, text fields and the two keyword tables.
struct PlainWidgets {
  PlainWidgets() {
    for (int i = 0; i < 40; ++i) boxes.push_back(std::make_unique<QCheckBox>());
    for (int i = 0; i < 10; ++i) {
      lists.push_back(std::make_unique<QComboBox>());
      for (int e = 0; e < 16; ++e) lists.back()->addItem(QString::number(e));
    }
    for (int i = 0; i < 8; ++i) texts.push_back(std::make_unique<QLineEdit>());
  }
  std::vector<std::unique_ptr<QCheckBox>> boxes;
  std::vector<std::unique_ptr<QComboBox>> lists;
  std::vector<std::unique_ptr<QLineEdit>> texts;
  QTableWidget names;
  QTableWidget values;
};

// Every read of a full load: the identity, each scalar setting of the schema, the keyword tables and the
// DPM4 record; `widgets` null measures the component alone.
void ReadLikeTheDialog(IDPMDevice* device, PlainWidgets* widgets) {
  ComPtr<IDPMDeviceSettings> s;
  device->GetDeviceSettings(s.ReleaseAndGetAddressOf());
  LONG n = 0;
  VARIANT_BOOL b = 0;
  size_t box = 0, list = 0, field = 0;
  auto text = [&](HRESULT (S::*get)(BSTR*)) {
    Bstr value;
    (s.Get()->*get)(value.Receive());
    const std::string narrow = BstrToAnsi(value.Get());
    if (widgets) widgets->texts[field++ % widgets->texts.size()]->setText(QString::fromLatin1(narrow.c_str()));
  };
  auto number = [&](HRESULT (S::*get)(LONG*), bool inList) {
    (s.Get()->*get)(&n);
    if (!widgets) return;
    if (inList)
      widgets->lists[list++ % widgets->lists.size()]->setCurrentIndex(n);
    else
      widgets->texts[field++ % widgets->texts.size()]->setText(QString::number(n));
  };
  auto flag = [&](HRESULT (S::*get)(VARIANT_BOOL*)) {
    (s.Get()->*get)(&b);
    if (widgets) widgets->boxes[box++ % widgets->boxes.size()]->setChecked(b != 0);
  };
  text(&S::get_MACAddress);
  text(&S::get_FirmwareVersion);
#define READ_SCALAR(name, kind, names, ...) READ_##kind(name, value_names::names().size() > 0);
#define READ_Text(name, inList) text(&S::get_##name)
#define READ_Flag(name, inList) flag(&S::get_##name)
#define READ_Number(name, inList) number(&S::get_##name, inList)
#define READ_IndexedNumber(name, inList) \
  s->get_##name(0, &n);                  \
  if (widgets) widgets->lists[list++ % widgets->lists.size()]->setCurrentIndex(n)
  DPM_SCALAR_SETTINGS(READ_SCALAR)

  LONG keywords = 0, rows = 0, limit = 0;
  s->get_KeywordUsageCount(&keywords);
  s->get_KeywordContentCount(&rows);
  ComPtr<IDPMCapabilities> capabilities;
  if (SUCCEEDED(device->GetCapabilities(capabilities.ReleaseAndGetAddressOf()))) capabilities->get_KeywordContent(&limit);
  if (widgets) {
    widgets->values.setRowCount(0);
    widgets->names.setRowCount(0);
    widgets->values.setColumnCount(keywords);
    widgets->names.setColumnCount(keywords);
    widgets->names.setRowCount(1);
  }
  for (LONG k = 0; k < keywords; ++k) {
    Bstr name;
    s->get_KeywordUsageString(k, name.Receive());
    const QString heading = QString::fromLatin1(BstrToAnsi(name.Get()).c_str());
    if (widgets) {
      widgets->values.setHorizontalHeaderItem(k, new QTableWidgetItem(heading));
      widgets->names.setHorizontalHeaderItem(k, new QTableWidgetItem(heading));
      widgets->values.setColumnWidth(k, 80);
      widgets->names.setColumnWidth(k, 80);
      widgets->names.setItem(0, k, new QTableWidgetItem(heading));
    }
  }
  if (widgets) widgets->values.setRowCount(rows);
  for (LONG r = 0; r < rows; ++r)
    for (LONG k = 0; k < keywords && r < limit; ++k) {
      Bstr value;
      s->get_KeywordContentString(k, r, value.Receive());
      if (widgets) widgets->values.setItem(r, k, new QTableWidgetItem(QString::fromLatin1(BstrToAnsi(value.Get()).c_str())));
    }
  for (auto get : {&S::get_KeywordBarcodeScan, &S::get_KeywordVoiceCommand, &S::get_KeywordMandatory})
    for (LONG k = 0; k < keywords && k < 5; ++k) {
      (s.Get()->*get)(k, &b);
      if (widgets) widgets->boxes[box++ % widgets->boxes.size()]->setChecked(b != 0);
    }
  device->GetDeviceType(&n);
  if (n < kFirstDpm4DeviceType) return;
  for (LONG button = 0; button < 3; ++button)
    for (LONG state = 0; state < 5; ++state) s->get_SmartButtonConfiguration(button, state, &n);
  for (LONG area = 1; area <= 4; ++area) s->get_DisplayAreaMapping(area, &n);
  for (LONG p = 0; p < 4; ++p) {
    ComPtr<IDPMRecordingProfile> profile;
    if (FAILED(s->get_RecordingProfile(p, profile.ReleaseAndGetAddressOf()))) continue;
    profile->get_MicrophoneDirection(0, &n);
    profile->get_MicrophoneDirection(1, &n);
    profile->get_ProfileMicSensitivity(&n);
    profile->get_AudioQuality(&n);
  }
}

// Every write of the write-all pass, the values taken from plain widgets: each scalar setting of the
// schema, the keyword tables and the DPM4 record.
void StoreLikeTheDialog(IDPMDevice* device, IDPMDeviceSettings* s, PlainWidgets& widgets) {
  size_t box = 0, list = 0, field = 0;
  auto text = [&](HRESULT (S::*put)(BSTR)) {
    Bstr value(AnsiToBstr(widgets.texts[field++ % widgets.texts.size()]->text().toLatin1().toStdString()));
    (s->*put)(value.Get());
  };
  auto flag = [&](HRESULT (S::*put)(VARIANT_BOOL)) {
    (s->*put)(widgets.boxes[box++ % widgets.boxes.size()]->isChecked() ? VARIANT_TRUE : VARIANT_FALSE);
  };
  LONG n = 0;
  VARIANT_BOOL b = 0;
  auto number = [&](HRESULT (S::*get)(LONG*), HRESULT (S::*put)(LONG)) {
    (s->*get)(&n);
    benchmark::DoNotOptimize(widgets.lists[list++ % widgets.lists.size()]->currentIndex());
    (s->*put)(n);
  };
#define STORE_SCALAR(name, kind, ...) STORE_##kind(name);
#define STORE_Text(name) text(&S::put_##name)
#define STORE_Flag(name) flag(&S::put_##name)
#define STORE_Number(name) number(&S::get_##name, &S::put_##name)
#define STORE_IndexedNumber(name) \
  s->get_##name(0, &n);           \
  s->put_##name(0, n)
  DPM_SCALAR_SETTINGS(STORE_SCALAR)
  LONG keywords = 0, rows = 0;
  s->get_KeywordUsageCount(&keywords);
  s->get_KeywordContentCount(&rows);
  for (LONG k = 0; k < keywords; ++k) {
    QTableWidgetItem* item = widgets.names.item(0, k);
    Bstr name(AnsiToBstr(item ? item->text().toLatin1().toStdString() : std::string()));
    s->put_KeywordUsageString(k, name.Get());
  }
  for (LONG r = 0; r < rows; ++r)
    for (LONG k = 0; k < keywords; ++k) {
      QTableWidgetItem* item = widgets.values.item(r, k);
      Bstr value(AnsiToBstr(item ? item->text().toLatin1().toStdString() : std::string()));
      s->put_KeywordContentString(k, r, value.Get());
    }
  for (auto get_put : {std::pair{&S::get_KeywordBarcodeScan, &S::put_KeywordBarcodeScan},
                       std::pair{&S::get_KeywordVoiceCommand, &S::put_KeywordVoiceCommand},
                       std::pair{&S::get_KeywordMandatory, &S::put_KeywordMandatory}})
    for (LONG k = 0; k < keywords && k < 5; ++k) {
      (s->*get_put.first)(k, &b);
      benchmark::DoNotOptimize(widgets.boxes[box++ % widgets.boxes.size()]->isChecked());
      (s->*get_put.second)(k, b);
    }
  device->GetDeviceType(&n);
  if (n < kFirstDpm4DeviceType) return;
  for (LONG button = 0; button < 3; ++button)
    for (LONG state = 0; state < 5; ++state) {
      s->get_SmartButtonConfiguration(button, state, &n);
      s->put_SmartButtonConfiguration(button, state, n);
    }
  for (LONG area = 1; area <= 4; ++area) {
    s->get_DisplayAreaMapping(area, &n);
    s->put_DisplayAreaMapping(area, n);
  }
  for (LONG p = 0; p < 4; ++p) {
    ComPtr<IDPMRecordingProfile> profile;
    if (FAILED(s->get_RecordingProfile(p, profile.ReleaseAndGetAddressOf()))) continue;
    for (LONG position = 0; position < 2; ++position) {
      profile->get_MicrophoneDirection(position, &n);
      profile->put_MicrophoneDirection(position, n);
    }
    profile->get_ProfileMicSensitivity(&n);
    profile->put_ProfileMicSensitivity(n);
    profile->get_AudioQuality(&n);
    profile->put_AudioQuality(n);
  }
}

// This thread's processor time: other work on a shared machine does not count.
double ThreadNanoseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

template <class Body>
double NanosecondsPerRun(int runs, Body body) {
  const double start = ThreadNanoseconds();
  for (int i = 0; i < runs; ++i) body();
  return (ThreadNanoseconds() - start) / runs;
}

// The dialog created over the session, as Setup Device shows it.
std::unique_ptr<CMarnDeviceSettingsDlg> OpenDialog(Session& session) {
  auto dialog = std::make_unique<CMarnDeviceSettingsDlg>(&session);
  if (!dialog->Create(nullptr)) return nullptr;
  return dialog;
}

void BM_ReadFromDevice(benchmark::State& state) {
  Session session(ModelWithRows(static_cast<int>(state.range(0))));
  auto dialog = session.Ready() ? OpenDialog(session) : nullptr;
  if (!dialog) {
    state.SkipWithError("the component or the dialog did not start");
    return;
  }
  PlainWidgets widgets;
  constexpr int kFloorRuns = 200;
  const double component = NanosecondsPerRun(kFloorRuns, [&] { ReadLikeTheDialog(session.Device(), nullptr); });
  const double floor = NanosecondsPerRun(kFloorRuns, [&] { ReadLikeTheDialog(session.Device(), &widgets); });
  const double start = ThreadNanoseconds();
  for (auto _ : state) dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_READ_FROM_DEVICE, BN_CLICKED), 0);
  const double spent = (ThreadNanoseconds() - start) / static_cast<double>(state.iterations());
  state.counters["floor_us"] = floor / 1000;
  state.counters["component_us"] = component / 1000;
  state.counters["widgets_us"] = (floor - component) / 1000;
  state.counters["ratio"] = spent / floor;
  dialog->DestroyWindow();
}
BENCHMARK(BM_ReadFromDevice)->Arg(10)->Arg(20)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_StoreToSettings(benchmark::State& state) {
  Session session(ModelWithRows(100));
  auto dialog = session.Ready() ? OpenDialog(session) : nullptr;
  if (!dialog || !dialog->Settings()) {
    state.SkipWithError("the component or the dialog did not start");
    return;
  }
  PlainWidgets widgets;
  ReadLikeTheDialog(session.Device(), &widgets);
  constexpr int kFloorRuns = 200;
  const double floor =
      NanosecondsPerRun(kFloorRuns, [&] { StoreLikeTheDialog(session.Device(), dialog->Settings(), widgets); });
  const double start = ThreadNanoseconds();
  for (auto _ : state) benchmark::DoNotOptimize(dialog->StoreToSettings());
  const double spent = (ThreadNanoseconds() - start) / static_cast<double>(state.iterations());
  state.counters["floor_us"] = floor / 1000;
  state.counters["ratio"] = spent / floor;
  dialog->DestroyWindow();
}
BENCHMARK(BM_StoreToSettings)->Unit(benchmark::kMicrosecond);

// What Export and Import Settings cost the user: one file of the largest model each.
template <class Body>
void SettingsFileBenchmark(benchmark::State& state, Body body) {
  Session session(ModelWithRows(100));
  ComPtr<IDPMDeviceSettings> settings;
  if (!session.Ready() || FAILED(session.Device()->GetDeviceSettings(settings.ReleaseAndGetAddressOf()))) {
    state.SkipWithError("the component did not start");
    return;
  }
  const std::string file = session.File("office.settings");
  Bstr path(AnsiToBstr(file));
  session.Control()->ExportSettings(path.Get(), settings.Get());
  for (auto _ : state) body(session.Control(), path.Get(), settings.Get());
  state.counters["file_kb"] = static_cast<double>(std::filesystem::file_size(file)) / 1024;
}

void BM_ExportSettings(benchmark::State& state) {
  SettingsFileBenchmark(state, [](IDPMControl* control, BSTR path, IDPMDeviceSettings* settings) {
    benchmark::DoNotOptimize(control->ExportSettings(path, settings));
  });
}
BENCHMARK(BM_ExportSettings)->Unit(benchmark::kMicrosecond);

void BM_ImportSettings(benchmark::State& state) {
  SettingsFileBenchmark(state, [](IDPMControl* control, BSTR path, IDPMDeviceSettings*) {
    ComPtr<IDPMDeviceSettings> imported;
    benchmark::DoNotOptimize(control->ImportSettings(path, imported.ReleaseAndGetAddressOf()));
  });
}
BENCHMARK(BM_ImportSettings)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  benchmark::RunSpecifiedBenchmarks();
  CoUninitialize();
  benchmark::Shutdown();
  return 0;
}
