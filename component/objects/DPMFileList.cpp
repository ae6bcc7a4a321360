// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/objects/DPMFileList.h"

#include <algorithm>
#include <filesystem>

#include "component/files/DictationPaths.h"
#include "component/models/TextRules.h"
#include "device/DpmResults.h"

HRESULT DictationNamesIn(const std::string& folder, std::vector<std::string>* names) {
  if (!IsFolder(folder)) return dpmCtrlPathNotFound;
  std::error_code error;
  std::vector<std::string> found;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::u16string text;  // a name the program could not pass back is no use to it
    if (!IsDictationFileName(name) || !Utf16FromUtf8(name, &text)) continue;
    std::error_code entry;  // one deleted meanwhile is simply gone
    // A link is listed as what it is, so its refusal can be seen (DictationFile.h).
    if (it->is_symlink(entry) || it->is_regular_file(entry)) found.push_back(name);
    else if (entry && entry != std::errc::no_such_file_or_directory) error = entry;
  }
  if (error) return dpmCtrlPathNotFound;
  std::sort(found.begin(), found.end());
  *names = std::move(found);
  return S_OK;
}

HRESULT DPMFileList::put_Folder(BSTR folder) {
  const std::string path = PathFromText(ViewOf(folder));
  std::vector<std::string> names;
  if (HRESULT hr = DictationNamesIn(path, &names); FAILED(hr)) return hr;
  m_folder = path;
  m_names = std::move(names);
  return S_OK;
}

HRESULT DPMFileList::get_Count(LONG* count) {
  if (!count) return E_POINTER;
  *count = static_cast<LONG>(m_names.size());
  return S_OK;
}

HRESULT DPMFileList::get_Item(LONG index, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  if (index < 1 || static_cast<size_t>(index) > m_names.size()) return E_INVALIDARG;
  std::u16string text;
  Utf16FromUtf8(m_names[static_cast<size_t>(index) - 1], &text);
  *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT DPMFileList::Refresh() {
  if (m_folder.empty()) return S_OK;
  HRESULT hr = DictationNamesIn(m_folder, &m_names);
  if (FAILED(hr)) m_names.clear();
  return hr;
}
