// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// dpmrecorder: the command-line tool for the simulated recorders. What it does to a recorder reaches
// a running session as events: adding or removing a recorder is plugging or unplugging it, and
// button presses, barcodes and scanner changes are dropped as requests into the recorder's folder.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "component/recorders/RecorderRequest.h"
#include "component/recorders/RecorderState.h"

class RecorderTool {
 public:
  RecorderTool(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

  // The exit code: 0 on success, 1 when the action failed, 2 for a usage error.
  int Run(const std::vector<std::string>& args);

 private:
  int Usage(const std::string& problem);
  int Fail(const std::string& message);
  int Models();
  int Add(const std::vector<std::string>& args);
  int Remove(const std::string& name);
  int List();
  int Show(const std::string& name);
  int Button(const std::string& name, const std::string& button, bool press);
  int Scan(const std::string& name, const std::string& code);
  int Scanner(const std::string& name, const std::string& how);
  int PutFile(const std::string& name, const std::string& file);
  // record NAME SECONDS [START-END ...]: a dictation on the card (CardRecording.h).
  int Record(const std::vector<std::string>& args);
  // Changes the recorder's state under its lock, then asks a running session to report the request.
  int ChangeAndReport(const std::string& name, const RecorderRequest& request,
                      const std::function<HRESULT(RecorderState&)>& change);
  // The folder of a present recorder, or empty after an error message.
  std::string FolderOf(const std::string& name);
  // The same for a damaged recorder too (to show or remove it).
  std::string AnyFolderOf(const std::string& name);

  std::ostream& m_out;
  std::ostream& m_err;
  std::string m_root;
};
