#pragma once
// The scalar settings of a recorder, one bit each, so a model can list the ones it has. The keyword
// table and the DPM4 record are described separately (RecorderModel).
#include <cstdint>

enum class Setting : unsigned {
  FileNamePrefixString,
  FileNamePrefixType,
  FileCounter,
  DLSButtonEnabled,
  DateTimeFormat,
  DeviceBeep,
  RecordingMode,
  VoiceActivation,
  ProtectDevice,
  Appearance,
  DownloadMode,
  DownloadFilter,
  Keyword1String,
  DeleteFilesAfterDownload,
  MicrophoneSensitivity,
  FileCounterSource,
  RequiredInputType,
  TotalTimeType,
  UserStringCount,
  DELButtonEnabled,
  InsertButtonEnabled,
  EOLButtonEnabled,
  LinkKeywords,
  ScanKeywordsFromBarcode,
  BarcodeScanButton,
  OneFile,
  RecordNotify,
  VoiceCommandType,
  OS,
  BarcodeMode,
  FunctionKey,
  NoiseReduction,
  FourPosSwitch,
  RecordLevelInd,
  ProhibitFileAlteration,
  ProMode,
  PlusButtonEnabled,
  MinusButtonEnabled,
  Count
};

using SettingSet = std::uint64_t;

constexpr SettingSet Bit(Setting s) { return SettingSet{1} << static_cast<unsigned>(s); }

template <class... S>
constexpr SettingSet Settings(S... s) {
  return (Bit(s) | ...);
}

constexpr bool Has(SettingSet set, Setting s) { return (set & Bit(s)) != 0; }
