// The recorder models, one row each. tests/component/ModelCatalogueTest.cpp checks the table: ids
// unique, limits sane, each capability matching the settings the row lists, DPM4 features only from
// type 26 on.
#include <cstring>

#include "component/models/RecorderModel.h"
#include "device/DpmValues.h"

namespace {

using S = Setting;

constexpr LONG kOrvane = 0x0E18;  // the vendor id every Orvane recorder reports

// Settings families. Every model has kCore; the others add what its hardware offers.
constexpr SettingSet kCore = Settings(
    S::FileNamePrefixString, S::FileNamePrefixType, S::FileCounter, S::DLSButtonEnabled,
    S::DateTimeFormat, S::DeviceBeep, S::RecordingMode, S::ProtectDevice, S::Appearance,
    S::DownloadMode, S::DownloadFilter, S::Keyword1String, S::DeleteFilesAfterDownload,
    S::MicrophoneSensitivity, S::FileCounterSource, S::TotalTimeType, S::DELButtonEnabled,
    S::InsertButtonEnabled, S::EOLButtonEnabled, S::RecordNotify, S::OS);
constexpr SettingSet kVoiceActivation = Settings(S::VoiceActivation);
constexpr SettingSet kBarcode = Settings(S::ScanKeywordsFromBarcode, S::BarcodeScanButton, S::BarcodeMode);
constexpr SettingSet kWorkflow = Settings(S::LinkKeywords, S::RequiredInputType, S::UserStringCount,
                                          S::OneFile, S::NoiseReduction, S::RecordLevelInd);
constexpr SettingSet kVoiceCommand = Settings(S::VoiceCommandType);
constexpr SettingSet kControls = Settings(S::FunctionKey, S::FourPosSwitch);
constexpr SettingSet kProtection = Settings(S::ProhibitFileAlteration);
constexpr SettingSet kDpm4Buttons = Settings(S::ProMode, S::PlusButtonEnabled, S::MinusButtonEnabled);

constexpr std::uint32_t kStandardModes = Modes({dpmStandardPlay, dpmStandardPlaySilComp, dpmLongPlay});
constexpr std::uint32_t kTsModes = kStandardModes | Modes({dpmTSLongPlay, dpmTSLongPlaySilComp});
constexpr std::uint32_t kQualityModes = kTsModes | Modes({dpmQualityPlay});
constexpr std::uint32_t kMp3Modes = kQualityModes | Modes({dpmMp3Stereo});

constexpr StringLimits kShortTexts{.prefix = 4, .keywordName = 12, .keywordValue = 16, .barcode = 32};
constexpr StringLimits kLongTexts{.prefix = 4, .keywordName = 16, .keywordValue = 20, .barcode = 64};

constexpr Dpm4Features kNoDpm4{.smartButtons = 0, .displayAreas = 0, .recordingProfiles = 0, .audioQualities = 0};
constexpr Dpm4Features kAdvancedDisplay{.smartButtons = 0, .displayAreas = 1, .recordingProfiles = 0, .audioQualities = 0};
constexpr std::uint32_t kProfileQualities = Modes({dpmAudioStandardPlay, dpmAudioQualityPlay});
constexpr std::uint32_t kProfileMp3Qualities = kProfileQualities | Modes({dpmAudioMp3});
constexpr Dpm4Features kDpm4{.smartButtons = kDpmSmartButtons, .displayAreas = kDpmDisplayAreas,
                             .recordingProfiles = kDpmRecordingProfiles, .audioQualities = kProfileQualities};
constexpr Dpm4Features kDpm4Mp3{.smartButtons = kDpmSmartButtons, .displayAreas = kDpmDisplayAreas,
                                .recordingProfiles = kDpmRecordingProfiles, .audioQualities = kProfileMp3Qualities};

constexpr RecorderModel kModels[] = {
  {.type = 0, .name = "DPM_9350_00", .vendorId = kOrvane, .productId = 0x0100, .displayModes = 1,
   .keywordCount = 4, .keywordRows = 10, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = false,
   .qualityPlay = false, .barcodeEvent = false, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kStandardModes, .settings = kCore,
   .dpm4 = kNoDpm4, .cardMiB = 64},
  {.type = 1, .name = "DPM_9350_52", .vendorId = kOrvane, .productId = 0x0101, .displayModes = 1,
   .keywordCount = 4, .keywordRows = 10, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = true,
   .qualityPlay = false, .barcodeEvent = true, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kStandardModes, .settings = kCore | kBarcode,
   .dpm4 = kNoDpm4, .cardMiB = 64},
  {.type = 2, .name = "DPM_9400_00", .vendorId = kOrvane, .productId = 0x0102, .displayModes = 1,
   .keywordCount = 4, .keywordRows = 20, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = false,
   .qualityPlay = false, .barcodeEvent = false, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kTsModes, .settings = kCore | kVoiceActivation,
   .dpm4 = kNoDpm4, .cardMiB = 128},
  {.type = 3, .name = "DPM_9400_52", .vendorId = kOrvane, .productId = 0x0103, .displayModes = 1,
   .keywordCount = 4, .keywordRows = 20, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = true,
   .qualityPlay = false, .barcodeEvent = true, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kTsModes,
   .settings = kCore | kVoiceActivation | kBarcode, .dpm4 = kNoDpm4, .cardMiB = 128},
  {.type = 4, .name = "DTS_9750", .vendorId = kOrvane, .productId = 0x0104, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 20, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 4, .linkKeywords = true, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = true,
   .qualityPlay = false, .barcodeEvent = true, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kTsModes,
   .settings = kCore | kVoiceActivation | kBarcode | kWorkflow, .dpm4 = kAdvancedDisplay, .cardMiB = 256},
  {.type = 5, .name = "DPM_9250", .vendorId = kOrvane, .productId = 0x0105, .displayModes = 1,
   .keywordCount = 2, .keywordRows = 5, .instruction = false, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = false, .keywordMandatory = false,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = false,
   .qualityPlay = false, .barcodeEvent = false, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kStandardModes, .settings = kCore,
   .dpm4 = kNoDpm4, .cardMiB = 32},
  {.type = 6, .name = "DPM_9220", .vendorId = kOrvane, .productId = 0x0106, .displayModes = 1,
   .keywordCount = 2, .keywordRows = 5, .instruction = false, .priority = false, .keywordsReadOnly = true,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = false, .keywordMandatory = false,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = false,
   .qualityPlay = false, .barcodeEvent = false, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kStandardModes, .settings = kCore,
   .dpm4 = kNoDpm4, .cardMiB = 32},
  {.type = 7, .name = "DPM_9450_00", .vendorId = kOrvane, .productId = 0x0107, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 20, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = false,
   .qualityPlay = true, .barcodeEvent = false, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes, .settings = kCore | kVoiceActivation,
   .dpm4 = kAdvancedDisplay, .cardMiB = 256},
  {.type = 8, .name = "DPM_9450_52", .vendorId = kOrvane, .productId = 0x0108, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 20, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = true,
   .qualityPlay = true, .barcodeEvent = true, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes,
   .settings = kCore | kVoiceActivation | kBarcode, .dpm4 = kAdvancedDisplay, .cardMiB = 256},
  {.type = 11, .name = "DPM_9850_00", .vendorId = kOrvane, .productId = 0x010B, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 50, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 4, .linkKeywords = true, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = false,
   .qualityPlay = true, .barcodeEvent = false, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = true, .fourPosSwitch = false, .limits = kLongTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes,
   .settings = kCore | kVoiceActivation | kWorkflow | kProtection, .dpm4 = kAdvancedDisplay, .cardMiB = 512},
  {.type = 12, .name = "DPM_9850_52", .vendorId = kOrvane, .productId = 0x010C, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 50, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 4, .linkKeywords = true, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = true,
   .qualityPlay = true, .barcodeEvent = true, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = true, .fourPosSwitch = false, .limits = kLongTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes,
   .settings = kCore | kVoiceActivation | kBarcode | kWorkflow | kProtection, .dpm4 = kAdvancedDisplay,
   .cardMiB = 512},
  {.type = 13, .name = "D_6510_00", .vendorId = kOrvane, .productId = 0x010D, .displayModes = 1,
   .keywordCount = 3, .keywordRows = 10, .instruction = false, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = false,
   .qualityPlay = false, .barcodeEvent = false, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kStandardModes, .settings = kCore,
   .dpm4 = kNoDpm4, .cardMiB = 64},
  {.type = 14, .name = "D_5610_52", .vendorId = kOrvane, .productId = 0x010E, .displayModes = 1,
   .keywordCount = 3, .keywordRows = 10, .instruction = false, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = false, .userStringMax = 0, .linkKeywords = false, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = false, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 0, .maxVoiceCommandsWord = 0, .setBarcodeScanButton = true,
   .qualityPlay = false, .barcodeEvent = true, .functionKey = false, .encryption = false, .security = false,
   .prohibitFileAlteration = false, .fourPosSwitch = false, .limits = kShortTexts,
   .charset = DisplayCharset::Ascii, .recordingModes = kStandardModes, .settings = kCore | kBarcode,
   .dpm4 = kNoDpm4, .cardMiB = 64},
  {.type = 19, .name = "DPM3_9620", .vendorId = kOrvane, .productId = 0x0113, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 50, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 8, .linkKeywords = true, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = true, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 2, .maxVoiceCommandsWord = 4, .setBarcodeScanButton = true,
   .qualityPlay = true, .barcodeEvent = true, .functionKey = true, .encryption = false, .security = true,
   .prohibitFileAlteration = true, .fourPosSwitch = true, .limits = kLongTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes,
   .settings = kCore | kVoiceActivation | kBarcode | kWorkflow | kVoiceCommand | kControls | kProtection,
   .dpm4 = kAdvancedDisplay, .cardMiB = 1024},
  {.type = 20, .name = "DPM3_9600", .vendorId = kOrvane, .productId = 0x0114, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 50, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 8, .linkKeywords = true, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = true, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 2, .maxVoiceCommandsWord = 4, .setBarcodeScanButton = false,
   .qualityPlay = true, .barcodeEvent = false, .functionKey = true, .encryption = false, .security = true,
   .prohibitFileAlteration = true, .fourPosSwitch = true, .limits = kLongTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes,
   .settings = kCore | kVoiceActivation | kWorkflow | kVoiceCommand | kControls | kProtection,
   .dpm4 = kAdvancedDisplay, .cardMiB = 1024},
  {.type = 26, .name = "DPM4_8000", .vendorId = kOrvane, .productId = 0x011A, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 100, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 8, .linkKeywords = true, .scanKeywordsFromBarcode = false,
   .keywordBarcodeScan = false, .keywordVoiceCommand = true, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 3, .maxVoiceCommandsWord = 5, .setBarcodeScanButton = false,
   .qualityPlay = true, .barcodeEvent = false, .functionKey = true, .encryption = false, .security = true,
   .prohibitFileAlteration = true, .fourPosSwitch = true, .limits = kLongTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes,
   .settings = kCore | kVoiceActivation | kWorkflow | kVoiceCommand | kControls | kProtection | kDpm4Buttons,
   .dpm4 = kDpm4, .cardMiB = 2048},
  {.type = 27, .name = "DPM4_8200", .vendorId = kOrvane, .productId = 0x011B, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 100, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 8, .linkKeywords = true, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = true, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 3, .maxVoiceCommandsWord = 5, .setBarcodeScanButton = true,
   .qualityPlay = true, .barcodeEvent = true, .functionKey = true, .encryption = false, .security = true,
   .prohibitFileAlteration = true, .fourPosSwitch = true, .limits = kLongTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kQualityModes,
   .settings = kCore | kVoiceActivation | kBarcode | kWorkflow | kVoiceCommand | kControls | kProtection |
               kDpm4Buttons,
   .dpm4 = kDpm4, .cardMiB = 2048},
  {.type = 28, .name = "DPM4_8500", .vendorId = kOrvane, .productId = 0x011C, .displayModes = 2,
   .keywordCount = 5, .keywordRows = 100, .instruction = true, .priority = true, .keywordsReadOnly = false,
   .requiredInputType = true, .userStringMax = 8, .linkKeywords = true, .scanKeywordsFromBarcode = true,
   .keywordBarcodeScan = true, .keywordVoiceCommand = true, .keywordMandatory = true,
   .maxVoiceCommandsAlphanumeric = 3, .maxVoiceCommandsWord = 5, .setBarcodeScanButton = true,
   .qualityPlay = true, .barcodeEvent = true, .functionKey = true, .encryption = true, .security = true,
   .prohibitFileAlteration = true, .fourPosSwitch = true, .limits = kLongTexts,
   .charset = DisplayCharset::Latin1, .recordingModes = kMp3Modes,
   .settings = kCore | kVoiceActivation | kBarcode | kWorkflow | kVoiceCommand | kControls | kProtection |
               kDpm4Buttons,
   .dpm4 = kDpm4Mp3, .cardMiB = 4096},
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
