// SPDX-License-Identifier: GPL-3.0-or-later
#include "smartbuttons/SmartButtons.h"

#include <iterator>

#include "platform/ui/ComboBox.h"
#include "smartbuttons/SmartButtonsIds.h"
#include "smartbuttons/SmartButtonsTemplate.h"

namespace {

// The audio-quality list shows the codes in this order; an unknown code shows as the first.
constexpr LONG kAudioQualityCodes[] = {dpmAudioStandardPlay, dpmAudioQualityPlay, dpmAudioMp3};
constexpr int kAudioQualityCount = static_cast<int>(std::size(kAudioQualityCodes));

int AudioQualityIndex(LONG code) {
  for (int i = 0; i < kAudioQualityCount; ++i)
    if (kAudioQualityCodes[i] == code) return i;
  return 0;
}

LONG AudioQualityCode(int index) {
  return index >= 0 && index < kAudioQualityCount ? kAudioQualityCodes[index] : kAudioQualityCodes[0];
}

bool IsProfile(int p) { return p >= 0 && p < kDpmRecordingProfiles; }
bool IsPosition(int d) { return d >= 0 && d < kDpmDevicePositions; }

}  // namespace

CSmartButtons::CSmartButtons(CWnd* parent) : CDialog(SmartButtonsTemplate(), parent) {
  MapSelChange(IDC_RECORDING_PROFILE, &CSmartButtons::OnSelchangeProfile);
  MapSelChange(IDC_DEVICE_POSITION, &CSmartButtons::OnSelchangeDevicePosition);
  MapClicked(IDC_SAVE_SETTINGS, &CSmartButtons::OnSaveSettings);
  MapSelChange(IDC_AUDIO_QUALITY, &CSmartButtons::OnEditShownProfile);
  MapSelChange(IDC_MIC_SENSITIVITY, &CSmartButtons::OnEditShownProfile);
  MapClicked(IDC_MIC_UNI_DIRECTIONAL, &CSmartButtons::OnEditShownProfile);
  MapClicked(IDC_MIC_OMNI_DIRECTIONAL, &CSmartButtons::OnEditShownProfile);
}

void CSmartButtons::SetSetup(const SmartButtonSetup& setup) {
  m_setup = setup;
  m_handedIn = setup;
}

BOOL CSmartButtons::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowSmartButtonsAndDisplayAreas();
  // Every opening starts with each profile in the Desktop position.
  for (int& position : m_profilePosition) position = dpmPositionDesktop;
  ShowProfile(dpmProfileDictation);
  return TRUE;
}

void CSmartButtons::ShowProfile(int p) {
  if (!IsProfile(p)) return;
  const RecordingProfileSetup& profile = m_setup.profile[p];
  Select(IDC_RECORDING_PROFILE, p);
  Select(IDC_DEVICE_POSITION, m_profilePosition[p]);
  Select(IDC_AUDIO_QUALITY, AudioQualityIndex(profile.audioQuality));
  Select(IDC_MIC_SENSITIVITY, profile.micSensitivity);
  const int d = SelectedPosition();
  const bool omni = IsPosition(d) && profile.micDirection[d] != dpmMicUniDirectional;
  CheckRadioButton(IDC_MIC_UNI_DIRECTIONAL, IDC_MIC_OMNI_DIRECTIONAL,
                   omni ? IDC_MIC_OMNI_DIRECTIONAL : IDC_MIC_UNI_DIRECTIONAL);
}

void CSmartButtons::OnSelchangeProfile() {
  const int p = SelectedProfile();
  if (!IsProfile(p)) return;
  m_profilePosition[p] = dpmPositionDesktop;
  ShowProfile(p);
}

void CSmartButtons::OnSelchangeDevicePosition() {
  const int p = SelectedProfile();
  const int d = SelectedPosition();
  if (!IsProfile(p) || !IsPosition(d)) return;
  m_profilePosition[p] = d;
  ShowProfile(p);
}

void CSmartButtons::OnSaveSettings() {
  const int p = SelectedProfile();
  if (!IsProfile(p)) return;
  RecordingProfileSetup& profile = m_setup.profile[p];
  const int d = SelectedPosition();
  if (IsPosition(d)) m_profilePosition[p] = d;
  // Typed text in the sensitivity field is no sensitivity: the stored one stays.
  const int sensitivity = Selection(IDC_MIC_SENSITIVITY);
  if (sensitivity >= 0) profile.micSensitivity = sensitivity;
  if (IsPosition(d)) {
    const bool uni = IsDlgButtonChecked(IDC_MIC_UNI_DIRECTIONAL) == BST_CHECKED;
    profile.micDirection[d] = uni ? dpmMicUniDirectional : dpmMicOmniDirectional;
  }
  profile.audioQuality = AudioQualityCode(Selection(IDC_AUDIO_QUALITY));
  ShowProfile(p);
}

void CSmartButtons::OnOK() {
  // Profile controls are not read here: only Save Settings puts a profile edit into the record.
  TakeSmartButtonsAndDisplayAreas();
  CDialog::OnOK();
}

void CSmartButtons::OnCancel() {
  m_setup = m_handedIn;
  CDialog::OnCancel();
}

void CSmartButtons::ShowSmartButtonsAndDisplayAreas() {
  for (int b = 0; b < kDpmSmartButtons; ++b)
    for (int s = 0; s < kDpmRecorderStates; ++s) Select(kSmartButtonComboIds[b][s], m_setup.buttonFunction[b][s]);
  for (int a = 0; a < kDpmDisplayAreas; ++a) Select(kDisplayAreaComboIds[a], m_setup.displayArea[a]);
}

// A combo without a selection gives -1, which goes to the recorder as it is.
void CSmartButtons::TakeSmartButtonsAndDisplayAreas() {
  for (int b = 0; b < kDpmSmartButtons; ++b)
    for (int s = 0; s < kDpmRecorderStates; ++s) m_setup.buttonFunction[b][s] = Selection(kSmartButtonComboIds[b][s]);
  for (int a = 0; a < kDpmDisplayAreas; ++a) m_setup.displayArea[a] = Selection(kDisplayAreaComboIds[a]);
}

// -1 when the combo has no selected entry (nothing chosen, or text typed into its field).
int CSmartButtons::Selection(int comboId) const {
  const auto* combo = static_cast<CComboBox*>(GetDlgItem(comboId));
  const int index = combo ? combo->GetCurSel() : CB_ERR;
  return index < 0 ? -1 : index;
}

// An index outside the list leaves the combo without a selection.
void CSmartButtons::Select(int comboId, int index) {
  if (auto* combo = static_cast<CComboBox*>(GetDlgItem(comboId))) combo->SetCurSel(index);
}

int CSmartButtons::SelectedProfile() const { return Selection(IDC_RECORDING_PROFILE); }
int CSmartButtons::SelectedPosition() const { return Selection(IDC_DEVICE_POSITION); }
