// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One file task of IDPMControl, as the queue runs it.
#include <string>

#include "component/files/AudioFormat.h"
#include "platform/automation/Types.h"

struct FileTask {
  enum class Kind { Copy, Move, Delete, Convert, Separate };

  Kind kind = Kind::Copy;
  std::string source;       // file paths as PathFromText makes them
  std::string destination;  // a folder, or the target file itself
  AudioFormat format;         // Convert
  bool dictationPart = false;    // Separate: write the dictation without its spoken instructions
  bool instructionPart = false;  // Separate: write the spoken instructions as an instruction file

  // The text of the task's progress events: its verb and source ("Copy /card/DICT0001.DSS").
  std::string Text() const;
};

// What a running task reports and asks.
class TaskProgress {
 public:
  // Reports how far the task has come (0 to 99). False when the task is to stop: it then undoes
  // what it did and returns Cancelled().
  virtual bool Report(LONG percent) = 0;
  // S_OK while the task may go on, else the code it ends with.
  virtual HRESULT Cancelled() const = 0;

 protected:
  ~TaskProgress() = default;
};
