#include "component/ValueNames.h"

#include "device/DpmValues.h"

namespace {

// The name is the enumerator's own spelling, so the two cannot drift apart.
#define NAMED(code) NamedValue{code, #code}

constexpr NamedValue kPrefixTypes[] = {NAMED(dpmPrefixKeyword1), NAMED(dpmPrefixString)};
constexpr NamedValue kDateTimeFormats[] = {NAMED(dpmDateTimeAmPm), NAMED(dpmDateTime24Hours)};
constexpr NamedValue kAppearances[] = {NAMED(dpmAppearanceClassic), NAMED(dpmAppearanceAdvanced)};
constexpr NamedValue kSensitivities[] = {NAMED(dpmSensitivityLow), NAMED(dpmSensitivityMedium),
                                         NAMED(dpmSensitivityHigh)};
constexpr NamedValue kRecordingModes[] = {NAMED(dpmStandardPlay), NAMED(dpmStandardPlaySilComp), NAMED(dpmLongPlay),
                                          NAMED(dpmTSLongPlay),   NAMED(dpmTSLongPlaySilComp),  NAMED(dpmQualityPlay),
                                          NAMED(dpmMp3Stereo)};
constexpr NamedValue kDownloadModes[] = {NAMED(dpmDownloadOff), NAMED(dpmDownloadAutomatic),
                                         NAMED(dpmDownloadOnRequest)};
constexpr NamedValue kDownloadFilters[] = {NAMED(dpmDownloadAll), NAMED(dpmDownloadFinished),
                                           NAMED(dpmDownloadPriority), NAMED(dpmDownloadNew)};
constexpr NamedValue kCounterSources[] = {NAMED(dpmContinueExistingFileCounter), NAMED(dpmStartNewFileCounter)};
constexpr NamedValue kRequiredInputs[] = {NAMED(dpmRequiredInputNone), NAMED(dpmRequiredInputKeywords),
                                          NAMED(dpmRequiredInputInstruction), NAMED(dpmRequiredInputUserStrings)};
constexpr NamedValue kTotalTimeTypes[] = {NAMED(dpmTotalTimeRemaining), NAMED(dpmTotalTimeRecorded)};
constexpr NamedValue kScanButtons[] = {
    NAMED(dpmScanButtonNone),     NAMED(dpmScanButtonInsert),   NAMED(dpmScanButtonEndOfLetter),
    NAMED(dpmScanButtonRecord),   NAMED(dpmScanButtonDelete),   NAMED(dpmScanButtonDialUp),
    NAMED(dpmScanButtonDialDown), NAMED(dpmScanButtonDialPress), NAMED(dpmScanButtonSmart1),
    NAMED(dpmScanButtonSmart2),   NAMED(dpmScanButtonProgrammable)};
constexpr NamedValue kVoiceCommandTypes[] = {NAMED(dpmVoiceCommandAlphanumerics), NAMED(dpmVoiceCommandWord)};
constexpr NamedValue kOperatingSystems[] = {NAMED(dpmOS_Unknown), NAMED(dpmOS_W98), NAMED(dpmOS_W98ME),
                                            NAMED(dpmOS_NT4),     NAMED(dpmOS_W2000), NAMED(dpmOS_XP),
                                            NAMED(dpmOS_LINUX)};
constexpr NamedValue kBarcodeModes[] = {NAMED(dpmBarcodeKeyboard), NAMED(dpmBarcodeEvent)};
constexpr NamedValue kFunctionKeys[] = {
    NAMED(dpmFunctionKeyNone),          NAMED(dpmFunctionKeyInsert),         NAMED(dpmFunctionKeyKeyword1Menu),
    NAMED(dpmFunctionKeyKeyword2Menu),  NAMED(dpmFunctionKeyKeyword3Menu),   NAMED(dpmFunctionKeyKeyword4Menu),
    NAMED(dpmFunctionKeyIndex),         NAMED(dpmFunctionKeyDeleteDictation), NAMED(dpmFunctionKeyPriority),
    NAMED(dpmFunctionKeyEndOfLetter),   NAMED(dpmFunctionKeyVoiceActivation), NAMED(dpmFunctionKeyBeep),
    NAMED(dpmFunctionKeyMute),          NAMED(dpmFunctionKeyMicSensitivity), NAMED(dpmFunctionKeyVoiceCommand),
    NAMED(dpmFunctionKeyScanBarcode)};
constexpr NamedValue kSwitchLayouts[] = {NAMED(dpmSwitchOrvane), NAMED(dpmSwitchInternational),
                                         NAMED(dpmSwitchGrundig), NAMED(dpmSwitchOrvaneClassic)};
constexpr NamedValue kSmartFunctions[] = {
    NAMED(dpmSmartBlank),       NAMED(dpmSmartKeyword1),     NAMED(dpmSmartKeyword2),    NAMED(dpmSmartKeyword3),
    NAMED(dpmSmartKeyword4),    NAMED(dpmSmartPriority),     NAMED(dpmSmartEol),         NAMED(dpmSmartFileInfo),
    NAMED(dpmSmartProfileMenu), NAMED(dpmSmartMainMenu),     NAMED(dpmSmartIndexMarker), NAMED(dpmSmartInstruction),
    NAMED(dpmSmartDeleteFile),  NAMED(dpmSmartNewFile),      NAMED(dpmSmartScanBarcode), NAMED(dpmSmartEditMode),
    NAMED(dpmSmartMuteSpeaker), NAMED(dpmSmartPlaybackSpeed)};
constexpr NamedValue kDisplayContents[] = {
    NAMED(dpmDisplayBlank),    NAMED(dpmDisplayKeyword1), NAMED(dpmDisplayKeyword2),
    NAMED(dpmDisplayKeyword3), NAMED(dpmDisplayKeyword4), NAMED(dpmDisplayKeyword5),
    NAMED(dpmDisplayBarcode),  NAMED(dpmDisplayDateTime), NAMED(dpmDisplayCreationDateTime)};
constexpr NamedValue kAudioQualities[] = {NAMED(dpmAudioStandardPlay), NAMED(dpmAudioQualityPlay), NAMED(dpmAudioMp3)};
constexpr NamedValue kMicDirections[] = {NAMED(dpmMicUniDirectional), NAMED(dpmMicOmniDirectional)};

#undef NAMED

const char* Find(std::span<const NamedValue> names, LONG value) {
  for (const NamedValue& named : names)
    if (named.value == value) return named.name;
  return nullptr;
}

}  // namespace

std::span<const NamedValue> NamedValuesOf(Setting s) {
  switch (s) {
    case Setting::FileNamePrefixType: return kPrefixTypes;
    case Setting::DateTimeFormat: return kDateTimeFormats;
    case Setting::Appearance: return kAppearances;
    case Setting::MicrophoneSensitivity: return kSensitivities;
    case Setting::RecordingMode: return kRecordingModes;
    case Setting::DownloadMode: return kDownloadModes;
    case Setting::DownloadFilter: return kDownloadFilters;
    case Setting::FileCounterSource: return kCounterSources;
    case Setting::RequiredInputType: return kRequiredInputs;
    case Setting::TotalTimeType: return kTotalTimeTypes;
    case Setting::BarcodeScanButton: return kScanButtons;
    case Setting::VoiceCommandType: return kVoiceCommandTypes;
    case Setting::OS: return kOperatingSystems;
    case Setting::BarcodeMode: return kBarcodeModes;
    case Setting::FunctionKey: return kFunctionKeys;
    case Setting::FourPosSwitch: return kSwitchLayouts;
    default: return {};
  }
}

const char* ValueName(Setting s, LONG value) { return Find(NamedValuesOf(s), value); }

const char* SmartButtonFunctionName(LONG code) { return Find(kSmartFunctions, code); }
const char* DisplayContentName(LONG code) { return Find(kDisplayContents, code); }
const char* AudioQualityName(LONG code) { return Find(kAudioQualities, code); }
const char* SensitivityName(LONG code) { return Find(kSensitivities, code); }
const char* MicDirectionName(LONG code) { return Find(kMicDirections, code); }
