// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/files/DictationProperties.h"

#include <array>

#include "device/DpmValueNames.h"
#include "quorvelctl/cli/ResultText.h"
#include "platform/automation/ComPtr.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Variant.h"
#include "quorvelctl/cli/TextCodec.h"

namespace {

using TextGetter = HRESULT (IDPMFileInfo::*)(BSTR*);
using NumberGetter = HRESULT (IDPMFileInfo::*)(LONG*);
using FlagGetter = HRESULT (IDPMFileInfo::*)(VARIANT_BOOL*);
using IndexedGetter = HRESULT (IDPMFileInfo::*)(LONG, BSTR*);

constexpr std::array<const char*, 4> kFileTypes{"other", "non-DPM2", "dictation", "instruction"};

class PropertyReader {
 public:
  explicit PropertyReader(IDPMFileInfo* info) : m_info(info) {}

  void Text(const char* name, TextGetter get) {
    Bstr value;
    Add(name, (m_info->*get)(value.Receive()), [&] { return nlohmann::ordered_json(BstrToUtf8(value.Get())); });
  }
  void Number(const char* name, NumberGetter get) {
    LONG value = 0;
    Add(name, (m_info->*get)(&value), [&] { return nlohmann::ordered_json(value); });
  }
  void Flag(const char* name, FlagGetter get) {
    VARIANT_BOOL value = VARIANT_FALSE;
    Add(name, (m_info->*get)(&value), [&] { return nlohmann::ordered_json(value != VARIANT_FALSE); });
  }
  // The texts from index 0 up to the count the interface gives.
  void Texts(const char* name, NumberGetter count, IndexedGetter get) {
    LONG used = 0;
    HRESULT hr = (m_info->*count)(&used);
    nlohmann::ordered_json texts = nlohmann::ordered_json::array();
    for (LONG index = 0; SUCCEEDED(hr) && index < used; ++index) {
      Bstr value;
      hr = (m_info->*get)(index, value.Receive());
      if (SUCCEEDED(hr)) texts.push_back(BstrToUtf8(value.Get()));
    }
    Add(name, hr, [&] { return texts; });
  }
  // [[start, end], ...] in milliseconds.
  void SpokenInstructions() {
    Variant list;
    nlohmann::ordered_json pairs = nlohmann::ordered_json::array();
    HRESULT hr = m_info->get_SpokenInstructionList(list.Get());
    if (SUCCEEDED(hr)) hr = ReadPairs(list.Get(), &pairs);
    Add("SpokenInstructionList", hr, [&] { return pairs; });
  }

  std::vector<DictationProperty> Take() { return std::move(m_properties); }

 private:
  static HRESULT ReadPairs(VARIANT* list, nlohmann::ordered_json* pairs) {
    if (list->vt == VT_EMPTY) return S_OK;
    if (list->vt != (VT_ARRAY | VT_I4) || SafeArrayGetDim(list->parray) != 2) return DISP_E_TYPEMISMATCH;
    LONG first = 0, last = -1;
    HRESULT hr = SafeArrayGetLBound(list->parray, 2, &first);
    if (SUCCEEDED(hr)) hr = SafeArrayGetUBound(list->parray, 2, &last);
    for (LONG row = first; SUCCEEDED(hr) && row <= last; ++row) {
      LONG start = 0, end = 0;
      const std::array<LONG, 2> startAt{0, row}, endAt{1, row};
      hr = SafeArrayGetElement(list->parray, startAt, &start);
      if (SUCCEEDED(hr)) hr = SafeArrayGetElement(list->parray, endAt, &end);
      if (SUCCEEDED(hr)) pairs->push_back({start, end});
    }
    return hr;
  }

  template <class Value>
  void Add(const char* name, HRESULT hr, Value value) {
    DictationProperty property{name, nullptr, hr, {}};
    if (SUCCEEDED(hr)) {
      property.value = value();
      property.text = property.value.is_string() ? property.value.get<std::string>()
                                                 : property.value.dump(-1, ' ', false,
                                                                       nlohmann::ordered_json::error_handler_t::replace);
    } else {
      property.text = "(" + CResultText::Of(hr) + ")";
    }
    m_properties.push_back(std::move(property));
  }

  IDPMFileInfo* m_info;
  std::vector<DictationProperty> m_properties;
};

// The names of the codes that have one: "2 (dictation)", "0 (dpmStandardPlay)".
void Annotate(std::vector<DictationProperty>& properties) {
  for (DictationProperty& property : properties) {
    if (FAILED(property.result)) continue;
    const LONG code = property.value.is_number_integer() ? property.value.get<LONG>() : -1;
    std::string_view name;
    if (property.name == "FileType" && code >= 0 && code < static_cast<LONG>(kFileTypes.size())) name = kFileTypes[code];
    if (property.name == "CompressionMode") name = NameOfValue(value_names::RecordingMode(), code);
    if (!name.empty()) property.text += " (" + std::string(name) + ")";
  }
}

}  // namespace

std::vector<DictationProperty> CDictationProperties::Read(IDPMFileInfo* info) {
  PropertyReader read(info);
  read.Text("FileName", &IDPMFileInfo::get_FileName);
  read.Number("FileType", &IDPMFileInfo::get_FileType);
  read.Text("LastModifiedDate", &IDPMFileInfo::get_LastModifiedDate);
  read.Text("LastModifiedTime", &IDPMFileInfo::get_LastModifiedTime);
  read.Number("JobNumber", &IDPMFileInfo::get_JobNumber);
  read.Text("RecordingStartDate", &IDPMFileInfo::get_RecordingStartDate);
  read.Text("RecordingStartTime", &IDPMFileInfo::get_RecordingStartTime);
  read.Text("RecordingEndDate", &IDPMFileInfo::get_RecordingEndDate);
  read.Text("RecordingEndTime", &IDPMFileInfo::get_RecordingEndTime);
  read.Number("DictationLength", &IDPMFileInfo::get_DictationLength);
  read.Text("Author", &IDPMFileInfo::get_Author);
  read.Number("Priority", &IDPMFileInfo::get_Priority);
  read.Number("ProductId", &IDPMFileInfo::get_ProductId);
  read.Text("MACAddress", &IDPMFileInfo::get_MACAddress);
  read.Text("FirmwareVersion", &IDPMFileInfo::get_FirmwareVersion);
  read.Number("CompressionMode", &IDPMFileInfo::get_CompressionMode);
  read.Text("DownloadDate", &IDPMFileInfo::get_DownloadDate);
  read.Text("DownloadTime", &IDPMFileInfo::get_DownloadTime);
  read.Text("BarcodeString", &IDPMFileInfo::get_BarcodeString);
  read.Texts("KeywordUsageString", &IDPMFileInfo::get_KeywordUsageCount, &IDPMFileInfo::get_KeywordUsageString);
  read.Texts("KeywordContentString", &IDPMFileInfo::get_KeywordContentCount,
             &IDPMFileInfo::get_KeywordContentString);
  read.Flag("InstructionFileExists", &IDPMFileInfo::get_InstructionFileExists);
  read.Number("InstructionLength", &IDPMFileInfo::get_InstructionLength);
  read.Text("InstructionFileName", &IDPMFileInfo::get_InstructionFileName);
  read.Flag("EOL", &IDPMFileInfo::get_EOL);
  read.Texts("UserString", &IDPMFileInfo::get_UserStringCount, &IDPMFileInfo::get_UserString);
  read.SpokenInstructions();
  read.Flag("IsEncrypted", &IDPMFileInfo::get_IsEncrypted);
  std::vector<DictationProperty> properties = read.Take();
  Annotate(properties);
  return properties;
}

nlohmann::ordered_json CDictationProperties::Json(const std::vector<DictationProperty>& properties) {
  nlohmann::ordered_json document = nlohmann::ordered_json::object();
  nlohmann::ordered_json unreadable = nlohmann::ordered_json::object();
  for (const DictationProperty& property : properties) {
    if (SUCCEEDED(property.result)) document[property.name] = property.value;
    else unreadable[property.name] = CResultText::Of(property.result);
  }
  if (!unreadable.empty()) document["unreadable"] = unreadable;
  return document;
}

std::vector<std::string> CDictationProperties::Lines(const std::vector<DictationProperty>& properties) {
  std::vector<std::string> lines;
  for (const DictationProperty& property : properties) lines.push_back(property.name + ": " + property.text);
  return lines;
}
