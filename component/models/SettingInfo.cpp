#include "component/models/SettingInfo.h"

#include "device/DpmValues.h"

namespace {

using S = Setting;
using K = SettingKind;

// In Setting order. The ranges run from the first to the last value code of each list (DpmValues.h).
constexpr SettingInfo kInfos[] = {
    {S::FileNamePrefixString, "FileNamePrefixString", K::Text, 0, 0, false},
    {S::FileNamePrefixType, "FileNamePrefixType", K::Number, dpmPrefixKeyword1, dpmPrefixString, false},
    {S::FileCounter, "FileCounter", K::Number, 0, 9999, false},             // four digits in a file name
    {S::DLSButtonEnabled, "DLSButtonEnabled", K::Flag, 0, 1, false},
    {S::DateTimeFormat, "DateTimeFormat", K::Number, dpmDateTimeAmPm, dpmDateTime24Hours, false},
    {S::DeviceBeep, "DeviceBeep", K::Flag, 0, 1, false},
    {S::RecordingMode, "RecordingMode", K::Number, dpmStandardPlay, dpmMp3Stereo, true},  // as the model accepts
    {S::VoiceActivation, "VoiceActivation", K::Flag, 0, 1, false},
    {S::ProtectDevice, "ProtectDevice", K::Flag, 0, 1, false},
    {S::Appearance, "Appearance", K::Number, dpmAppearanceClassic, dpmAppearanceAdvanced, true},  // the model's display modes
    {S::DownloadMode, "DownloadMode", K::Number, dpmDownloadOff, dpmDownloadOnRequest, false},
    {S::DownloadFilter, "DownloadFilter", K::Number, dpmDownloadAll, dpmDownloadNew, false},
    {S::Keyword1String, "Keyword1String", K::Text, 0, 0, false},
    {S::DeleteFilesAfterDownload, "DeleteFilesAfterDownload", K::Flag, 0, 1, false},
    {S::MicrophoneSensitivity, "MicrophoneSensitivity", K::Number, dpmSensitivityLow, dpmSensitivityHigh, false},
    {S::FileCounterSource, "FileCounterSource", K::Number, dpmContinueExistingFileCounter, dpmStartNewFileCounter, false},
    {S::RequiredInputType, "RequiredInputType", K::Number, dpmRequiredInputNone, dpmRequiredInputUserStrings, false},
    {S::TotalTimeType, "TotalTimeType", K::Number, dpmTotalTimeRemaining, dpmTotalTimeRecorded, false},
    {S::UserStringCount, "UserStringCount", K::Number, 0, 0, true},  // up to the model's maximum
    {S::DELButtonEnabled, "DELButtonEnabled", K::Flag, 0, 1, false},
    {S::InsertButtonEnabled, "InsertButtonEnabled", K::Flag, 0, 1, false},
    {S::EOLButtonEnabled, "EOLButtonEnabled", K::Flag, 0, 1, false},
    {S::LinkKeywords, "LinkKeywords", K::Flag, 0, 1, false},
    {S::ScanKeywordsFromBarcode, "ScanKeywordsFromBarcode", K::Flag, 0, 1, false},
    {S::BarcodeScanButton, "BarcodeScanButton", K::Number, dpmScanButtonNone, dpmScanButtonProgrammable, false},
    {S::OneFile, "OneFile", K::Flag, 0, 1, false},
    {S::RecordNotify, "RecordNotify", K::Flag, 0, 1, false},
    {S::VoiceCommandType, "VoiceCommandType", K::Number, dpmVoiceCommandAlphanumerics, dpmVoiceCommandWord, false},
    {S::OS, "OS", K::Number, dpmOS_Unknown, dpmOS_LINUX, false},
    {S::BarcodeMode, "BarcodeMode", K::Number, dpmBarcodeKeyboard, dpmBarcodeEvent, false},
    {S::FunctionKey, "FunctionKey", K::Number, dpmFunctionKeyNone, dpmFunctionKeyScanBarcode, false},
    {S::NoiseReduction, "NoiseReduction", K::Flag, 0, 1, false},
    {S::FourPosSwitch, "FourPosSwitch", K::Number, dpmSwitchOrvane, dpmSwitchOrvaneClassic, false},
    {S::RecordLevelInd, "RecordLevelInd", K::Flag, 0, 1, false},
    {S::ProhibitFileAlteration, "ProhibitFileAlteration", K::Flag, 0, 1, false},
    {S::ProMode, "ProMode", K::Flag, 0, 1, false},
    {S::PlusButtonEnabled, "PlusButtonEnabled", K::Flag, 0, 1, false},
    {S::MinusButtonEnabled, "MinusButtonEnabled", K::Flag, 0, 1, false},
};
static_assert(std::size(kInfos) == static_cast<size_t>(Setting::Count));

}  // namespace

std::span<const SettingInfo> AllSettingInfos() { return kInfos; }

const SettingInfo& InfoOf(Setting s) { return kInfos[static_cast<size_t>(s)]; }
