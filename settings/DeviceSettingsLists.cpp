// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DeviceSettingsLists.h"

#include "device/DpmValues.h"

namespace {

constexpr int kQualityPlayIndex = 5;
constexpr int kMp3StereoIndex = 6;

}  // namespace

std::vector<std::string> RecordingModeEntries() {
  return {"Standard Play",        "Standard Play With Sil Comp", "Long Play",  "TSLong PLay",
          "TSLong PLay With Sil Comp", "Quality Play",           "Mp3 Stereo"};
}

std::vector<std::string> BarcodeScanButtonEntries() {
  return {"None",      "Insert",    "End of Letter", "Record",  "Delete",       "Dial Up",
          "Dial Down", "Dial Press", "Smart 1",      "Smart 2", "Programmable", " "};
}

std::vector<std::string> VoiceCommandTypeEntries() { return {"Alphanumerics", "Word"}; }

std::vector<std::string> BarcodeModeEntries() { return {"Keyboard", "Barcode Event"}; }

std::vector<std::string> FunctionKeyEntries() {
  return {"None",  "Insert",           "Keyword 1 Menu", "Keyword 2 Menu", "Keyword 3 Menu", "Keyword 4 Menu",
          "Index", "Delete Dictation", "Priority",       "End of Letter",  "Voice Activation", "Beep",
          "Mute",  "Mic Sensitivity",  "Voice Command",  "Scan Barcode"};
}

std::vector<std::string> FourPosSwitchEntries() { return {"Orvane", "International", "Grundig", "Orvane Classic"}; }

std::vector<std::string> FileCounterSourceEntries() {
  return {"dpmContinueExistingFileCounter", "dpmStartNewFileCounter"};
}

std::vector<std::string> RequiredInputTypeEntries() {
  return {"dpmRequiredInputNone  ", "dpmRequiredInputKeywords", "dpmRequiredInputInstruction",
          "dpmRequiredInputUserStrings"};
}

std::vector<std::string> TotalTimeTypeEntries() { return {"dpmTotalTimeRemaining", "dpmTotalTimeRecorded "}; }

std::vector<std::string> OsEntries() {
  return {"0", "dpmOS_W98", "dpmOS_W98ME", "dpmOS_NT4", "dpmOS_W2000", "dpmOS_XP", "dpmOS_LINUX"};
}

int RecordingModeIndex(LONG value) {
  if (value < 0) return -1;
  if (value <= dpmTSLongPlaySilComp) return static_cast<int>(value);
  if (value == dpmMp3Stereo) return kMp3StereoIndex;
  return kQualityPlayIndex;
}

LONG RecordingModeValue(int index) {
  if (index == kQualityPlayIndex) return dpmQualityPlay;
  if (index == kMp3StereoIndex) return dpmMp3Stereo;
  return index;
}
