// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// convert: dictations to audio files, several at once. Each conversion is the component's own Convert
// task, on one control object per parallel conversion (-j N, one per core by default). One progress
// line covers the batch; each dictation's result is a line (--json: a JSON document per line), a
// failure is named on stderr and the others go on. SIGINT, SIGTERM or SIGHUP cancels every running
// conversion and waits for them: the component leaves no partial target. Into a folder, a target
// that is already a whole conversion of its dictation is kept and a damaged one is done again, so
// running the same batch again converts only what is missing.
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/IDPMControl.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/files/BatchPlan.h"
#include "quorvelctl/session/CommandContext.h"
#include "quorvelctl/files/ConvertFormat.h"
#include "quorvelctl/session/DeviceEvents.h"
#include "quorvelctl/cli/ProgressBar.h"

// Which file a name gives (device and inode) and when it last changed: a replaced file differs.
struct FileIdentity {
  unsigned long long device = 0, inode = 0;
  long long modifiedNs = 0;
  bool operator==(const FileIdentity&) const = default;
  static std::optional<FileIdentity> Of(const std::string& path);
};

class CBatchConvert {
 public:
  static ExitCode Run(CCommandContext& context);

  // "Convert 3/10 files, 0:12:30 of 1:40:00 audio, 0:02:10 left" (no time left before the first is done).
  static std::string ProgressText(size_t filesDone, size_t files, long long audioDoneMs, long long audioMs,
                                  std::optional<long long> leftMs);

 private:
  struct Item {
    BatchItem file;
    long long lengthMs = 0;
    bool ds2 = false;
    LONG percent = 0;
    std::optional<FileIdentity> before;  // the target as it was before: a success may keep it
    bool over = false;
  };
  // A control object and the item it is converting.
  struct Slot {
    ComPtr<IDPMControl> control;
    std::unique_ptr<CDeviceEvents> events;
    std::optional<size_t> item;
  };

  CBatchConvert(CCommandContext& context, const ConvertFormat& format) : m_context(context), m_format(format) {}
  ExitCode Convert(const BatchPlan& plan, bool intoFolder, size_t jobs);
  HRESULT OpenSlot(IDPMControl* control, bool keepComplete, Slot* slot);
  // Starts the next waiting item on the slot; false when none is left.
  bool StartNext(Slot& slot);
  void Finish(size_t index, HRESULT result);
  void TakeEvents(Slot& slot);
  void ShowProgress();

  CCommandContext& m_context;
  ConvertFormat m_format;
  std::vector<Item> m_items;
  std::vector<Slot> m_slots;
  size_t m_next = 0;
  size_t m_failed = 0;
  size_t m_over = 0;
  CProgressBar m_bar;
  std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
};
