// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DictationFile.h"

#include <sys/stat.h>

#include "component/files/DictationRules.h"
#include "component/files/DssAudio.h"
#include "component/recorders/FileAccess.h"
#include "component/recorders/RecordersRoot.h"
#include "device/DpmResults.h"

namespace {

HRESULT LoadCompanion(const std::string& path, FileLinks links, DictationCompanion* companion) {
  std::string text;
  HRESULT hr = ReadWholeFile(CompanionPathOf(path), kMaxCompanionBytes, &text, links);
  if (hr == dpmCtrlFileNotFound) return S_OK;  // none: every value at its default
  if (FAILED(hr)) return hr == dpmCtrlInvalidFile || hr == dpmCtrlAccessDenied ? dpmCtrlInvalidFile : hr;
  return CompanionFromJson(text, companion);
}

}  // namespace

DictationFile::DictationFile(std::string path)
    : m_path(std::move(path)), m_links(LinksAt(m_path)) {}

HRESULT DictationFile::Load(DictationSnapshot* snapshot) const {
  // The header and the frame count are read in parts: the audio is never held whole.
  Descriptor fd;
  struct stat st {};
  if (HRESULT hr = OpenReadableFile(m_path, kMaxDictationBytes, &fd, &st, m_links); FAILED(hr)) return hr;
  std::string head;
  if (HRESULT hr = ReadAt(fd.Get(), 0, kDssMaxHeaderBytes, &head); FAILED(hr)) return hr;
  DictationSnapshot s;
  s.modified = st.st_mtime;
  if (HasDs2Signature(head)) {
    s.type = kFileTypeNonDpm2;
  } else if (HasDssSignature(head)) {
    if (HRESULT hr = ReadDssHeader(head, &s.header); FAILED(hr)) return hr;
    s.companion.compressionMode = DefaultCompressionMode(s.header.codec);
    if (HRESULT hr = LoadCompanion(m_path, m_links, &s.companion); FAILED(hr)) return hr;
    std::uint8_t codec = 0;
    if (!CodecOfCompressionMode(s.companion.compressionMode, &codec) || codec != s.header.codec)
      return dpmCtrlInvalidFile;
    s.type = s.companion.instruction ? kFileTypeInstruction : kFileTypeDictation;
    if (HRESULT hr = CountDssFrames(fd.Get(), s.header.Bytes(), s.header.codec, &s.frames); FAILED(hr)) return hr;
    s.lengthMs = DssMilliseconds(s.header.codec, s.frames);
  }
  *snapshot = std::move(s);
  return S_OK;
}

HRESULT DictationFile::LoadDss(std::string* bytes, DssHeader* header) const {
  std::string data;
  if (HRESULT hr = ReadWholeFile(m_path, kMaxDictationBytes, &data, m_links); FAILED(hr)) return hr;
  if (HasDs2Signature(data)) return dpmCtrlAudioFormatNotSupported;
  if (HRESULT hr = ReadDssHeader(data, header); FAILED(hr)) return hr;
  *bytes = std::move(data);
  return S_OK;
}

HRESULT DictationFile::CheckWritable(DictationSnapshot* snapshot) const {
  if (HRESULT hr = Load(snapshot); FAILED(hr)) return hr;
  if (snapshot->type == kFileTypeNonDpm2) return dpmCtrlNotSupported;
  if (!snapshot->IsDss()) return dpmCtrlInvalidFile;
  struct stat st {};
  if (::stat(m_path.c_str(), &st) != 0) return dpmCtrlFileNotFound;
  if ((st.st_mode & 0222) == 0) return dpmCtrlFileReadOnly;  // root could write it; we do not
  return S_OK;
}

HRESULT DictationFile::StoreAuthor(std::string_view author) const {
  DictationSnapshot snapshot;
  if (HRESULT hr = CheckWritable(&snapshot); FAILED(hr)) return hr;
  std::string bytes;
  DssHeader header;
  if (HRESULT hr = LoadDss(&bytes, &header); FAILED(hr)) return hr;
  header.author = std::string(author);
  if (HRESULT hr = WriteDssHeader(header, &bytes); FAILED(hr)) return hr;
  return WriteFileAtomically(m_path, bytes, m_links);
}

HRESULT DictationFile::StoreCompanion(const DictationCompanion& companion) const {
  DictationSnapshot snapshot;
  if (HRESULT hr = CheckWritable(&snapshot); FAILED(hr)) return hr;
  return WriteFileAtomically(CompanionPathOf(m_path), CompanionToJson(companion), m_links);
}
