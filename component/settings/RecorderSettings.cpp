// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/settings/RecorderSettings.h"

#include "component/models/SettingInfo.h"

RecorderSettings NeutralSettings(const RecorderModel& model) {
  RecorderSettings settings;
  settings.deviceType = model.type;
  settings.keywords.resize(static_cast<size_t>(model.keywordCount));
  for (KeywordEntry& keyword : settings.keywords)
    keyword.values.resize(static_cast<size_t>(model.keywordRows));
  return settings;
}

RecorderSettings FactorySettings(const RecorderModel& model) {
  RecorderSettings settings = NeutralSettings(model);
  for (const SettingInfo& info : AllSettingInfos()) {
    if (!model.Has(info.id)) continue;
    const FactoryValue factory = FactoryValueOf(info.id);
    if (info.kind == SettingKind::Text)
      settings.Text(info.id) = factory.text;
    else
      settings.Number(info.id) = factory.number;
  }
  if (model.Has(Setting::Appearance) && model.displayModes > 1) settings.Number(Setting::Appearance) = dpmAppearanceAdvanced;

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
