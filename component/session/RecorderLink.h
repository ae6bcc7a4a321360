// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One connected recorder as the session and its device objects share it. When the recorder is
// unplugged (or the session ends) the status turns into the code every further device call gets.
#include <string>

#include "component/models/RecorderModel.h"

struct RecorderLink {
  std::string path;
  const RecorderModel* model;  // null while its identity is damaged: connected, not ready
  HRESULT status = S_OK;
  bool checkCommitsOnly = false;  // a dry run's session: commits are checked, never stored

  bool Ready() const { return model != nullptr; }
};
