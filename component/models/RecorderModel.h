// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one recorder model is and accepts. The models and their families live in ModelCatalogue.cpp.
#include <cstdint>
#include <initializer_list>
#include <span>

#include "component/models/Setting.h"
#include "platform/automation/Types.h"

// Which characters a recorder's display can show in keyword and prefix texts.
enum class DisplayCharset {
  Ascii,   // printable ASCII, 0x20 to 0x7E
  Latin1,  // printable ASCII and the Latin-1 letters and signs 0xA0 to 0xFF
};

struct StringLimits {
  int prefix;          // FileNamePrefixString
  int keywordName;     // KeywordUsageString
  int keywordValue;    // KeywordContentString, Keyword1String
  int barcode;         // a scanned barcode
};

struct Dpm4Features {
  int smartButtons;             // 0 on older models, else 3 (five recorder states each)
  int displayAreas;             // 4 on DPM4; 1 on older models with the advanced display; else 0
  int recordingProfiles;        // 4 on DPM4, else 0
  std::uint32_t audioQualities; // bit per accepted DpmAudioQuality of a recording profile
};

struct RecorderModel {
  LONG type{};
  const char* name{};
  LONG vendorId{};
  LONG productId{};
  LONG displayModes{};  // 1: classic display only; 2: classic and advanced
  LONG keywordCount{};
  LONG keywordRows{};
  // The capabilities the component reports (IDPMCapabilities).
  bool instruction{};
  bool priority{};
  bool keywordsReadOnly{};  // the keyword names are fixed; their values stay editable
  bool requiredInputType{};
  LONG userStringMax{};
  bool linkKeywords{};
  bool scanKeywordsFromBarcode{};
  bool keywordBarcodeScan{};
  bool keywordVoiceCommand{};
  bool keywordMandatory{};
  LONG maxVoiceCommandsAlphanumeric{};
  LONG maxVoiceCommandsWord{};
  bool setBarcodeScanButton{};
  bool qualityPlay{};
  bool barcodeEvent{};
  bool functionKey{};
  bool encryption{};
  bool security{};
  bool prohibitFileAlteration{};
  bool fourPosSwitch{};
  // What the settings object accepts.
  StringLimits limits{};
  DisplayCharset charset{};
  std::uint32_t recordingModes{};  // bit per accepted DpmRecordingMode
  SettingSet settings{};
  Dpm4Features dpm4{};
  LONG cardMiB{};  // size of the memory card the simulated recorder comes with

  constexpr bool AcceptsRecordingMode(LONG mode) const {
    return mode >= 0 && mode < 32 && (recordingModes >> mode & 1u) != 0;
  }
  bool AcceptsAudioQuality(LONG code) const {
    return code >= 0 && code < 32 && (dpm4.audioQualities >> code & 1u) != 0;
  }
  constexpr bool Has(Setting s) const { return ::Has(settings, s); }
  // Smart buttons come only with the DPM4 family (ModelCatalogue.cpp's Dpm4).
  constexpr bool IsDpm4() const { return dpm4.smartButtons > 0; }
};

// A bit per code (DpmRecordingMode, DpmAudioQuality), codes 0 to 31.
constexpr std::uint32_t Modes(std::initializer_list<LONG> values) {
  std::uint32_t bits = 0;
  for (LONG v : values) bits |= 1u << v;
  return bits;
}

// A setting of a family and the value a new recorder has; texts take `text`.
struct FactoryValue {
  Setting setting;
  LONG number = 0;
  const char16_t* text = u"";
};

// The factory value of a setting, for a model that has it.
FactoryValue FactoryValueOf(Setting s);

// Every model, in type order.
std::span<const RecorderModel> AllRecorderModels();
// Null for a type the catalogue does not know.
const RecorderModel* FindRecorderModel(LONG type);
// Matches the name exactly ("DPM4_8200"); null when unknown.
const RecorderModel* FindRecorderModelByName(const char* name);
// The model of the embedded default recorder (DPM4_8200).
const RecorderModel& DefaultRecorderModel();
