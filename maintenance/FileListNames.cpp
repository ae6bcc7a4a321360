// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/FileListNames.h"

#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"

HRESULT FillWithFileNames(CListBox& list, IDPMFileList* files) {
  if (!files) return E_POINTER;
  list.ResetContent();
  LONG count = 0;
  HRESULT hr = files->get_Count(&count);
  for (LONG i = 1; SUCCEEDED(hr) && i <= count; ++i) {
    Bstr name;
    hr = files->get_Item(i, name.Receive());
    if (FAILED(hr)) break;
    std::string text = BstrToAnsi(name.Get());
    if (!text.empty()) list.AddString(text);
  }
  return hr;
}
