// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal dialog "DPM4 Profile and Smart Buttons Setup": edits a copy of the DPM4 record. The caller
// hands the record in with SetSetup, runs DoModal, and takes GetSetup back only on IDOK; after Cancel
// GetSetup gives the record as it was handed in.
#include "platform/ui/Dialog.h"
#include "smartbuttons/SmartButtonSetup.h"

class CSmartButtons : public CDialog {
 public:
  explicit CSmartButtons(CWnd* parent);

  void SetSetup(const SmartButtonSetup& setup);
  const SmartButtonSetup& GetSetup() const { return m_setup; }

  // Puts profile p on the screen in its current device position; anything but 0 to 3 is ignored.
  void ShowProfile(int profile);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void OnSelchangeProfile();
  void OnSelchangeDevicePosition();
  void OnSaveSettings();
  // Quality, sensitivity and direction only change what is shown; Save Settings takes them.
  void OnEditShownProfile() {}

  void ShowSmartButtonsAndDisplayAreas();
  void TakeSmartButtonsAndDisplayAreas();
  int Selection(int comboId) const;
  void Select(int comboId, int index);
  int SelectedProfile() const;
  int SelectedPosition() const;

  SmartButtonSetup m_setup{};
  SmartButtonSetup m_handedIn{};
  // The device position shown per profile; chooses which micDirection the buttons edit.
  int m_profilePosition[kDpmRecordingProfiles] = {};
};
