#include "component/RecorderSettings.h"

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
  SetIfPresent(model, settings, Setting::FileNamePrefixType, 1);
  SetIfPresent(model, settings, Setting::FileCounter, 1);
  SetIfPresent(model, settings, Setting::DateTimeFormat, 1);
  SetIfPresent(model, settings, Setting::DeviceBeep, 1);
  SetIfPresent(model, settings, Setting::RecordNotify, 1);
  SetIfPresent(model, settings, Setting::MicrophoneSensitivity, 1);
  SetIfPresent(model, settings, Setting::EOLButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::InsertButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::DELButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::DLSButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::PlusButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::MinusButtonEnabled, 1);
  SetIfPresent(model, settings, Setting::OS, 6);
  SetIfPresent(model, settings, Setting::Appearance, model.displayModes - 1);

  static const char16_t* const kNames[] = {u"Author", u"Worktype", u"Subject", u"Department", u"Client"};
  for (size_t k = 0; k < settings.keywords.size() && k < std::size(kNames); ++k)
    settings.keywords[k].name = kNames[k];
  if (!settings.keywords.empty() && !settings.keywords[0].values.empty())
    settings.keywords[0].values[0] = u"Author 1";

  if (model.IsDpm4()) {
    // Left: keyword 1, middle: priority, right: end of letter, in every state.
    for (auto& states : settings.dpm4.smartButtons) states.fill(0);
    settings.dpm4.smartButtons[0].fill(1);
    settings.dpm4.smartButtons[1].fill(5);
    settings.dpm4.smartButtons[2].fill(6);
    settings.dpm4.displayAreas = {1, 2, 7, 0};
    for (RecordingProfileEntry& profile : settings.dpm4.profiles) profile.micSensitivity = 1;
    settings.dpm4.profiles[2].micDirection = {1, 1};  // meetings: omni-directional
  }
  return settings;
}
