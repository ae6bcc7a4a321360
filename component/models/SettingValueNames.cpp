#include "component/models/SettingValueNames.h"

ValueNames NamedValuesOf(Setting s) {
  namespace n = value_names;
  switch (s) {
    case Setting::FileNamePrefixType: return n::FileNamePrefixType();
    case Setting::DateTimeFormat: return n::DateTimeFormat();
    case Setting::Appearance: return n::Appearance();
    case Setting::MicrophoneSensitivity: return n::MicrophoneSensitivity();
    case Setting::RecordingMode: return n::RecordingMode();
    case Setting::DownloadMode: return n::DownloadMode();
    case Setting::DownloadFilter: return n::DownloadFilter();
    case Setting::FileCounterSource: return n::FileCounterSource();
    case Setting::RequiredInputType: return n::RequiredInputType();
    case Setting::TotalTimeType: return n::TotalTimeType();
    case Setting::BarcodeScanButton: return n::BarcodeScanButton();
    case Setting::VoiceCommandType: return n::VoiceCommandType();
    case Setting::OS: return n::OS();
    case Setting::BarcodeMode: return n::BarcodeMode();
    case Setting::FunctionKey: return n::FunctionKey();
    case Setting::FourPosSwitch: return n::FourPosSwitch();
    default: return {};
  }
}
