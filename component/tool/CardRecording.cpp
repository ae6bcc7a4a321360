// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/tool/CardRecording.h"

#include <cstdio>
#include <ctime>
#include <unistd.h>

#include "component/files/DictationCompanion.h"
#include "component/files/DictationMaker.h"
#include "component/files/DictationPaths.h"
#include "component/files/DictationRules.h"
#include "component/files/DssAudio.h"
#include "component/recorders/FileAccess.h"
#include "device/DpmResults.h"
#include "platform/automation/CodePage.h"

namespace {

constexpr LONG kMaxRecordingMs = 10 * 3600 * 1000;
constexpr LONG kCounterLimit = 10000;  // four digits

bool InstructionsFit(const CardRecording& recording) {
  if (recording.instructions.size() > static_cast<size_t>(kMaxSpokenInstructions)) return false;
  LONG previousEnd = 0;
  for (const auto& range : recording.instructions) {
    if (range[0] < previousEnd || range[1] <= range[0] || range[1] > recording.milliseconds) return false;
    previousEnd = range[1];
  }
  return true;
}

// What the header's author field can hold: printable ASCII, 16 characters.
std::string AuthorOf(const RecorderSettings& settings) {
  const bool fromKeyword = settings.Number(Setting::FileNamePrefixType) == 0;
  std::string author = WideToAnsi(settings.Text(fromKeyword ? Setting::Keyword1String : Setting::FileNamePrefixString));
  for (char& c : author)
    if (c < 0x20 || c > 0x7E) c = '?';
  return author.substr(0, kAuthorChars);
}

DictationCompanion CompanionOf(const RecorderModel& model, const RecorderIdentity& identity,
                               const RecorderSettings& settings, const CardRecording& recording, LONG counter) {
  DictationCompanion companion;
  companion.jobNumber = counter;
  const LONG mode = settings.Number(Setting::RecordingMode);
  companion.compressionMode = mode == kStandardPlaySilenceComp ? mode : kStandardPlay;  // recorded as SP
  for (const KeywordEntry& keyword : settings.keywords) {
    if (companion.keywordUsage.size() == static_cast<size_t>(kKeywordSlots)) break;
    companion.keywordUsage.push_back(keyword.name.substr(0, kKeywordUsageChars));
    companion.keywordContent.push_back(keyword.values.empty() ? u"" : keyword.values[0].substr(0, kKeywordContentChars));
  }
  companion.spokenInstructions = recording.instructions;
  companion.productId = model.productId;
  companion.macAddress = identity.macAddress;
  companion.firmwareVersion = identity.firmwareVersion;
  return companion;
}

std::uint64_t FreeBytes(const RecorderModel& model, const std::vector<CardFile>& files) {
  std::uint64_t usedKiB = 0;
  for (const CardFile& file : files) usedKiB += (file.bytes + 1023) / 1024;
  const std::uint64_t capacityKiB = static_cast<std::uint64_t>(model.cardMiB) * 1024;
  return usedKiB >= capacityKiB ? 0 : (capacityKiB - usedKiB) * 1024;
}

// The first free name from the counter on; -1 when all are taken.
LONG FreeNumber(const RecorderFolder& folder, const std::string& prefix, LONG counter, std::string* name) {
  for (LONG i = 0; i < kCounterLimit; ++i) {
    const LONG n = (counter + i) % kCounterLimit;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04ld", static_cast<long>(n));
    *name = prefix + digits + ".DSS";
    const std::string path = folder.CardPath() + "/" + *name;
    if (!PathExists(path) && !PathExists(CompanionPathOf(path))) return n;
  }
  return -1;
}

// The companion first: a dictation is never without it; a companion without its dictation is debris.
HRESULT WriteDictation(const std::string& path, const std::string& bytes, const std::string& companion) {
  if (HRESULT hr = WriteFileAtomically(CompanionPathOf(path), companion, FileLinks::Refuse); FAILED(hr)) return hr;
  if (HRESULT hr = WriteFileAtomically(path, bytes, FileLinks::Refuse); FAILED(hr)) {
    ::unlink(CompanionPathOf(path).c_str());
    return hr;
  }
  return S_OK;
}

}  // namespace

HRESULT RecordOnCard(const RecorderFolder& folder, const CardRecording& recording, std::string* name) {
  if (recording.milliseconds < 1 || recording.milliseconds > kMaxRecordingMs || !InstructionsFit(recording))
    return E_INVALIDARG;
  RecorderIdentity identity;
  RecorderState state;
  if (FAILED(folder.LoadIdentity(&identity)) || FAILED(folder.LoadState(&state))) return dpmCtrlReadDeviceConfiguration;
  const RecorderModel* model = FindRecorderModel(identity.deviceType);
  if (!model) return dpmCtrlReadDeviceConfiguration;

  // The number is taken, the files written and the counter moved on under the recorder's lock, so two
  // recordings never take one number; a failed recording leaves the counter as it was.
  std::string bytes, companion;
  HRESULT taken = folder.UpdateSettings(*model, [&](RecorderSettings& settings) {
    std::vector<CardFile> files;
    if (HRESULT hr = folder.ListCard(&files); FAILED(hr)) return hr;
    std::string prefix = WideToAnsi(settings.Text(Setting::FileNamePrefixString));
    if (prefix.empty()) prefix = "DICT";
    const LONG number = FreeNumber(folder, prefix, settings.Number(Setting::FileCounter), name);
    if (number < 0) return dpmCtrlMaximumReached;
    const std::time_t now = std::time(nullptr) + static_cast<std::time_t>(state.clockOffsetSeconds);
    if (HRESULT hr = MakeSpDictation(SpFramesFor(recording.milliseconds), now, AuthorOf(settings), &bytes); FAILED(hr))
      return hr;
    companion = CompanionToJson(CompanionOf(*model, identity, settings, recording, number));
    if (bytes.size() + companion.size() + 2048 > FreeBytes(*model, files)) return dpmCtrlOutOfDiskSpace;
    // Written under the lock too, so that what a killed recording leaves is the next tidy-up's.
    if (HRESULT hr = WriteDictation(folder.CardPath() + "/" + *name, bytes, companion); FAILED(hr)) return hr;
    settings.Number(Setting::FileCounter) = (number + 1) % kCounterLimit;
    return S_OK;
  });
  return taken;
}
