// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder models as product lines, each model stating only what it changes from its line, and
// the families of settings the lines are built from. The capabilities a model reports follow from its
// families (Capable). tests/component/ModelCatalogueTest.cpp checks the result: ids unique, limits sane,
// DPM4 features only from type 26 on.
#include <algorithm>
#include <cstring>

#include "component/models/RecorderModel.h"
#include "device/DpmValues.h"

namespace {

using S = Setting;

constexpr LONG kOrvane = 0x0E18;  // the vendor id every Orvane recorder reports

// Settings families, each setting with the value a new recorder has. Every model has kCore; the
// others add what its hardware offers. A setting not listed with a value starts at 0 (false, empty).
constexpr FactoryValue kCore[] = {
    {S::FileNamePrefixString, 0, u"DICT"},
    {S::FileNamePrefixType, dpmPrefixString},
    {S::FileCounter, 1},
    {S::DLSButtonEnabled, 1},
    {S::DateTimeFormat, dpmDateTime24Hours},
    {S::DeviceBeep, 1},
    {S::RecordingMode, dpmStandardPlay},
    {S::ProtectDevice, 0},
    {S::Appearance, dpmAppearanceClassic},  // advanced where the model has it (FactorySettings)
    {S::DownloadMode, dpmDownloadOff},
    {S::DownloadFilter, dpmDownloadAll},
    {S::Keyword1String, 0},
    {S::DeleteFilesAfterDownload, 0},
    {S::MicrophoneSensitivity, dpmSensitivityMedium},
    {S::FileCounterSource, dpmContinueExistingFileCounter},
    {S::TotalTimeType, dpmTotalTimeRemaining},
    {S::DELButtonEnabled, 1},
    {S::InsertButtonEnabled, 1},
    {S::EOLButtonEnabled, 1},
    {S::RecordNotify, 1},
    {S::OS, dpmOS_LINUX},
};
constexpr FactoryValue kVoiceActivation[] = {{S::VoiceActivation, 0}};
constexpr FactoryValue kBarcode[] = {
    {S::ScanKeywordsFromBarcode, 0}, {S::BarcodeScanButton, dpmScanButtonNone}, {S::BarcodeMode, dpmBarcodeKeyboard}};
constexpr FactoryValue kWorkflow[] = {{S::LinkKeywords, 0}, {S::RequiredInputType, dpmRequiredInputNone},
                                      {S::UserStringCount, 0}, {S::OneFile, 0},
                                      {S::NoiseReduction, 0}, {S::RecordLevelInd, 0}};
constexpr FactoryValue kVoiceCommand[] = {{S::VoiceCommandType, dpmVoiceCommandAlphanumerics}};
constexpr FactoryValue kControls[] = {{S::FunctionKey, dpmFunctionKeyNone}, {S::FourPosSwitch, dpmSwitchOrvane}};
constexpr FactoryValue kProtection[] = {{S::ProhibitFileAlteration, 0}};
constexpr FactoryValue kDpm4Buttons[] = {{S::ProMode, 0}, {S::PlusButtonEnabled, 1}, {S::MinusButtonEnabled, 1}};

constexpr std::span<const FactoryValue> kFamilies[] = {kCore,    kVoiceActivation, kBarcode,    kWorkflow,
                                                       kVoiceCommand, kControls,   kProtection, kDpm4Buttons};

constexpr SettingSet SetOf(std::span<const FactoryValue> family) {
  SettingSet set = 0;
  for (const FactoryValue& member : family) set |= Bit(member.setting);
  return set;
}

constexpr std::uint32_t kStandardModes = Modes({dpmStandardPlay, dpmStandardPlaySilComp, dpmLongPlay});
constexpr std::uint32_t kTsModes = kStandardModes | Modes({dpmTSLongPlay, dpmTSLongPlaySilComp});
constexpr std::uint32_t kQualityModes = kTsModes | Modes({dpmQualityPlay});
constexpr std::uint32_t kMp3Modes = kQualityModes | Modes({dpmMp3Stereo});

constexpr StringLimits kShortTexts{.prefix = 4, .keywordName = 12, .keywordValue = 16, .barcode = 32};
constexpr StringLimits kLongTexts{.prefix = 4, .keywordName = 16, .keywordValue = 20, .barcode = 64};

constexpr std::uint32_t kProfileQualities = Modes({dpmAudioStandardPlay, dpmAudioQualityPlay});

// A change to a model, applied in the order written.
template <class Change>
constexpr RecorderModel With(RecorderModel m, Change change) {
  change(m);
  return m;
}

// The families and features a line or a model adds.
constexpr RecorderModel Adds(RecorderModel m, std::span<const FactoryValue> family) {
  m.settings |= SetOf(family);
  return m;
}
constexpr RecorderModel Barcode(RecorderModel m) { return Adds(m, kBarcode); }
constexpr RecorderModel AdvancedDisplay(RecorderModel m) {
  m.displayModes = 2;
  m.dpm4.displayAreas = 1;
  return m;
}
constexpr RecorderModel Workflow(RecorderModel m, LONG userStrings) {
  m = Adds(m, kWorkflow);
  m.userStringMax = userStrings;
  return m;
}
constexpr RecorderModel VoiceCommands(RecorderModel m, LONG alphanumeric, LONG words) {
  m = Adds(m, kVoiceCommand);
  m.maxVoiceCommandsAlphanumeric = alphanumeric;
  m.maxVoiceCommandsWord = words;
  return m;
}
// DPM3 on: function key, four-position switch and security codes.
constexpr RecorderModel Controls(RecorderModel m) {
  m = Adds(m, kControls);
  m.security = true;
  return m;
}
// The DPM4 family: smart buttons, four display areas and recording profiles.
constexpr RecorderModel Dpm4(RecorderModel m) {
  m = Adds(m, kDpm4Buttons);
  m.dpm4 = {.smartButtons = kDpmSmartButtons, .displayAreas = kDpmDisplayAreas,
            .recordingProfiles = kDpmRecordingProfiles, .audioQualities = kProfileQualities};
  return m;
}
constexpr RecorderModel Mp3(RecorderModel m) {
  m.recordingModes = kMp3Modes;
  m.dpm4.audioQualities |= Modes({dpmAudioMp3});
  return m;
}

// The capabilities a model reports, from the families it has.
constexpr RecorderModel Capable(RecorderModel m) {
  m.linkKeywords = m.Has(S::LinkKeywords);
  m.scanKeywordsFromBarcode = m.Has(S::ScanKeywordsFromBarcode);
  m.keywordBarcodeScan = m.Has(S::ScanKeywordsFromBarcode);
  m.requiredInputType = m.Has(S::RequiredInputType);
  m.setBarcodeScanButton = m.Has(S::BarcodeScanButton);
  m.barcodeEvent = m.Has(S::BarcodeMode);
  m.functionKey = m.Has(S::FunctionKey);
  m.fourPosSwitch = m.Has(S::FourPosSwitch);
  m.prohibitFileAlteration = m.Has(S::ProhibitFileAlteration);
  m.keywordVoiceCommand = m.Has(S::VoiceCommandType);
  m.qualityPlay = m.AcceptsRecordingMode(dpmQualityPlay);
  return m;
}

constexpr RecorderModel Model(LONG type, const char* name, LONG productId, RecorderModel line) {
  line.type = type;
  line.name = name;
  line.productId = productId;
  return Capable(line);
}

// The product lines.
constexpr RecorderModel k9350{.vendorId = kOrvane, .displayModes = 1, .keywordCount = 4, .keywordRows = 10,
                              .instruction = true, .priority = true, .keywordMandatory = true,
                              .limits = kShortTexts, .charset = DisplayCharset::Ascii,
                              .recordingModes = kStandardModes, .settings = SetOf(kCore), .cardMiB = 64};
constexpr RecorderModel k9400 = Adds(With(k9350, [](RecorderModel& m) {
  m.keywordRows = 20;
  m.recordingModes = kTsModes;
  m.cardMiB = 128;
}), kVoiceActivation);
constexpr RecorderModel k92xx = With(k9350, [](RecorderModel& m) {
  m.keywordCount = 2;
  m.keywordRows = 5;
  m.instruction = false;
  m.keywordMandatory = false;
  m.cardMiB = 32;
});
constexpr RecorderModel k9450 = AdvancedDisplay(With(k9400, [](RecorderModel& m) {
  m.keywordCount = 5;
  m.recordingModes = kQualityModes;
  m.charset = DisplayCharset::Latin1;
  m.cardMiB = 256;
}));
constexpr RecorderModel k9850 = Adds(Workflow(With(k9450, [](RecorderModel& m) {
  m.keywordRows = 50;
  m.limits = kLongTexts;
  m.cardMiB = 512;
}), 4), kProtection);
constexpr RecorderModel k6510 = With(k9350, [](RecorderModel& m) {
  m.keywordCount = 3;
  m.instruction = false;
});
constexpr RecorderModel kDpm3 = Controls(VoiceCommands(Workflow(With(k9850, [](RecorderModel& m) { m.cardMiB = 1024; }), 8), 2, 4));
constexpr RecorderModel kDpm4 = Dpm4(VoiceCommands(With(kDpm3, [](RecorderModel& m) {
  m.keywordRows = 100;
  m.cardMiB = 2048;
}), 3, 5));

constexpr RecorderModel kModels[] = {
    Model(0, "DPM_9350_00", 0x0100, k9350),
    Model(1, "DPM_9350_52", 0x0101, Barcode(k9350)),
    Model(2, "DPM_9400_00", 0x0102, k9400),
    Model(3, "DPM_9400_52", 0x0103, Barcode(k9400)),
    Model(4, "DTS_9750", 0x0104, Barcode(Workflow(AdvancedDisplay(With(k9400, [](RecorderModel& m) {
      m.keywordCount = 5;
      m.cardMiB = 256;
    })), 4))),
    Model(5, "DPM_9250", 0x0105, k92xx),
    Model(6, "DPM_9220", 0x0106, With(k92xx, [](RecorderModel& m) {
      m.priority = false;
      m.keywordsReadOnly = true;
    })),
    Model(7, "DPM_9450_00", 0x0107, k9450),
    Model(8, "DPM_9450_52", 0x0108, Barcode(k9450)),
    Model(11, "DPM_9850_00", 0x010B, k9850),
    Model(12, "DPM_9850_52", 0x010C, Barcode(k9850)),
    Model(13, "D_6510_00", 0x010D, k6510),
    Model(14, "D_5610_52", 0x010E, Barcode(k6510)),
    Model(19, "DPM3_9620", 0x0113, Barcode(kDpm3)),
    Model(20, "DPM3_9600", 0x0114, kDpm3),
    Model(26, "DPM4_8000", 0x011A, kDpm4),
    Model(27, "DPM4_8200", 0x011B, Barcode(kDpm4)),
    Model(28, "DPM4_8500", 0x011C, Mp3(With(Barcode(kDpm4), [](RecorderModel& m) {
      m.encryption = true;
      m.cardMiB = 4096;
    }))),
};

}  // namespace

std::span<const RecorderModel> AllRecorderModels() { return kModels; }

const RecorderModel* FindRecorderModel(LONG type) {
  for (const RecorderModel& model : kModels)
    if (model.type == type) return &model;
  return nullptr;
}

const RecorderModel* FindRecorderModelByName(const char* name) {
  if (!name) return nullptr;
  for (const RecorderModel& model : kModels)
    if (std::strcmp(model.name, name) == 0) return &model;
  return nullptr;
}

const RecorderModel& DefaultRecorderModel() { return *FindRecorderModel(27); }

FactoryValue FactoryValueOf(Setting s) {
  for (std::span<const FactoryValue> family : kFamilies)
    for (const FactoryValue& member : family)
      if (member.setting == s) return member;
  return {s};
}
