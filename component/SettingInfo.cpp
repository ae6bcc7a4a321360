#include "component/SettingInfo.h"

namespace {

using S = Setting;
using K = SettingKind;

// In Setting order. The ranges are the value codes of the settings dialog's lists and groups.
constexpr SettingInfo kInfos[] = {
    {S::FileNamePrefixString, "FileNamePrefixString", K::Text, 0, 0, false},
    {S::FileNamePrefixType, "FileNamePrefixType", K::Number, 0, 1, false},  // Keyword 1, String
    {S::FileCounter, "FileCounter", K::Number, 0, 9999, false},             // four digits in a file name
    {S::DLSButtonEnabled, "DLSButtonEnabled", K::Flag, 0, 1, false},
    {S::DateTimeFormat, "DateTimeFormat", K::Number, 0, 1, false},  // AM/PM, 24 hours
    {S::DeviceBeep, "DeviceBeep", K::Flag, 0, 1, false},
    {S::RecordingMode, "RecordingMode", K::Number, 0, 17, true},  // 0-4, 6, 17 as the model accepts
    {S::VoiceActivation, "VoiceActivation", K::Flag, 0, 1, false},
    {S::ProtectDevice, "ProtectDevice", K::Flag, 0, 1, false},
    {S::Appearance, "Appearance", K::Number, 0, 1, true},  // below the model's display modes
    {S::DownloadMode, "DownloadMode", K::Number, 0, 2, false},    // off, automatic, on request
    {S::DownloadFilter, "DownloadFilter", K::Number, 0, 3, false},  // all, finished, priority, new
    {S::Keyword1String, "Keyword1String", K::Text, 0, 0, false},
    {S::DeleteFilesAfterDownload, "DeleteFilesAfterDownload", K::Flag, 0, 1, false},
    {S::MicrophoneSensitivity, "MicrophoneSensitivity", K::Number, 0, 2, false},  // low, medium, high
    {S::FileCounterSource, "FileCounterSource", K::Number, 0, 1, false},
    {S::RequiredInputType, "RequiredInputType", K::Number, 0, 3, false},
    {S::TotalTimeType, "TotalTimeType", K::Number, 0, 1, false},
    {S::UserStringCount, "UserStringCount", K::Number, 0, 0, true},  // up to the model's maximum
    {S::DELButtonEnabled, "DELButtonEnabled", K::Flag, 0, 1, false},
    {S::InsertButtonEnabled, "InsertButtonEnabled", K::Flag, 0, 1, false},
    {S::EOLButtonEnabled, "EOLButtonEnabled", K::Flag, 0, 1, false},
    {S::LinkKeywords, "LinkKeywords", K::Flag, 0, 1, false},
    {S::ScanKeywordsFromBarcode, "ScanKeywordsFromBarcode", K::Flag, 0, 1, false},
    {S::BarcodeScanButton, "BarcodeScanButton", K::Number, 0, 10, false},  // None .. Programmable
    {S::OneFile, "OneFile", K::Flag, 0, 1, false},
    {S::RecordNotify, "RecordNotify", K::Flag, 0, 1, false},
    {S::VoiceCommandType, "VoiceCommandType", K::Number, 0, 1, false},  // alphanumerics, word
    {S::OS, "OS", K::Number, 0, 6, false},
    {S::BarcodeMode, "BarcodeMode", K::Number, 0, 1, false},  // keyboard, barcode event
    {S::FunctionKey, "FunctionKey", K::Number, 0, 15, false},
    {S::NoiseReduction, "NoiseReduction", K::Flag, 0, 1, false},
    {S::FourPosSwitch, "FourPosSwitch", K::Number, 0, 3, false},
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
