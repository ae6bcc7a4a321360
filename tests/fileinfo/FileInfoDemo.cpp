// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the file information dialog read from the spy component, with its spoken-instruction window,
// for a look on a real display. Usage: fileinfo_demo [milliseconds to stay open, default 2000]
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "device/ResultNames.h"
#include "fileinfo/MarnFileInfoDlg.h"
#include "platform/automation/Apartment.h"
#include "platform/automation/Bstr.h"
#include "tests/support/SpyComponent.h"

namespace {

class DemoOwner : public IFileInfoDlgOwner {
 public:
  CWnd* OwnerWindow() override { return nullptr; }
  std::string GetResultName(HRESULT code) override { return ::GetResultName(code); }
};

void Script(SpyComponent& spy) {
  spy.SetValue("get_FileName", "DS400001.DSS");
  spy.SetValue("get_FileType", 2);
  spy.SetValue("get_ProductId", 8500);
  spy.SetValue("get_FirmwareVersion", "2.14");
  spy.SetValue("get_MACAddress", "00:1A:2B");
  spy.SetValue("get_JobNumber", 17);
  spy.SetValue("get_CompressionMode", 6);
  spy.SetValue("get_BarcodeString", "4006381333931");
  spy.SetValue("get_LastModifiedDate", "08.12.2026");
  spy.SetValue("get_LastModifiedTime", "10:41:07");
  spy.SetValue("get_RecordingStartDate", "08.12.2026");
  spy.SetValue("get_RecordingStartTime", "10:38:55");
  spy.SetValue("get_RecordingEndDate", "08.12.2026");
  spy.SetValue("get_RecordingEndTime", "10:41:02");
  spy.SetValue("get_DownloadDate", "08.12.2026");
  spy.SetValue("get_DownloadTime", "10:45:30");
  spy.SetValue("get_DictationLength", 127);
  spy.SetValue("get_InstructionFileExists", -1);
  spy.SetValue("get_InstructionFileName", "DS400001.INS");
  spy.SetValue("get_InstructionLength", 12);
  spy.SetValue("get_Author", "Dr. Weber");
  spy.SetValue("get_Priority", 1);
  spy.SetValue("get_EOL", -1);
  spy.SetValue("get_UserString(0)", "Ward 3");
  spy.SetValue("get_UserStringCount", 2);
  spy.SetValue("get_KeywordUsageCount", 2);
  spy.SetValue("get_KeywordUsageString(0)", "Worktype");
  spy.SetValue("get_KeywordUsageString(1)", "Department");
  spy.SetValue("get_KeywordContentCount", 2);
  spy.SetValue("get_KeywordContentString(0)", "Letter");
  spy.SetValue("get_KeywordContentString(1)", "Radiology");
  spy.SetValue("get_SpokenInstructionList", SpyPairs{{{1200, 4350}, {9800, 11020}, {15300, 17810}}});
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int result = 0;
  {
    SpyComponent spy;
    Script(spy);
    ComPtr<IDPMControl> control = spy.CreateControl();
    ComPtr<IDPMFileInfo> info;
    Bstr path(u"DS400001.DSS");
    control->get_IDPMFileInfo(path.Get(), info.ReleaseAndGetAddressOf());
    DemoOwner owner;
    CMarnFileInfoDlg dialog(&owner, info.Get());
    QTimer::singleShot(0, [&dialog] {
      dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FI_GET_ALL, BN_CLICKED), 0);
      dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FI_SPOKEN_INSTRUCTIONS, BN_CLICKED), 0);
      // Side by side, so one picture shows both.
      RECT box{};
      dialog.GetWindowRect(&box);
      dialog.MoveWindow(10, 10, box.right - box.left, box.bottom - box.top);
      dialog.SpokenInstructions().MoveWindow(box.right - box.left + 30, 10, 320, 220);
    });
    const int milliseconds = argc > 1 ? std::atoi(argv[1]) : 2000;
    QTimer::singleShot(milliseconds, [&dialog] { dialog.EndDialog(IDOK); });
    result = dialog.DoModal() == IDOK ? 0 : 1;
  }
  CoUninitialize();
  return result;
}
