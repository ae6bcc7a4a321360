// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value codes of the settings, as the settings object takes and gives them. The program's lists
// and radio groups are in this order, and the component checks against the same numbers.
#include "platform/automation/Types.h"

// Device types from this one on are DPM4 recorders: smart buttons, display areas, recording profiles.
inline constexpr LONG kFirstDpm4DeviceType = 26;

enum DpmFileNamePrefixType : LONG { dpmPrefixKeyword1 = 0, dpmPrefixString = 1 };

enum DpmDateTimeFormat : LONG { dpmDateTimeAmPm = 0, dpmDateTime24Hours = 1 };

enum DpmAppearance : LONG { dpmAppearanceClassic = 0, dpmAppearanceAdvanced = 1 };

enum DpmMicrophoneSensitivity : LONG { dpmSensitivityLow = 0, dpmSensitivityMedium = 1, dpmSensitivityHigh = 2 };

// 5 and 7 to 16 are not recording modes.
enum DpmRecordingMode : LONG {
  dpmStandardPlay = 0,
  dpmStandardPlaySilComp = 1,
  dpmLongPlay = 2,
  dpmTSLongPlay = 3,
  dpmTSLongPlaySilComp = 4,
  dpmQualityPlay = 6,
  dpmMp3Stereo = 17,
};

// The formats of IDPMControl::Convert and Decrypt, in the order of the program's conversion list.
enum DpmConvertFormat : LONG {
  dpmConvertPcm16kHz = 0,  // PCM WAV, 16 kHz 16-bit mono
  dpmConvertPcm8kHz = 1,   // PCM WAV, 8 kHz 16-bit mono
  dpmConvertOrvaneCelp16kHz = 2,
  dpmConvertOrvaneCelp8kHz = 3,
  dpmConvertSycomCelp11kHz = 4,
  dpmConvertCustom = 5,  // the format last given to put_CustomFormat
};

enum DpmDownloadMode : LONG { dpmDownloadOff = 0, dpmDownloadAutomatic = 1, dpmDownloadOnRequest = 2 };

enum DpmDownloadFilter : LONG {
  dpmDownloadAll = 0,
  dpmDownloadFinished = 1,
  dpmDownloadPriority = 2,
  dpmDownloadNew = 3,
};

enum DpmFileCounterSource : LONG { dpmContinueExistingFileCounter = 0, dpmStartNewFileCounter = 1 };

enum DpmRequiredInputType : LONG {
  dpmRequiredInputNone = 0,
  dpmRequiredInputKeywords = 1,
  dpmRequiredInputInstruction = 2,
  dpmRequiredInputUserStrings = 3,
};

enum DpmTotalTimeType : LONG { dpmTotalTimeRemaining = 0, dpmTotalTimeRecorded = 1 };

enum DpmBarcodeScanButton : LONG {
  dpmScanButtonNone = 0,
  dpmScanButtonInsert = 1,
  dpmScanButtonEndOfLetter = 2,
  dpmScanButtonRecord = 3,
  dpmScanButtonDelete = 4,
  dpmScanButtonDialUp = 5,
  dpmScanButtonDialDown = 6,
  dpmScanButtonDialPress = 7,
  dpmScanButtonSmart1 = 8,
  dpmScanButtonSmart2 = 9,
  dpmScanButtonProgrammable = 10,
};

enum DpmVoiceCommandType : LONG { dpmVoiceCommandAlphanumerics = 0, dpmVoiceCommandWord = 1 };

enum DpmOS : LONG {
  dpmOS_Unknown = 0,
  dpmOS_W98 = 1,
  dpmOS_W98ME = 2,
  dpmOS_NT4 = 3,
  dpmOS_W2000 = 4,
  dpmOS_XP = 5,
  dpmOS_LINUX = 6,
};

enum DpmBarcodeMode : LONG { dpmBarcodeKeyboard = 0, dpmBarcodeEvent = 1 };

enum DpmFunctionKey : LONG {
  dpmFunctionKeyNone = 0,
  dpmFunctionKeyInsert = 1,
  dpmFunctionKeyKeyword1Menu = 2,
  dpmFunctionKeyKeyword2Menu = 3,
  dpmFunctionKeyKeyword3Menu = 4,
  dpmFunctionKeyKeyword4Menu = 5,
  dpmFunctionKeyIndex = 6,
  dpmFunctionKeyDeleteDictation = 7,
  dpmFunctionKeyPriority = 8,
  dpmFunctionKeyEndOfLetter = 9,
  dpmFunctionKeyVoiceActivation = 10,
  dpmFunctionKeyBeep = 11,
  dpmFunctionKeyMute = 12,
  dpmFunctionKeyMicSensitivity = 13,
  dpmFunctionKeyVoiceCommand = 14,
  dpmFunctionKeyScanBarcode = 15,
};

enum DpmFourPosSwitch : LONG {
  dpmSwitchOrvane = 0,
  dpmSwitchInternational = 1,
  dpmSwitchGrundig = 2,
  dpmSwitchOrvaneClassic = 3,
};

// DPM4 smart buttons: what a button does in a recorder state.
enum DpmSmartButtonFunction : LONG {
  dpmSmartBlank = 0,
  dpmSmartKeyword1 = 1,
  dpmSmartKeyword2 = 2,
  dpmSmartKeyword3 = 3,
  dpmSmartKeyword4 = 4,
  dpmSmartPriority = 5,
  dpmSmartEol = 6,
  dpmSmartFileInfo = 7,
  dpmSmartProfileMenu = 8,
  dpmSmartMainMenu = 9,
  dpmSmartIndexMarker = 10,
  dpmSmartInstruction = 11,
  dpmSmartDeleteFile = 12,
  dpmSmartNewFile = 13,
  dpmSmartScanBarcode = 14,
  dpmSmartEditMode = 15,
  dpmSmartMuteSpeaker = 16,
  dpmSmartPlaybackSpeed = 17,
};

enum DpmSmartButton : LONG { dpmSmartButtonLeft = 0, dpmSmartButtonMiddle = 1, dpmSmartButtonRight = 2 };

enum DpmRecorderState : LONG {
  dpmStateStoppedNew = 0,
  dpmStateStopped = 1,
  dpmStateRecord = 2,
  dpmStateRecordStandby = 3,
  dpmStatePlayBack = 4,
};

// What a DPM4 display area (numbered 1 to 4) shows.
enum DpmDisplayContent : LONG {
  dpmDisplayBlank = 0,
  dpmDisplayKeyword1 = 1,
  dpmDisplayKeyword2 = 2,
  dpmDisplayKeyword3 = 3,
  dpmDisplayKeyword4 = 4,
  dpmDisplayKeyword5 = 5,
  dpmDisplayBarcode = 6,
  dpmDisplayDateTime = 7,
  dpmDisplayCreationDateTime = 8,
};

// A recording profile's audio quality.
enum DpmAudioQuality : LONG { dpmAudioStandardPlay = 0, dpmAudioQualityPlay = 6, dpmAudioMp3 = 17 };

enum DpmMicrophoneDirection : LONG { dpmMicUniDirectional = 0, dpmMicOmniDirectional = 1 };

enum DpmDevicePosition : LONG { dpmPositionDesktop = 0, dpmPositionHandHeld = 1 };

enum DpmRecordingProfileIndex : LONG {
  dpmProfileDictation = 0,
  dpmProfileSpeechRecognition = 1,
  dpmProfileMeeting = 2,
  dpmProfilePersonal = 3,
};

inline constexpr int kDpmSmartButtons = 3;
inline constexpr int kDpmRecorderStates = 5;
inline constexpr int kDpmDisplayAreas = 4;
inline constexpr int kDpmRecordingProfiles = 4;
inline constexpr int kDpmDevicePositions = 2;
