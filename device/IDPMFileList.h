// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dictation files of one folder, as the component sees them.
#include "device/DpmIds.h"
#include "platform/automation/Unknown.h"

struct IDPMFileList : IDispatch {
  static constexpr IID kIid = IID_IDPMFileList;

  // Fails (dpmCtrlPathNotFound) for a text that is not a folder; the list then keeps its old folder.
  virtual HRESULT put_Folder(BSTR folder) = 0;
  virtual HRESULT get_Count(LONG* count) = 0;
  // index runs from 1 to the count; the name is a new BSTR the caller frees.
  virtual HRESULT get_Item(LONG index, BSTR* name) = 0;
  // Reads the folder again.
  virtual HRESULT Refresh() = 0;

 protected:
  ~IDPMFileList() = default;
};
