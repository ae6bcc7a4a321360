// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IDPMFileList: the dictation files (*.dss, *.ds2; regular files only) of one folder, sorted by name,
// leaving out names that are not UTF-8 of the basic plane (the program could not name them back).
// The names are read when the folder is set and on Refresh; the items count from 1.
#include <string>
#include <vector>

#include "component/objects/DualInterface.h"
#include "device/IDPMFileList.h"
#include "platform/automation/ComObject.h"

class DPMFileList : public ComObject<DPMFileList, DualInterface<IDPMFileList>> {
 public:
  explicit DPMFileList(std::atomic<long>* moduleObjects) : ComObject(moduleObjects) {}

  // dpmCtrlPathNotFound for a text that is not a folder; the list keeps its folder and names then.
  HRESULT put_Folder(BSTR folder) override;
  HRESULT get_Count(LONG* count) override;
  // E_INVALIDARG for an index outside 1 to the count.
  HRESULT get_Item(LONG index, BSTR* name) override;
  // dpmCtrlPathNotFound when the folder has gone; the list is empty then.
  HRESULT Refresh() override;

 private:
  std::string m_folder;
  std::vector<std::string> m_names;
};

// The dictation file names of a folder, sorted; dpmCtrlPathNotFound when it is not a folder.
HRESULT DictationNamesIn(const std::string& folder, std::vector<std::string>* names);
