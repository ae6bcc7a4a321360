// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/settings/SettingsReport.h"

#include <ostream>
#include <string>

#include "component/models/SettingInfo.h"
#include "component/models/TextRules.h"
#include "component/models/SettingValueNames.h"

namespace {

constexpr const char* kButtonNames[kDpmSmartButtons] = {"left", "middle", "right"};
constexpr const char* kStateNames[kDpmRecorderStates] = {"Stopped New", "Stopped", "Record", "Record Standby",
                                                          "Play Back"};
constexpr const char* kProfileNames[kDpmRecordingProfiles] = {"Dictation Profile", "Speech Recognition Profile",
                                                               "Meeting Profile", "Personal Profile"};

// A text in double quotes; quotes and backslashes inside are escaped so blanks and ends stay visible.
std::string Quoted(std::u16string_view text) {
  std::string out = "\"";
  for (char c : Utf8FromUtf16(text)) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

// "dpmQualityPlay (6)", or the bare number for a code without a name.
std::string Named(ValueNames names, LONG value) {
  const std::string_view name = NameOfValue(names, value);
  return name.empty() ? std::to_string(value) : std::string(name) + " (" + std::to_string(value) + ")";
}

const char* YesNo(bool flag) { return flag ? "yes" : "no"; }

bool HoldsAValue(const std::vector<KeywordEntry>& keywords, size_t row) {
  for (const KeywordEntry& keyword : keywords)
    if (!keyword.values[row].empty()) return true;
  return false;
}

}  // namespace

void SettingsReport::Write(std::ostream& out) const {
  WriteScalars(out);
  WriteKeywords(out);
  WriteValueRows(out);
  if (m_model.dpm4.smartButtons > 0) WriteSmartButtons(out);
  if (m_model.dpm4.displayAreas > 0) WriteDisplayAreas(out);
  if (m_model.dpm4.recordingProfiles > 0) WriteProfiles(out);
}

void SettingsReport::WriteScalars(std::ostream& out) const {
  out << "settings:\n";
  for (const SettingInfo& info : AllSettingInfos()) {
    if (!m_model.Has(info.id)) continue;
    const LONG number = m_settings.Number(info.id);
    out << "  " << info.name << " = ";
    switch (info.kind) {
      case SettingKind::Text: out << Quoted(m_settings.Text(info.id)); break;
      case SettingKind::Flag: out << (number ? "true" : "false"); break;
      case SettingKind::Number: out << Named(NamedValuesOf(info.id), number); break;
    }
    out << "\n";
  }
}

void SettingsReport::WriteKeywords(std::ostream& out) const {
  out << "keywords:\n";
  for (size_t k = 0; k < m_settings.keywords.size(); ++k) {
    const KeywordEntry& keyword = m_settings.keywords[k];
    out << "  keyword " << k + 1 << " " << Quoted(keyword.name) << ": barcode " << YesNo(keyword.barcodeScan)
        << ", voice command " << YesNo(keyword.voiceCommand) << ", mandatory " << YesNo(keyword.mandatory) << "\n";
  }
}

void SettingsReport::WriteValueRows(std::ostream& out) const {
  out << "keyword values (" << m_model.keywordRows << " rows, one column per keyword; empty rows left out):\n";
  const std::vector<KeywordEntry>& keywords = m_settings.keywords;
  for (size_t r = 0; r < static_cast<size_t>(m_model.keywordRows); ++r) {
    if (!HoldsAValue(keywords, r)) continue;
    out << "  row " << r + 1 << ":";
    for (size_t k = 0; k < keywords.size(); ++k) out << (k == 0 ? " " : " | ") << Quoted(keywords[k].values[r]);
    out << "\n";
  }
}

void SettingsReport::WriteSmartButtons(std::ostream& out) const {
  out << "smart buttons (";
  for (int b = 0; b < m_model.dpm4.smartButtons; ++b) out << (b == 0 ? "" : " | ") << kButtonNames[b];
  out << "):\n";
  for (int s = 0; s < kDpmRecorderStates; ++s) {
    out << "  " << kStateNames[s] << ":";
    for (int b = 0; b < m_model.dpm4.smartButtons; ++b) {
      const LONG code = m_settings.dpm4.smartButtons[static_cast<size_t>(b)][static_cast<size_t>(s)];
      out << (b == 0 ? " " : " | ") << Named(value_names::SmartButtonFunction(), code);
    }
    out << "\n";
  }
}

void SettingsReport::WriteDisplayAreas(std::ostream& out) const {
  out << "display areas:\n";
  for (int a = 0; a < m_model.dpm4.displayAreas; ++a) {
    const LONG code = m_settings.dpm4.displayAreas[static_cast<size_t>(a)];
    out << "  area " << a + 1 << ": " << Named(value_names::DisplayContent(), code) << "\n";
  }
}

void SettingsReport::WriteProfiles(std::ostream& out) const {
  out << "recording profiles:\n";
  for (int p = 0; p < m_model.dpm4.recordingProfiles; ++p) {
    const RecordingProfileEntry& profile = m_settings.dpm4.profiles[static_cast<size_t>(p)];
    const LONG desktop = profile.micDirection[dpmPositionDesktop];
    const LONG handHeld = profile.micDirection[dpmPositionHandHeld];
    out << "  " << kProfileNames[p] << ": audio quality " << Named(value_names::AudioQuality(), profile.audioQuality)
        << ", sensitivity " << Named(value_names::MicrophoneSensitivity(), profile.micSensitivity)
        << ", desktop " << Named(value_names::MicrophoneDirection(), desktop) << ", hand held "
        << Named(value_names::MicrophoneDirection(), handHeld) << "\n";
  }
}
