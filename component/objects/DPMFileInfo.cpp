// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/objects/DPMFileInfo.h"

#include "component/files/DictationPaths.h"
#include "component/files/DictationRules.h"
#include "component/files/DictationTime.h"
#include "component/models/TextRules.h"
#include "device/DpmResults.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Variant.h"

namespace {

HRESULT NewText(std::u16string_view text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT NewAsciiText(const std::string& text, BSTR* out) { return NewText(AnsiToWide(text), out); }

HRESULT Number(LONG source, LONG* out) {
  if (!out) return E_POINTER;
  *out = source;
  return S_OK;
}

HRESULT Flag(bool source, VARIANT_BOOL* out) {
  if (!out) return E_POINTER;
  *out = source ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

// Characters that cannot be in a date or time text at all, as against a text of the wrong shape.
HRESULT CheckDateTimeText(std::u16string_view text, bool date, bool (*valid)(std::string_view)) {
  for (char16_t c : text)
    if (!(c >= u'0' && c <= u'9') && c != (date ? u'-' : u':')) return dpmCtrlInvalidCharacter;
  return text.empty() || valid(Utf8FromUtf16(text)) ? S_OK : E_INVALIDARG;
}

LONG UsedSlots(const std::vector<std::u16string>& texts) {
  size_t used = texts.size();
  while (used > 0 && texts[used - 1].empty()) --used;
  return static_cast<LONG>(used);
}

}  // namespace

DPMFileInfo::DPMFileInfo(std::atomic<long>* moduleObjects, std::string path)
    : ComObject(moduleObjects), m_path(std::move(path)) {}

DPMFileInfo::Stamp DPMFileInfo::StampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  return {true, st.st_dev, st.st_ino, st.st_size,
          static_cast<long long>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec};
}

HRESULT DPMFileInfo::Load() {
  const DictationSnapshot* snapshot = nullptr;
  return Current(&snapshot);
}

HRESULT DPMFileInfo::Current(const DictationSnapshot** snapshot) {
  const Stamp dictation = StampOf(m_path), companion = StampOf(CompanionPathOf(m_path));
  if (!m_loaded || !(dictation == m_dictationStamp) || !(companion == m_companionStamp) || !dictation.present) {
    m_loaded = false;
    if (HRESULT hr = DictationFile(m_path).Load(&m_snapshot); FAILED(hr)) return hr;
    m_dictationStamp = dictation;
    m_companionStamp = companion;
    m_loaded = true;
  }
  *snapshot = &m_snapshot;
  return S_OK;
}

HRESULT DPMFileInfo::Dss(const DictationSnapshot** snapshot) {
  if (HRESULT hr = Current(snapshot); FAILED(hr)) return hr;
  if ((*snapshot)->type == kFileTypeNonDpm2) return dpmCtrlNotSupported;
  return (*snapshot)->IsDss() ? S_OK : dpmCtrlInvalidFile;
}

template <class Pick>
HRESULT DPMFileInfo::DssText(BSTR* value, Pick pick) {
  if (!value) return E_POINTER;
  *value = nullptr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  return NewText(pick(*snapshot), value);
}

template <class Pick>
HRESULT DPMFileInfo::DssNumber(LONG* value, Pick pick) {
  if (!value) return E_POINTER;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  return Number(pick(*snapshot), value);
}

template <class Change>
HRESULT DPMFileInfo::ChangeCompanion(Change change) {
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  DictationCompanion changed = snapshot->companion;
  change(changed);
  if (changed == snapshot->companion) return S_OK;
  return DictationFile(m_path).StoreCompanion(changed);
}

std::string DPMFileInfo::InstructionPath(const DictationSnapshot& snapshot) const {
  const std::string& name = snapshot.companion.instructionFile;
  return name.empty() ? std::string() : FolderOfPath(m_path) + "/" + name;
}

HRESULT DPMFileInfo::get_FileName(BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Current(&snapshot); FAILED(hr)) return hr;
  std::u16string name;
  if (!Utf16FromUtf8(NameOfPath(m_path), &name)) name = AnsiToWide(NameOfPath(m_path));
  return NewText(name, value);
}

HRESULT DPMFileInfo::get_FileType(LONG* value) {
  if (!value) return E_POINTER;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Current(&snapshot); FAILED(hr)) return hr;
  return Number(snapshot->type, value);
}

HRESULT DPMFileInfo::get_LastModifiedDate(BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Current(&snapshot); FAILED(hr)) return hr;
  return NewAsciiText(LocalDateText(snapshot->modified), value);
}

HRESULT DPMFileInfo::get_LastModifiedTime(BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Current(&snapshot); FAILED(hr)) return hr;
  return NewAsciiText(LocalTimeText(snapshot->modified), value);
}

HRESULT DPMFileInfo::get_JobNumber(LONG* value) {
  return DssNumber(value, [](const DictationSnapshot& s) { return s.companion.jobNumber; });
}

HRESULT DPMFileInfo::RecordingTime(bool start, bool date, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  const std::string& digits = start ? snapshot->header.recordingStart : snapshot->header.recordingEnd;
  if (digits.empty()) return NewAsciiText({}, value);
  DictationTime time;
  if (!DictationTime::FromDigits(digits, &time)) return dpmCtrlInvalidFile;
  return NewAsciiText(date ? time.DateText() : time.TimeText(), value);
}

HRESULT DPMFileInfo::get_RecordingStartDate(BSTR* value) { return RecordingTime(true, true, value); }
HRESULT DPMFileInfo::get_RecordingStartTime(BSTR* value) { return RecordingTime(true, false, value); }
HRESULT DPMFileInfo::get_RecordingEndDate(BSTR* value) { return RecordingTime(false, true, value); }
HRESULT DPMFileInfo::get_RecordingEndTime(BSTR* value) { return RecordingTime(false, false, value); }

HRESULT DPMFileInfo::get_DictationLength(LONG* value) {
  return DssNumber(value, [](const DictationSnapshot& s) { return s.lengthMs; });
}

HRESULT DPMFileInfo::get_Author(BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  for (char c : snapshot->header.author)
    if (static_cast<unsigned char>(c) < 0x20) return dpmCtrlInvalidFile;  // no text has control characters
  return NewAsciiText(snapshot->header.author, value);
}

HRESULT DPMFileInfo::put_Author(BSTR value) {
  const std::u16string_view text = ViewOf(value);
  if (HRESULT hr = CheckDictationText(text, kAuthorChars, true); FAILED(hr)) return hr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  const std::string author = WideToAnsi(text);  // printable ASCII: one byte each
  if (author == snapshot->header.author) return S_OK;
  return DictationFile(m_path).StoreAuthor(author);
}

HRESULT DPMFileInfo::get_Priority(LONG* value) {
  return DssNumber(value, [](const DictationSnapshot& s) { return s.companion.priority; });
}

HRESULT DPMFileInfo::put_Priority(LONG value) {
  if (value < 0 || value > kMaxPriority) return E_INVALIDARG;
  return ChangeCompanion([&](DictationCompanion& c) { c.priority = value; });
}

HRESULT DPMFileInfo::get_ProductId(LONG* value) {
  return DssNumber(value, [](const DictationSnapshot& s) { return s.companion.productId; });
}

HRESULT DPMFileInfo::get_MACAddress(BSTR* value) {
  return DssText(value, [](const DictationSnapshot& s) { return AnsiToWide(s.companion.macAddress); });
}

HRESULT DPMFileInfo::get_FirmwareVersion(BSTR* value) {
  return DssText(value, [](const DictationSnapshot& s) { return AnsiToWide(s.companion.firmwareVersion); });
}

HRESULT DPMFileInfo::get_CompressionMode(LONG* value) {
  return DssNumber(value, [](const DictationSnapshot& s) { return s.companion.compressionMode; });
}

HRESULT DPMFileInfo::get_DownloadDate(BSTR* value) {
  return DssText(value, [](const DictationSnapshot& s) { return AnsiToWide(s.companion.downloadDate); });
}

HRESULT DPMFileInfo::get_DownloadTime(BSTR* value) {
  return DssText(value, [](const DictationSnapshot& s) { return AnsiToWide(s.companion.downloadTime); });
}

HRESULT DPMFileInfo::put_DownloadDate(BSTR value) {
  if (HRESULT hr = CheckDateTimeText(ViewOf(value), true, &IsDateText); FAILED(hr)) return hr;
  const std::string text = Utf8FromUtf16(ViewOf(value));
  return ChangeCompanion([&](DictationCompanion& c) { c.downloadDate = text; });
}

HRESULT DPMFileInfo::put_DownloadTime(BSTR value) {
  if (HRESULT hr = CheckDateTimeText(ViewOf(value), false, &IsTimeText); FAILED(hr)) return hr;
  const std::string text = Utf8FromUtf16(ViewOf(value));
  return ChangeCompanion([&](DictationCompanion& c) { c.downloadTime = text; });
}

HRESULT DPMFileInfo::get_BarcodeString(BSTR* value) {
  return DssText(value, [](const DictationSnapshot& s) { return s.companion.barcode; });
}

HRESULT DPMFileInfo::Count(const std::vector<std::u16string> DictationCompanion::*list, LONG* value) {
  if (!value) return E_POINTER;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  return Number(UsedSlots(snapshot->companion.*list), value);
}

HRESULT DPMFileInfo::Texts(const std::vector<std::u16string> DictationCompanion::*list, LONG index, int slots,
                           BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  if (index < 0 || index >= slots) return E_INVALIDARG;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  const auto& texts = snapshot->companion.*list;
  return NewText(static_cast<size_t>(index) < texts.size() ? texts[static_cast<size_t>(index)] : u"", value);
}

HRESULT DPMFileInfo::PutText(std::vector<std::u16string> DictationCompanion::*list, LONG index, int slots,
                             int maxChars, BSTR value) {
  if (index < 0 || index >= slots) return E_INVALIDARG;
  const std::u16string_view text = ViewOf(value);
  if (HRESULT hr = CheckDictationText(text, maxChars); FAILED(hr)) return hr;
  return ChangeCompanion([&](DictationCompanion& c) {
    auto& texts = c.*list;
    if (texts.size() <= static_cast<size_t>(index)) {
      if (text.empty()) return;  // an empty slot past the end is there already
      texts.resize(static_cast<size_t>(index) + 1);
    }
    texts[static_cast<size_t>(index)] = std::u16string(text);
  });
}

HRESULT DPMFileInfo::get_KeywordUsageCount(LONG* value) { return Count(&DictationCompanion::keywordUsage, value); }

HRESULT DPMFileInfo::get_KeywordUsageString(LONG index, BSTR* value) {
  return Texts(&DictationCompanion::keywordUsage, index, kKeywordSlots, value);
}

HRESULT DPMFileInfo::put_KeywordUsageString(LONG index, BSTR value) {
  return PutText(&DictationCompanion::keywordUsage, index, kKeywordSlots, kKeywordUsageChars, value);
}

HRESULT DPMFileInfo::get_KeywordContentCount(LONG* value) { return Count(&DictationCompanion::keywordContent, value); }

HRESULT DPMFileInfo::get_KeywordContentString(LONG index, BSTR* value) {
  return Texts(&DictationCompanion::keywordContent, index, kKeywordSlots, value);
}

HRESULT DPMFileInfo::put_KeywordContentString(LONG index, BSTR value) {
  return PutText(&DictationCompanion::keywordContent, index, kKeywordSlots, kKeywordContentChars, value);
}

HRESULT DPMFileInfo::get_UserString(LONG index, BSTR* value) {
  return Texts(&DictationCompanion::userStrings, index, kUserStringSlots, value);
}

HRESULT DPMFileInfo::put_UserString(LONG index, BSTR value) {
  return PutText(&DictationCompanion::userStrings, index, kUserStringSlots, kUserStringChars, value);
}

HRESULT DPMFileInfo::get_UserStringCount(LONG* value) { return Count(&DictationCompanion::userStrings, value); }

HRESULT DPMFileInfo::get_InstructionFileExists(VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  const std::string path = InstructionPath(*snapshot);
  return Flag(!path.empty() && StampOf(path).present && !IsFolder(path), value);
}

HRESULT DPMFileInfo::get_InstructionFileName(BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  std::u16string name;
  Utf16FromUtf8(snapshot->companion.instructionFile, &name);
  return NewText(name, value);
}

HRESULT DPMFileInfo::get_InstructionLength(LONG* value) {
  if (!value) return E_POINTER;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  const std::string path = InstructionPath(*snapshot);
  if (path.empty() || !StampOf(path).present) return Number(0, value);
  DictationSnapshot instruction;
  if (HRESULT hr = DictationFile(path).Load(&instruction); FAILED(hr)) return hr;
  if (!instruction.IsDss()) return dpmCtrlInvalidFile;
  return Number(instruction.lengthMs, value);
}

HRESULT DPMFileInfo::get_EOL(VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  return Flag(snapshot->companion.endOfLetter, value);
}

HRESULT DPMFileInfo::put_EOL(VARIANT_BOOL value) {
  return ChangeCompanion([&](DictationCompanion& c) { c.endOfLetter = value != VARIANT_FALSE; });
}

HRESULT DPMFileInfo::get_SpokenInstructionList(VARIANT* list) {
  if (!list) return E_POINTER;
  VariantInit(list);
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  const auto& ranges = snapshot->companion.spokenInstructions;
  if (ranges.empty()) return S_OK;
  const SAFEARRAYBOUND bounds[2] = {{2, 0}, {static_cast<ULONG>(ranges.size()), 0}};
  SafeArrayHolder array(SafeArrayCreate(VT_I4, 2, bounds));
  if (!array.Get()) return E_OUTOFMEMORY;
  for (LONG r = 0; r < static_cast<LONG>(ranges.size()); ++r)
    for (LONG c = 0; c < 2; ++c) {
      const LONG index[2] = {c, r};
      if (HRESULT hr = SafeArrayPutElement(array.Get(), index, &ranges[static_cast<size_t>(r)][static_cast<size_t>(c)]);
          FAILED(hr))
        return hr;
    }
  list->vt = VT_ARRAY | VT_I4;
  list->parray = array.Detach();
  return S_OK;
}

HRESULT DPMFileInfo::get_IsEncrypted(VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  const DictationSnapshot* snapshot = nullptr;
  if (HRESULT hr = Dss(&snapshot); FAILED(hr)) return hr;
  return Flag(false, value);  // DSS files are never encrypted; encrypted recordings are DS2
}
