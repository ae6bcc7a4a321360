// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scalar settings of IDPMDeviceSettings, one row each. Everything that lists them (the component's
// settings object and its checks, the settings-file keys, the command-line tool's catalogue, the test
// spy) expands this table, so a new setting is one row here plus its accessors in the interface.
//
// DPM_SCALAR_SETTINGS(X) calls X(name, kind, names, min, max, range) per setting, in the interface's order:
//   name   the property: get_<name> and put_<name> on the interface, and the key in settings files
//   kind   Text (BSTR), Flag (VARIANT_BOOL), Number (LONG), or IndexedNumber (LONG behind an index the
//          program always passes as 0)
//   names  the value_names table that names the codes, or None
//   min, max   the values every recorder accepts (numbers only)
//   range  Fixed, or Model where the recorder model narrows min..max further
#include <cstddef>
#include <iterator>

#include "device/DpmValueNames.h"
#include "device/DpmValues.h"

#define DPM_SCALAR_SETTINGS(X)                                                                             \
  X(FileNamePrefixString, Text, None, 0, 0, Fixed)                                                         \
  X(FileNamePrefixType, Number, FileNamePrefixType, dpmPrefixKeyword1, dpmPrefixString, Fixed)             \
  X(FileCounter, Number, None, 0, 9999, Fixed) /* four digits in a file name */                            \
  X(DLSButtonEnabled, Flag, None, 0, 1, Fixed)                                                             \
  X(DateTimeFormat, Number, DateTimeFormat, dpmDateTimeAmPm, dpmDateTime24Hours, Fixed)                    \
  X(DeviceBeep, Flag, None, 0, 1, Fixed)                                                                   \
  X(RecordingMode, Number, RecordingMode, dpmStandardPlay, dpmMp3Stereo, Model)                            \
  X(VoiceActivation, Flag, None, 0, 1, Fixed)                                                              \
  X(ProtectDevice, Flag, None, 0, 1, Fixed)                                                                \
  X(Appearance, Number, Appearance, dpmAppearanceClassic, dpmAppearanceAdvanced, Model)                    \
  X(DownloadMode, Number, DownloadMode, dpmDownloadOff, dpmDownloadOnRequest, Fixed)                       \
  X(DownloadFilter, Number, DownloadFilter, dpmDownloadAll, dpmDownloadNew, Fixed)                         \
  X(Keyword1String, Text, None, 0, 0, Fixed)                                                               \
  X(DeleteFilesAfterDownload, Flag, None, 0, 1, Fixed)                                                     \
  X(MicrophoneSensitivity, Number, MicrophoneSensitivity, dpmSensitivityLow, dpmSensitivityHigh, Fixed)    \
  X(FileCounterSource, Number, FileCounterSource, dpmContinueExistingFileCounter, dpmStartNewFileCounter,  \
    Fixed)                                                                                                 \
  X(RequiredInputType, Number, RequiredInputType, dpmRequiredInputNone, dpmRequiredInputUserStrings, Fixed) \
  X(TotalTimeType, Number, TotalTimeType, dpmTotalTimeRemaining, dpmTotalTimeRecorded, Fixed)              \
  X(UserStringCount, Number, None, 0, 0, Model) /* up to the model's maximum */                            \
  X(DELButtonEnabled, Flag, None, 0, 1, Fixed)                                                             \
  X(InsertButtonEnabled, Flag, None, 0, 1, Fixed)                                                          \
  X(EOLButtonEnabled, Flag, None, 0, 1, Fixed)                                                             \
  X(LinkKeywords, Flag, None, 0, 1, Fixed)                                                                 \
  X(ScanKeywordsFromBarcode, Flag, None, 0, 1, Fixed)                                                      \
  X(BarcodeScanButton, Number, BarcodeScanButton, dpmScanButtonNone, dpmScanButtonProgrammable, Fixed)     \
  X(OneFile, Flag, None, 0, 1, Fixed)                                                                      \
  X(RecordNotify, Flag, None, 0, 1, Fixed)                                                                 \
  X(VoiceCommandType, IndexedNumber, VoiceCommandType, dpmVoiceCommandAlphanumerics, dpmVoiceCommandWord,  \
    Fixed)                                                                                                 \
  X(OS, Number, OS, dpmOS_Unknown, dpmOS_LINUX, Fixed)                                                     \
  X(BarcodeMode, Number, BarcodeMode, dpmBarcodeKeyboard, dpmBarcodeEvent, Fixed)                          \
  X(FunctionKey, Number, FunctionKey, dpmFunctionKeyNone, dpmFunctionKeyScanBarcode, Fixed)                \
  X(NoiseReduction, Flag, None, 0, 1, Fixed)                                                               \
  X(FourPosSwitch, Number, FourPosSwitch, dpmSwitchOrvane, dpmSwitchOrvaneClassic, Fixed)                  \
  X(RecordLevelInd, Flag, None, 0, 1, Fixed)                                                               \
  X(ProhibitFileAlteration, Flag, None, 0, 1, Fixed)                                                       \
  X(ProMode, Flag, None, 0, 1, Fixed)                                                                      \
  X(PlusButtonEnabled, Flag, None, 0, 1, Fixed)                                                            \
  X(MinusButtonEnabled, Flag, None, 0, 1, Fixed)

// The automation type of each kind, for expansions that declare accessors.
#define DPM_SETTING_TYPE_Text BSTR
#define DPM_SETTING_TYPE_Flag VARIANT_BOOL
#define DPM_SETTING_TYPE_Number LONG
#define DPM_SETTING_TYPE_IndexedNumber LONG

enum class DpmSetting : unsigned {
#define DPM_SETTING_ENUMERATOR(name, ...) name,
  DPM_SCALAR_SETTINGS(DPM_SETTING_ENUMERATOR)
#undef DPM_SETTING_ENUMERATOR
  Count
};

// An indexed number reads as a number; only its accessors differ.
enum class SettingKind { Number, Flag, Text };

struct SettingSchema {
  DpmSetting id;
  const char* name;
  SettingKind kind;
  ValueNames (*names)();
  LONG min;   // numbers only
  LONG max;   // numbers only
  bool modelRange;
  bool indexed;
};

namespace setting_schema_detail {
constexpr SettingKind KindText = SettingKind::Text;
constexpr SettingKind KindFlag = SettingKind::Flag;
constexpr SettingKind KindNumber = SettingKind::Number;
constexpr SettingKind KindIndexedNumber = SettingKind::Number;
constexpr bool IndexedText = false;
constexpr bool IndexedFlag = false;
constexpr bool IndexedNumber = false;
constexpr bool IndexedIndexedNumber = true;
constexpr bool RangeFixed = false;
constexpr bool RangeModel = true;
}  // namespace setting_schema_detail

inline constexpr SettingSchema kSettingSchema[] = {
#define DPM_SETTING_ROW(name, kind, names, min, max, range)                                                  \
  {DpmSetting::name,      #name, setting_schema_detail::Kind##kind, value_names::names, min, max,            \
   setting_schema_detail::Range##range, setting_schema_detail::Indexed##kind},
    DPM_SCALAR_SETTINGS(DPM_SETTING_ROW)
#undef DPM_SETTING_ROW
};
static_assert(std::size(kSettingSchema) == static_cast<std::size_t>(DpmSetting::Count));

constexpr const SettingSchema& SchemaOf(DpmSetting s) { return kSettingSchema[static_cast<std::size_t>(s)]; }
