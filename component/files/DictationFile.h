// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One file as the dictation-file operations see it: what kind it is, its DSS header, its companion
// and the length of its audio. Loading reads the header and counts the frames in parts, never
// holding the audio (it must be a regular file of at most kMaxDictationBytes); writing replaces the
// header or the companion whole, or not at all, and never changes a byte of the audio.
#include <ctime>
#include <string>
#include <string_view>

#include "component/files/DictationCompanion.h"
#include "component/files/DssHeader.h"
#include "component/recorders/FileAccess.h"
#include "platform/automation/Types.h"

inline constexpr size_t kMaxDictationBytes = 256u << 20;  // some 40 hours of Standard Play

// IDPMFileInfo::get_FileType.
enum DictationFileType : LONG {
  kFileTypeOther = 0,        // not a dictation at all
  kFileTypeNonDpm2 = 1,      // a DS2 dictation: recognised, but its format is not public
  kFileTypeDictation = 2,
  kFileTypeInstruction = 3,  // a DSS file of spoken instructions (its companion says so)
};

struct DictationSnapshot {
  LONG type = kFileTypeOther;
  std::time_t modified = 0;
  DssHeader header;  // the rest is only read for DSS files
  DictationCompanion companion;
  size_t frames = 0;
  LONG lengthMs = 0;

  bool IsDss() const { return type == kFileTypeDictation || type == kFileTypeInstruction; }
};

class DictationFile {
 public:
  // A file in a recorder folder, or its companion, is never read through a link (dpmCtrlInvalidFile);
  // elsewhere the path is the user's choice and may be one.
  explicit DictationFile(std::string path);

  const std::string& Path() const { return m_path; }

  // The file as it is now: FileAccess.h's codes when it cannot be read; dpmCtrlInvalidFile when a
  // DSS file's header or its companion is damaged.
  HRESULT Load(DictationSnapshot* snapshot) const;
  // The file's bytes and header, for the tasks: dpmCtrlInvalidFile unless a sound DSS file,
  // dpmCtrlAudioFormatNotSupported for a DS2 file.
  HRESULT LoadDss(std::string* bytes, DssHeader* header) const;
  // Writes the header's author (bytes as stored). dpmCtrlInvalidFile unless a DSS dictation,
  // dpmCtrlNotSupported for DS2, dpmCtrlFileReadOnly for a file without write permission.
  HRESULT StoreAuthor(std::string_view author) const;
  // Replaces the companion, with the same refusals.
  HRESULT StoreCompanion(const DictationCompanion& companion) const;

 private:
  // S_OK when the file may be written; the failure code otherwise.
  HRESULT CheckWritable(DictationSnapshot* snapshot) const;

  std::string m_path;
  FileLinks m_links;
};
