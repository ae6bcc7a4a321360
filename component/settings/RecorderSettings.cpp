#include "component/settings/RecorderSettings.h"

RecorderSettings NeutralSettings(const RecorderModel& model) {
  RecorderSettings settings;
  settings.deviceType = model.type;
  settings.keywords.resize(static_cast<size_t>(model.keywordCount));
  for (KeywordEntry& keyword : settings.keywords)
    keyword.values.resize(static_cast<size_t>(model.keywordRows));
  return settings;
}

namespace {

void SetIfPresent(const RecorderModel& model, RecorderSettings& settings, Setting s, LONG value) {
  if (model.Has(s)) settings.Number(s) = value;
}

}  // namespace

RecorderSettings FactorySettings(const RecorderModel& model) {
  RecorderSettings settings = NeutralSettings(model);
  settings.Text(Setting::FileNamePrefixString) = u"DICT";
  SetIfPresent(model, settings, Setting::FileNamePrefixType, dpmPrefixString);
  SetIfPresent(model, settings, Setting::FileCounter, 1);
  SetIfPresent(model, settings, Setting::DateTimeFormat, dpmDateTime24Hours);
  SetIfPresent(model, settings, Setting::DeviceBeep, 1);
  SetIfPresent(model, settings, Setting::RecordNotify, 1);
  SetIfPresent(model, settings, Setting::MicrophoneSensitivity, dpmSensitivityMedium);
  SetIfPresent(model, settings, Setting::EOLButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::InsertButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::DELButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::DLSButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::PlusButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::MinusButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::OS, dpmOS_LINUX);
  SetIfPresent(model, settings, Setting::Appearance, model.displayModes > 1 ? dpmAppearanceAdvanced : dpmAppearanceClassic);

  static const char16_t* const kNames[] = {u"Author", u"Worktype", u"Subject", u"Department", u"Client"};
  for (size_t k = 0; k < settings.keywords.size() && k < std::size(kNames); ++k)
    settings.keywords[k].name = kNames[k];
  if (!settings.keywords.empty() && !settings.keywords[0].values.empty())
    settings.keywords[0].values[0] = u"Author 1";

  if (model.IsDpm4()) {
    // Left: keyword 1, middle: priority, right: end of letter, in every state.
    settings.dpm4.smartButtons[dpmSmartButtonLeft].fill(dpmSmartKeyword1);
    settings.dpm4.smartButtons[dpmSmartButtonMiddle].fill(dpmSmartPriority);
    settings.dpm4.smartButtons[dpmSmartButtonRight].fill(dpmSmartEol);
    settings.dpm4.displayAreas = {dpmDisplayKeyword1, dpmDisplayKeyword2, dpmDisplayDateTime, dpmDisplayBlank};
    for (RecordingProfileEntry& profile : settings.dpm4.profiles) profile.micSensitivity = dpmSensitivityMedium;
    settings.dpm4.profiles[dpmProfileMeeting].micDirection = {dpmMicOmniDirectional, dpmMicOmniDirectional};
  }
  return settings;
}
