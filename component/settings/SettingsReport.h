// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The committed settings of a recorder as `dpmrecorder show` prints them, so a user can check what a
// write did: every setting the model has, by its interface name, with the name of its value code;
// the keywords with their flags and every value row that holds a value; and the DPM4 record (smart
// buttons per recorder state, display areas, recording profiles) where the model has it. Keywords,
// rows and display areas count from 1, as a user does. Tests compare this text, so keep it stable.
#include <iosfwd>

#include "component/models/RecorderModel.h"
#include "component/settings/RecorderSettings.h"

class SettingsReport {
 public:
  SettingsReport(const RecorderModel& model, const RecorderSettings& settings)
      : m_model(model), m_settings(settings) {}

  void Write(std::ostream& out) const;

 private:
  void WriteScalars(std::ostream& out) const;
  void WriteKeywords(std::ostream& out) const;
  void WriteValueRows(std::ostream& out) const;
  void WriteSmartButtons(std::ostream& out) const;
  void WriteDisplayAreas(std::ostream& out) const;
  void WriteProfiles(std::ostream& out) const;

  const RecorderModel& m_model;
  const RecorderSettings& m_settings;
};
