// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/files/BatchConvert.h"

#include <poll.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <thread>

#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "device/DpmResults.h"
#include "device/DpmValues.h"
#include "device/IDPMFileInfo.h"
#include "device/ResultNames.h"
#include "platform/automation/Apartment.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Variant.h"
#include "quorvelctl/cli/StopSignals.h"
#include "quorvelctl/cli/TextCodec.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPumpMs = 100;
constexpr LONG kTaskOver = 100;

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::string Clock(long long ms) {
  const long long s = ms / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  return text;
}

constexpr LONG kFileTypeDs2 = 1;  // IDPMFileInfo's "non-DPM2" type

// The dictation's length for the progress line (0 when it cannot be read: its conversion says why),
// and whether it is a DS2 file.
void ReadInfo(IDPMControl* control, const std::string& path, long long* lengthMs, bool* ds2) {
  std::optional<Bstr> wide = Utf8ToBstr(path);
  ComPtr<IDPMFileInfo> info;
  LONG ms = 0, type = 0;
  if (!wide || FAILED(control->get_IDPMFileInfo(wide->Get(), info.ReleaseAndGetAddressOf()))) return;
  if (SUCCEEDED(info->get_FileType(&type))) *ds2 = type == kFileTypeDs2;
  if (SUCCEEDED(info->get_DictationLength(&ms))) *lengthMs = ms;
}

}  // namespace

std::optional<FileIdentity> FileIdentity::Of(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
  return FileIdentity{st.st_dev, st.st_ino, static_cast<long long>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::string CBatchConvert::ProgressText(size_t filesDone, size_t files, long long audioDoneMs, long long audioMs,
                                        std::optional<long long> leftMs) {
  std::string text = "Convert " + std::to_string(filesDone) + "/" + std::to_string(files) + " files, " +
                     Clock(audioDoneMs) + " of " + Clock(audioMs) + " audio";
  if (leftMs) text += ", " + Clock(*leftMs) + " left";
  return text;
}

ExitCode CBatchConvert::Run(CCommandContext& context) {
  const CommandLine& line = context.Line();
  const CConsole& console = context.Console();
  const std::optional<ConvertFormat> format = ConvertFormat::Named(line.format);
  if (!format) return console.Usage("--format is one of " + std::string(ConvertFormat::Names()));
  const std::vector<std::string> sources(line.arguments.begin(), line.arguments.end() - 1);
  const std::string& destination = line.arguments.back();
  // One dictation may be given the name of its target; a name ending in '/' must be a folder.
  const bool intoFolder = IsFolder(destination);
  const bool oneFile = sources.size() == 1 && !IsFolder(sources[0]) && !destination.ends_with('/');
  if (!intoFolder && !oneFile) {
    const std::string label = sources.size() == 1 ? "convert " + sources[0] : std::string("convert");
    return console.Failure(label + ": " + destination + " is not a folder", dpmCtrlPathNotFound);
  }
  const BatchPlan plan =
      BatchPlan::Make(sources, destination, intoFolder, (line.given & kOptRecursive) != 0, format->extension);
  const size_t cores = std::max(1u, std::thread::hardware_concurrency());
  const size_t jobs = line.jobs > 0 ? static_cast<size_t>(line.jobs) : cores;
  return CBatchConvert(context, *format).Convert(plan, intoFolder, jobs);
}

HRESULT CBatchConvert::OpenSlot(IDPMControl* control, bool keepComplete, Slot* slot) {
  if (control) {
    slot->control = control;
  } else if (HRESULT hr = CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                                           slot->control.ReleaseAndGetVoidAddress());
             FAILED(hr)) {
    return hr;
  }
  Variant block;
  const std::vector<BYTE> bytes = m_format.Block(keepComplete);
  HRESULT hr = MakeByteArray(bytes, block.Get());
  if (SUCCEEDED(hr)) hr = slot->control->put_CustomFormat(block.Get());
  slot->events = std::make_unique<CDeviceEvents>(std::initializer_list<DISPID>{DPMEventProgress});
  if (SUCCEEDED(hr)) hr = slot->events->Attach(slot->control.Get());
  return hr;
}

ExitCode CBatchConvert::Convert(const BatchPlan& plan, bool intoFolder, size_t jobs) {
  const CConsole& console = m_context.Console();
  for (const BatchRefusal& refused : plan.refused) {
    console.Error("convert " + refused.source + ": " + refused.reason);
    ++m_failed;
  }
  IDPMControl* first = m_context.Session().Control();
  for (const BatchItem& file : plan.items) {
    Item& item = m_items.emplace_back();
    item.file = file;
    ReadInfo(first, file.source, &item.lengthMs, &item.ds2);
  }
  m_slots.resize(std::max<size_t>(1, std::min(jobs, m_items.size())));
  for (size_t i = 0; i < m_slots.size(); ++i) {
    if (HRESULT hr = OpenSlot(i == 0 ? first : nullptr, intoFolder, &m_slots[i]); FAILED(hr)) {
      for (Slot& slot : m_slots)
        if (slot.events) slot.events->Detach();
      return console.Failure("convert: starting a conversion", hr);
    }
  }

  // Caught from before the first start, so no signal ends the program with a conversion half done.
  const CStopSignals stop;
  std::shared_ptr<ApartmentDispatcher> dispatcher = CoGetApartmentDispatcher();
  bool stopping = false;
  for (;;) {
    size_t busy = 0;
    for (Slot& slot : m_slots) {
      while (!slot.item && !stopping && StartNext(slot)) {
      }
      busy += slot.item ? 1 : 0;
    }
    if (busy == 0) break;
    // Woken by the first event due (or a stop signal), so a finished conversion's slot is refilled at once.
    pollfd due{dispatcher->WaitHandle(), POLLIN, 0};
    ::poll(&due, 1, kPumpMs);
    dispatcher->Pump();
    if (stop.Requested() && !stopping) {
      stopping = true;
      // Each running task still ends with its last progress event, with this code as its result.
      for (Slot& slot : m_slots)
        if (slot.item) slot.control->CancelTasks(dpmCtrlOperationCancelled);
    }
    for (Slot& slot : m_slots) TakeEvents(slot);
    ShowProgress();
  }
  for (Slot& slot : m_slots) slot.events->Detach();
  m_bar.Finish();

  const size_t total = m_items.size() + plan.refused.size();
  const size_t missed = m_failed + (m_items.size() - m_over);
  if (missed == 0) return kExitDone;
  if (total > 1) console.Error("convert: " + std::to_string(missed) + " of " + std::to_string(total) +
                               " dictations not converted");
  return kExitDifference;
}

bool CBatchConvert::StartNext(Slot& slot) {
  if (m_next >= m_items.size()) return false;
  const size_t index = m_next++;
  Item& item = m_items[index];
  std::error_code error;
  item.before = FileIdentity::Of(item.file.target);
  const fs::path folder = fs::path(item.file.target).parent_path();
  if (!folder.empty()) fs::create_directories(folder, error);  // a subfolder of a -r batch
  std::optional<Bstr> source = Utf8ToBstr(item.file.source), target = Utf8ToBstr(item.file.target);
  HRESULT hr = source && target ? S_OK : E_INVALIDARG;
  if (SUCCEEDED(hr)) hr = slot.control->Convert(source->Get(), target->Get(), dpmConvertCustom, VARIANT_FALSE);
  if (FAILED(hr)) {
    Finish(index, hr);
    return true;
  }
  slot.item = index;
  return true;
}

void CBatchConvert::TakeEvents(Slot& slot) {
  for (DeviceEvent event; slot.events->Take(&event);) {
    if (!slot.item) continue;
    if (event.percent < kTaskOver) {
      m_items[*slot.item].percent = event.percent;
      continue;
    }
    Finish(*slot.item, event.result);
    slot.item.reset();
  }
}

void CBatchConvert::Finish(size_t index, HRESULT result) {
  Item& item = m_items[index];
  item.over = true;
  item.percent = kTaskOver;
  ++m_over;
  const CConsole& console = m_context.Console();
  // The bar is on stderr, which is often the terminal stdout is on too.
  m_bar.Clear();
  if (FAILED(result)) {
    ++m_failed;
    const bool badName = result == E_INVALIDARG && !Utf8ToBstr(item.file.source);
    const char* why = badName     ? ": a name that is not UTF-8"
                      : item.ds2  ? ": a DS2 dictation, whose format is not public"
                                  : "";
    console.Failure("convert " + item.file.source + why, result);
    if (console.Json())
      console.OrderedDocument({{"task", "convert"}, {"source", item.file.source}, {"destination", item.file.target},
                               {"error", GetResultName(result)}});
    return;
  }
  const bool kept = item.before && item.before == FileIdentity::Of(item.file.target);
  const char* done = kept ? "already converted" : "converted";
  if (console.Json()) {
    console.OrderedDocument(
        {{"task", "convert"}, {"source", item.file.source}, {"destination", item.file.target}, {"done", done}});
  } else {
    console.Line(std::string(done) + " " + item.file.source + " to " + item.file.target);
  }
}

void CBatchConvert::ShowProgress() {
  long long audioMs = 0, doneMs = 0;
  for (const Item& item : m_items) {
    audioMs += item.lengthMs;
    doneMs += item.lengthMs * item.percent / kTaskOver;
  }
  const double elapsedMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_started).count();
  std::optional<long long> leftMs;
  if (doneMs > 0 && m_over > 0) leftMs = static_cast<long long>(elapsedMs * (audioMs - doneMs) / doneMs);
  const LONG percent = audioMs > 0 ? static_cast<LONG>(doneMs * kTaskOver / audioMs)
                                   : static_cast<LONG>(m_over * kTaskOver / std::max<size_t>(1, m_items.size()));
  // A batch with a failure is never drawn as full.
  m_bar.Show(ProgressText(m_over, m_items.size(), doneMs, audioMs, leftMs),
             m_failed > 0 ? std::min<LONG>(percent, kTaskOver - 1) : percent);
}
