// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the file information dialog asks of the window that opens it.
#include <string>

#include "platform/automation/Types.h"

class CWnd;

class IFileInfoDlgOwner {
 public:
  virtual CWnd* OwnerWindow() = 0;
  virtual std::string GetResultName(HRESULT code) = 0;

 protected:
  ~IFileInfoDlgOwner() = default;
};
