// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the smart buttons dialog filled with a sample record, for a look on a real display.
// Usage: smartbuttons_demo [milliseconds to stay open, default 2000]
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "smartbuttons/SmartButtons.h"

namespace {

SmartButtonSetup SampleSetup() {
  SmartButtonSetup setup{};
  const LONG functions[kDpmSmartButtons][kDpmRecorderStates] = {
      {dpmSmartNewFile, dpmSmartKeyword1, dpmSmartIndexMarker, dpmSmartPriority, dpmSmartPlaybackSpeed},
      {dpmSmartProfileMenu, dpmSmartFileInfo, dpmSmartInstruction, dpmSmartEol, dpmSmartMuteSpeaker},
      {dpmSmartScanBarcode, dpmSmartDeleteFile, dpmSmartBlank, dpmSmartMainMenu, dpmSmartEditMode}};
  for (int b = 0; b < kDpmSmartButtons; ++b)
    for (int s = 0; s < kDpmRecorderStates; ++s) setup.buttonFunction[b][s] = functions[b][s];
  const LONG areas[kDpmDisplayAreas] = {dpmDisplayKeyword1, dpmDisplayBarcode, dpmDisplayCreationDateTime,
                                        dpmDisplayDateTime};
  for (int a = 0; a < kDpmDisplayAreas; ++a) setup.displayArea[a] = areas[a];
  setup.profile[dpmProfileDictation] = {dpmAudioQualityPlay, dpmSensitivityMedium,
                                        {dpmMicUniDirectional, dpmMicOmniDirectional}};
  setup.profile[dpmProfileMeeting] = {dpmAudioMp3, dpmSensitivityHigh, {dpmMicOmniDirectional, dpmMicOmniDirectional}};
  return setup;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  CSmartButtons dialog(nullptr);
  dialog.SetSetup(SampleSetup());
  const int milliseconds = argc > 1 ? std::atoi(argv[1]) : 2000;
  QTimer::singleShot(milliseconds, [&dialog] { dialog.EndDialog(IDOK); });
  return dialog.DoModal() == IDOK ? 0 : 1;
}
