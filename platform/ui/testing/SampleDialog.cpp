// SPDX-License-Identifier: GPL-3.0-or-later
// A sample dialog written against the public interface only, to look at on a real display.
#include "platform/ui/Ui.h"

namespace {

DialogTemplate SampleTemplate() {
  DialogTemplate t;
  t.id = 900;
  t.caption = "Quorvel sample dialog";
  t.cx = 269;
  t.cy = 150;
  t.exStyle = WS_EX_APPWINDOW;
  t.controls = {
      PushButton(1000, "Initialize", 5, 15, 73, 22),
      PushButton(1015, "Setup Device", 6, 44, 72, 24),
      GroupBox("Instructions", 88, 12, 170, 60),
      LText("To use this program first connect the device and then press the Inialize button.", 98, 27, 154, 30),
      AutoCheckBox(1078, "Beginning/End Beep", 98, 58, 90, 10),
      LText("Recording Mode", 6, 80, 60, 10),
      ComboBox(1084, 70, 78, 100, 60).Entries({"Standard Play", "Long Play", "Quality Play"}),
      LText("File Counter:", 6, 98, 60, 10),
      Edit(1076, 70, 96, 50, 13, ES_AUTOHSCROLL | ES_NUMBER),
      RadioButton(1080, "AM/PM", 130, 96, 40, 12).Group(),
      RadioButton(1081, "24 Hours", 175, 96, 45, 12),
      CText("Setup for Orvane DPM_9350 to DPM4-8500", 6, 124, 174, 18).Style(SS_SUNKEN),
      DefPushButton(IDOK, "Exit", 184, 124, 74, 18),
  };
  return t;
}

class CSampleDlg : public CDialog {
 public:
  CSampleDlg() : CDialog(SampleTemplate()) { MapClicked(1000, &CSampleDlg::OnInitialize); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Check(pDX, 1078, m_beep);
    DDX_CBIndex(pDX, 1084, m_mode);
    DDX_Text(pDX, 1076, m_counter);
    DDX_Radio(pDX, 1080, m_format);
  }

 private:
  void OnInitialize() { AfxMessageBox("Initialized.", MB_OK | MB_ICONINFORMATION); }
  int m_beep = 1;
  int m_mode = 1;
  int m_counter = 42;
  int m_format = 0;
};

class CSampleApp : public CWinApp {
 public:
  CSampleApp() : CWinApp("Quorvel sample") {}
  BOOL InitInstance() override {
    CSampleDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
  }
};

}  // namespace

int main(int argc, char** argv) {
  CSampleApp app;
  return app.WinMain(argc, argv);
}
