// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A task run to its end with no one watching, and the conversion of a fresh half-second dictation
// in a folder, for the tests of how the converter module is found.
#include "component/files/ConvertTask.h"
#include "component/files/DictationMaker.h"
#include "component/files/DssAudio.h"
#include "tests/component/TempFolder.h"

class GoOn final : public TaskProgress {
 public:
  bool Report(LONG) override { return true; }
  HRESULT Cancelled() const override { return S_OK; }
};

inline HRESULT ConvertADictation(const TempFolder& folder) {
  std::string dss;
  if (HRESULT hr = MakeSpDictation(SpFramesFor(500), 1700000000, "A", &dss); FAILED(hr)) return hr;
  WriteText(folder / "a.dss", dss);
  FileTask task;
  task.kind = FileTask::Kind::Convert;
  task.source = folder / "a.dss";
  task.destination = folder.Path();
  task.format = {16000, 1, 16, false};
  GoOn progress;
  return RunConvert(task, progress);
}
