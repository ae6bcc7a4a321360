// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DictationCompanion.h"

#include "component/files/DictationPaths.h"
#include "component/files/DictationRules.h"
#include "component/files/DictationTime.h"
#include "component/files/DssHeader.h"
#include "component/settings/JsonChecks.h"
#include "device/DpmResults.h"

using json_checks::Json;

namespace {

constexpr const char* kFormat = "quorvel-dictation";
constexpr const char* kSuffix = ".json";

Json TextsToJson(std::vector<std::u16string> texts) {
  while (!texts.empty() && texts.back().empty()) texts.pop_back();
  Json out = Json::array();
  for (const std::u16string& text : texts) out.push_back(Utf8FromUtf16(text));
  return out;
}

bool TextFromJson(const Json& j, int maxChars, std::u16string* out) {
  return json_checks::GetText(j, out) && SUCCEEDED(CheckDictationText(*out, maxChars));
}

bool TextsFromJson(const Json& j, int slots, int maxChars, std::vector<std::u16string>* out) {
  if (!j.is_array() || j.size() > static_cast<size_t>(slots)) return false;
  std::vector<std::u16string> texts(j.size());
  for (size_t i = 0; i < j.size(); ++i)
    if (!TextFromJson(j[i], maxChars, &texts[i])) return false;
  *out = std::move(texts);
  return true;
}

bool InRange(const Json& j, LONG low, LONG high, LONG* out) {
  return json_checks::GetLong(j, out) && *out >= low && *out <= high;
}

bool AsciiFromJson(const Json& j, size_t maxChars, std::string* out) {
  if (!json_checks::GetString(j, out) || out->size() > maxChars) return false;
  for (char c : *out)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

bool InstructionsFromJson(const Json& j, std::vector<std::array<LONG, 2>>* out) {
  if (!j.is_array() || j.size() > static_cast<size_t>(kMaxSpokenInstructions)) return false;
  std::vector<std::array<LONG, 2>> ranges;
  LONG previousEnd = -1;
  for (const Json& range : j) {
    std::array<LONG, 2> r{};
    if (!range.is_array() || range.size() != 2 || !json_checks::GetLong(range[0], &r[0]) ||
        !json_checks::GetLong(range[1], &r[1]) || r[0] < 0 || r[1] <= r[0] || r[0] < previousEnd)
      return false;
    previousEnd = r[1];
    ranges.push_back(r);
  }
  *out = std::move(ranges);
  return true;
}

bool ModeFitsNoCodec(LONG mode) {
  std::uint8_t codec = 0;
  return CodecOfCompressionMode(mode, &codec);
}

bool RecorderFromJson(const Json& j, DictationCompanion* c) {
  return json_checks::HasExactly(j, {"productId", "MACAddress", "firmwareVersion"}) &&
         InRange(j["productId"], 0, 0xFFFF, &c->productId) &&
         AsciiFromJson(j["MACAddress"], kMacAddressChars, &c->macAddress) &&
         AsciiFromJson(j["firmwareVersion"], kFirmwareChars, &c->firmwareVersion);
}

}  // namespace

std::string CompanionPathOf(const std::string& dictationPath) { return dictationPath + kSuffix; }

bool IsCompanionName(std::string_view name) {
  const size_t suffix = std::char_traits<char>::length(kSuffix);
  return name.size() > suffix && name.substr(name.size() - suffix) == kSuffix &&
         IsDictationFileName(name.substr(0, name.size() - suffix));
}

std::string CompanionToJson(const DictationCompanion& c) {
  Json instructions = Json::array();
  for (const auto& range : c.spokenInstructions) instructions.push_back({range[0], range[1]});
  Json doc = {{"format", kFormat},
              {"formatVersion", 1},
              {"kind", c.instruction ? "instruction" : "dictation"},
              {"jobNumber", c.jobNumber},
              {"priority", c.priority},
              {"endOfLetter", c.endOfLetter},
              {"compressionMode", c.compressionMode},
              {"keywordUsage", TextsToJson(c.keywordUsage)},
              {"keywordContent", TextsToJson(c.keywordContent)},
              {"userStrings", TextsToJson(c.userStrings)},
              {"barcode", Utf8FromUtf16(c.barcode)},
              {"downloadDate", c.downloadDate},
              {"downloadTime", c.downloadTime},
              {"spokenInstructions", instructions},
              {"instructionFile", c.instructionFile},
              {"recorder", {{"productId", c.productId}, {"MACAddress", c.macAddress},
                            {"firmwareVersion", c.firmwareVersion}}}};
  return json_checks::Dump(doc);
}

HRESULT CompanionFromJson(std::string_view text, DictationCompanion* out) {
  Json doc;
  if (text.size() > kMaxCompanionBytes || !json_checks::Parse(text, &doc)) return dpmCtrlInvalidFile;
  if (!json_checks::HasExactly(doc, {"format", "formatVersion", "kind", "jobNumber", "priority", "endOfLetter",
                                     "compressionMode", "keywordUsage", "keywordContent", "userStrings", "barcode",
                                     "downloadDate", "downloadTime", "spokenInstructions", "instructionFile",
                                     "recorder"}))
    return dpmCtrlInvalidFile;
  DictationCompanion c;
  std::string format, kind;
  LONG version = 0;
  const bool fine =
      json_checks::GetString(doc["format"], &format) && format == kFormat &&
      json_checks::GetLong(doc["formatVersion"], &version) && version == 1 &&
      json_checks::GetString(doc["kind"], &kind) && (kind == "dictation" || kind == "instruction") &&
      InRange(doc["jobNumber"], 0, 0x7FFFFFFF, &c.jobNumber) && InRange(doc["priority"], 0, kMaxPriority, &c.priority) &&
      json_checks::GetBool(doc["endOfLetter"], &c.endOfLetter) &&
      json_checks::GetLong(doc["compressionMode"], &c.compressionMode) && ModeFitsNoCodec(c.compressionMode) &&
      TextsFromJson(doc["keywordUsage"], kKeywordSlots, kKeywordUsageChars, &c.keywordUsage) &&
      TextsFromJson(doc["keywordContent"], kKeywordSlots, kKeywordContentChars, &c.keywordContent) &&
      TextsFromJson(doc["userStrings"], kUserStringSlots, kUserStringChars, &c.userStrings) &&
      TextFromJson(doc["barcode"], kBarcodeChars, &c.barcode) &&
      json_checks::GetString(doc["downloadDate"], &c.downloadDate) &&
      (c.downloadDate.empty() || IsDateText(c.downloadDate)) &&
      json_checks::GetString(doc["downloadTime"], &c.downloadTime) &&
      (c.downloadTime.empty() || IsTimeText(c.downloadTime)) &&
      InstructionsFromJson(doc["spokenInstructions"], &c.spokenInstructions) &&
      json_checks::GetString(doc["instructionFile"], &c.instructionFile) &&
      (c.instructionFile.empty() || IsDictationFileName(c.instructionFile)) && RecorderFromJson(doc["recorder"], &c);
  if (!fine) return dpmCtrlInvalidFile;
  c.instruction = kind == "instruction";
  *out = std::move(c);
  return S_OK;
}
