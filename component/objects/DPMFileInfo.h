// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IDPMFileInfo: the properties of one file, read from the file each time it has changed (a cached
// copy serves while its dictation and companion stay as they are).
//
// Every file answers FileName (its name without the folder), FileType and the last-modified date and
// time. The other properties belong to DSS dictations: for another file they fail with
// dpmCtrlInvalidFile, for a DS2 file with dpmCtrlNotSupported. A file that has gone gives
// dpmCtrlFileNotFound, one that is damaged dpmCtrlInvalidFile, never a guess.
//
// Units and texts: lengths in milliseconds; dates "YYYY-MM-DD", times "hh:mm:ss" (empty when not
// recorded); the spoken instructions as start and end in milliseconds. Writable properties are
// checked before anything is written (DictationRules.h): an index outside its slots is E_INVALIDARG,
// a character the display cannot show dpmCtrlInvalidCharacter (the author takes printable ASCII
// only), a text past its length dpmCtrlMaximumReached, a priority outside 0-15 or a malformed date or
// time E_INVALIDARG. A write that changes nothing writes nothing.
#include <string>
#include <sys/stat.h>

#include "component/files/DictationFile.h"
#include "component/objects/DualInterface.h"
#include "device/IDPMFileInfo.h"
#include "platform/automation/ComObject.h"

class DPMFileInfo : public ComObject<DPMFileInfo, DualInterface<IDPMFileInfo>> {
 public:
  DPMFileInfo(std::atomic<long>* moduleObjects, std::string path);

  // Loads the file the object describes; what get_IDPMFileInfo returns when it fails.
  HRESULT Load();

  HRESULT get_FileName(BSTR* value) override;
  HRESULT get_FileType(LONG* value) override;
  HRESULT get_LastModifiedDate(BSTR* value) override;
  HRESULT get_LastModifiedTime(BSTR* value) override;
  HRESULT get_JobNumber(LONG* value) override;
  HRESULT get_RecordingStartDate(BSTR* value) override;
  HRESULT get_RecordingStartTime(BSTR* value) override;
  HRESULT get_RecordingEndDate(BSTR* value) override;
  HRESULT get_RecordingEndTime(BSTR* value) override;
  HRESULT get_DictationLength(LONG* value) override;
  HRESULT get_Author(BSTR* value) override;
  HRESULT put_Author(BSTR value) override;
  HRESULT get_Priority(LONG* value) override;
  HRESULT put_Priority(LONG value) override;
  HRESULT get_ProductId(LONG* value) override;
  HRESULT get_MACAddress(BSTR* value) override;
  HRESULT get_FirmwareVersion(BSTR* value) override;
  HRESULT get_CompressionMode(LONG* value) override;
  HRESULT get_DownloadDate(BSTR* value) override;
  HRESULT get_DownloadTime(BSTR* value) override;
  HRESULT get_BarcodeString(BSTR* value) override;
  HRESULT get_KeywordUsageCount(LONG* value) override;
  HRESULT get_KeywordUsageString(LONG index, BSTR* value) override;
  HRESULT put_KeywordUsageString(LONG index, BSTR value) override;
  HRESULT get_KeywordContentCount(LONG* value) override;
  HRESULT get_KeywordContentString(LONG index, BSTR* value) override;
  HRESULT put_KeywordContentString(LONG index, BSTR value) override;
  HRESULT get_InstructionFileExists(VARIANT_BOOL* value) override;
  HRESULT get_InstructionLength(LONG* value) override;
  HRESULT get_EOL(VARIANT_BOOL* value) override;
  HRESULT put_EOL(VARIANT_BOOL value) override;
  HRESULT get_UserString(LONG index, BSTR* value) override;
  HRESULT put_UserString(LONG index, BSTR value) override;
  HRESULT get_UserStringCount(LONG* value) override;
  HRESULT get_InstructionFileName(BSTR* value) override;
  HRESULT put_DownloadDate(BSTR value) override;
  HRESULT put_DownloadTime(BSTR value) override;
  HRESULT get_SpokenInstructionList(VARIANT* list) override;
  HRESULT get_IsEncrypted(VARIANT_BOOL* value) override;

 private:
  struct Stamp {
    bool present = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long changed = 0;  // ns of the last change of content or status

    bool operator==(const Stamp&) const = default;
  };
  static Stamp StampOf(const std::string& path);

  // The file as it is now, any kind.
  HRESULT Current(const DictationSnapshot** snapshot);
  // The file as it is now, which must be a DSS dictation or instruction file.
  HRESULT Dss(const DictationSnapshot** snapshot);
  HRESULT RecordingTime(bool start, bool date, BSTR* value);
  HRESULT Texts(const std::vector<std::u16string> DictationCompanion::*list, LONG index, int slots, BSTR* value);
  HRESULT Count(const std::vector<std::u16string> DictationCompanion::*list, LONG* value);
  HRESULT PutText(std::vector<std::u16string> DictationCompanion::*list, LONG index, int slots, int maxChars,
                  BSTR value);
  // A text or number of a DSS file's snapshot.
  template <class Pick>
  HRESULT DssText(BSTR* value, Pick pick);
  template <class Pick>
  HRESULT DssNumber(LONG* value, Pick pick);
  // Writes the companion with `change` made, unless that changes nothing.
  template <class Change>
  HRESULT ChangeCompanion(Change change);
  std::string InstructionPath(const DictationSnapshot& snapshot) const;

  std::string m_path;
  Stamp m_dictationStamp;
  Stamp m_companionStamp;
  DictationSnapshot m_snapshot;
  bool m_loaded = false;
};
