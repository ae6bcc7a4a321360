// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DpmValueNames.h"

#include <array>

#include "device/DpmValues.h"

// The name is the enumerator's own spelling, so the two cannot drift apart.
#define QV(x) ValueName{x, #x}

namespace value_names {
namespace {
constexpr std::array kPrefixType{QV(dpmPrefixKeyword1), QV(dpmPrefixString)};
constexpr std::array kDateTime{QV(dpmDateTimeAmPm), QV(dpmDateTime24Hours)};
constexpr std::array kAppearance{QV(dpmAppearanceClassic), QV(dpmAppearanceAdvanced)};
constexpr std::array kSensitivity{QV(dpmSensitivityLow), QV(dpmSensitivityMedium), QV(dpmSensitivityHigh)};
constexpr std::array kRecordingMode{QV(dpmStandardPlay), QV(dpmStandardPlaySilComp), QV(dpmLongPlay),
                                    QV(dpmTSLongPlay),   QV(dpmTSLongPlaySilComp),   QV(dpmQualityPlay),
                                    QV(dpmMp3Stereo)};
constexpr std::array kDownloadMode{QV(dpmDownloadOff), QV(dpmDownloadAutomatic), QV(dpmDownloadOnRequest)};
constexpr std::array kDownloadFilter{QV(dpmDownloadAll), QV(dpmDownloadFinished), QV(dpmDownloadPriority),
                                     QV(dpmDownloadNew)};
constexpr std::array kCounterSource{QV(dpmContinueExistingFileCounter), QV(dpmStartNewFileCounter)};
constexpr std::array kRequiredInput{QV(dpmRequiredInputNone), QV(dpmRequiredInputKeywords),
                                    QV(dpmRequiredInputInstruction), QV(dpmRequiredInputUserStrings)};
constexpr std::array kTotalTime{QV(dpmTotalTimeRemaining), QV(dpmTotalTimeRecorded)};
constexpr std::array kScanButton{QV(dpmScanButtonNone),     QV(dpmScanButtonInsert),   QV(dpmScanButtonEndOfLetter),
                                 QV(dpmScanButtonRecord),   QV(dpmScanButtonDelete),   QV(dpmScanButtonDialUp),
                                 QV(dpmScanButtonDialDown), QV(dpmScanButtonDialPress), QV(dpmScanButtonSmart1),
                                 QV(dpmScanButtonSmart2),   QV(dpmScanButtonProgrammable)};
constexpr std::array kVoiceCommand{QV(dpmVoiceCommandAlphanumerics), QV(dpmVoiceCommandWord)};
constexpr std::array kOS{QV(dpmOS_Unknown), QV(dpmOS_W98), QV(dpmOS_W98ME), QV(dpmOS_NT4),
                         QV(dpmOS_W2000),   QV(dpmOS_XP),  QV(dpmOS_LINUX)};
constexpr std::array kBarcodeMode{QV(dpmBarcodeKeyboard), QV(dpmBarcodeEvent)};
constexpr std::array kFunctionKey{
    QV(dpmFunctionKeyNone),         QV(dpmFunctionKeyInsert),          QV(dpmFunctionKeyKeyword1Menu),
    QV(dpmFunctionKeyKeyword2Menu), QV(dpmFunctionKeyKeyword3Menu),    QV(dpmFunctionKeyKeyword4Menu),
    QV(dpmFunctionKeyIndex),        QV(dpmFunctionKeyDeleteDictation), QV(dpmFunctionKeyPriority),
    QV(dpmFunctionKeyEndOfLetter),  QV(dpmFunctionKeyVoiceActivation), QV(dpmFunctionKeyBeep),
    QV(dpmFunctionKeyMute),         QV(dpmFunctionKeyMicSensitivity),  QV(dpmFunctionKeyVoiceCommand),
    QV(dpmFunctionKeyScanBarcode)};
constexpr std::array kFourPos{QV(dpmSwitchOrvane), QV(dpmSwitchInternational), QV(dpmSwitchGrundig),
                              QV(dpmSwitchOrvaneClassic)};
constexpr std::array kSmart{QV(dpmSmartBlank),       QV(dpmSmartKeyword1),    QV(dpmSmartKeyword2),
                            QV(dpmSmartKeyword3),    QV(dpmSmartKeyword4),    QV(dpmSmartPriority),
                            QV(dpmSmartEol),         QV(dpmSmartFileInfo),    QV(dpmSmartProfileMenu),
                            QV(dpmSmartMainMenu),    QV(dpmSmartIndexMarker), QV(dpmSmartInstruction),
                            QV(dpmSmartDeleteFile),  QV(dpmSmartNewFile),     QV(dpmSmartScanBarcode),
                            QV(dpmSmartEditMode),    QV(dpmSmartMuteSpeaker), QV(dpmSmartPlaybackSpeed)};
constexpr std::array kDisplay{QV(dpmDisplayBlank),    QV(dpmDisplayKeyword1), QV(dpmDisplayKeyword2),
                              QV(dpmDisplayKeyword3), QV(dpmDisplayKeyword4), QV(dpmDisplayKeyword5),
                              QV(dpmDisplayBarcode),  QV(dpmDisplayDateTime), QV(dpmDisplayCreationDateTime)};
constexpr std::array kAudioQuality{QV(dpmAudioStandardPlay), QV(dpmAudioQualityPlay), QV(dpmAudioMp3)};
constexpr std::array kMicDirection{QV(dpmMicUniDirectional), QV(dpmMicOmniDirectional)};
#undef QV
}  // namespace

ValueNames None() { return {}; }
ValueNames FileNamePrefixType() { return kPrefixType; }
ValueNames DateTimeFormat() { return kDateTime; }
ValueNames Appearance() { return kAppearance; }
ValueNames MicrophoneSensitivity() { return kSensitivity; }
ValueNames RecordingMode() { return kRecordingMode; }
ValueNames DownloadMode() { return kDownloadMode; }
ValueNames DownloadFilter() { return kDownloadFilter; }
ValueNames FileCounterSource() { return kCounterSource; }
ValueNames RequiredInputType() { return kRequiredInput; }
ValueNames TotalTimeType() { return kTotalTime; }
ValueNames BarcodeScanButton() { return kScanButton; }
ValueNames VoiceCommandType() { return kVoiceCommand; }
ValueNames OS() { return kOS; }
ValueNames BarcodeMode() { return kBarcodeMode; }
ValueNames FunctionKey() { return kFunctionKey; }
ValueNames FourPosSwitch() { return kFourPos; }
ValueNames SmartButtonFunction() { return kSmart; }
ValueNames DisplayContent() { return kDisplay; }
ValueNames AudioQuality() { return kAudioQuality; }
ValueNames MicrophoneDirection() { return kMicDirection; }
}  // namespace value_names

std::string_view NameOfValue(ValueNames names, LONG code) {
  for (const ValueName& entry : names) {
    if (entry.code == code) return entry.name;
  }
  return {};
}

std::optional<LONG> ValueOfName(ValueNames names, std::string_view name) {
  for (const ValueName& entry : names) {
    if (entry.name == name) return entry.code;
  }
  return std::nullopt;
}
