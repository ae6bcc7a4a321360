// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DssHeader.h"

#include "device/DpmResults.h"

namespace {

constexpr size_t kAuthorAt = 0x0C;
constexpr size_t kStartAt = 0x26;
constexpr size_t kEndAt = 0x32;
constexpr size_t kTimeBytes = 12;
constexpr size_t kCodecAt = 0x2A4;
constexpr size_t kCommentAt = 0x31E;

bool IsPadding(char c) { return c == '\0' || c == ' '; }

// A padded text field: up to the first zero, trailing blanks dropped.
std::string PaddedText(std::string_view file, size_t at, size_t size) {
  std::string_view field = file.substr(at, size);
  field = field.substr(0, field.find('\0'));
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  return std::string(field);
}

std::string TimeField(std::string_view file, size_t at) {
  std::string_view field = file.substr(at, kTimeBytes);
  for (char c : field)
    if (!IsPadding(c)) return std::string(field);
  return {};
}

void Put(std::string* file, size_t at, size_t size, std::string_view value) {
  file->replace(at, value.size(), value);
  file->replace(at + value.size(), size - value.size(), size - value.size(), '\0');
}

}  // namespace

bool HasDssSignature(std::string_view file) {
  return file.size() >= 4 && (file[0] == 2 || file[0] == 3) && file.substr(1, 3) == "dss";
}

bool HasDs2Signature(std::string_view file) { return file.size() >= 4 && file.substr(1, 3) == "ds2"; }

HRESULT ReadDssHeader(std::string_view file, DssHeader* header) {
  if (!HasDssSignature(file)) return dpmCtrlInvalidFile;
  DssHeader h;
  h.version = file[0];
  if (file.size() < h.Bytes()) return dpmCtrlInvalidFile;
  h.author = PaddedText(file, kAuthorAt, kDssAuthorBytes);
  h.recordingStart = TimeField(file, kStartAt);
  h.recordingEnd = TimeField(file, kEndAt);
  h.codec = static_cast<std::uint8_t>(file[kCodecAt]);
  if (h.codec != kDssCodecStandardPlay && h.codec != kDssCodecLongPlay) return dpmCtrlInvalidFile;
  h.comment = PaddedText(file, kCommentAt, kDssCommentBytes);
  *header = std::move(h);
  return S_OK;
}

HRESULT WriteDssHeader(const DssHeader& header, std::string* file) {
  DssHeader current;
  if (FAILED(ReadDssHeader(*file, &current)) || current.version != header.version) return E_INVALIDARG;
  const bool timesFit = (header.recordingStart.empty() || header.recordingStart.size() == kTimeBytes) &&
                        (header.recordingEnd.empty() || header.recordingEnd.size() == kTimeBytes);
  const bool textsFit = header.author.size() <= kDssAuthorBytes && header.comment.size() <= kDssCommentBytes &&
                        header.author.find('\0') == std::string::npos &&
                        header.comment.find('\0') == std::string::npos;
  if (!timesFit || !textsFit ||
      (header.codec != kDssCodecStandardPlay && header.codec != kDssCodecLongPlay))
    return E_INVALIDARG;
  // Everything is checked: the writes below cannot fail half way.
  Put(file, kAuthorAt, kDssAuthorBytes, header.author);
  Put(file, kStartAt, kTimeBytes, header.recordingStart);
  Put(file, kEndAt, kTimeBytes, header.recordingEnd);
  (*file)[kCodecAt] = static_cast<char>(header.codec);
  Put(file, kCommentAt, kDssCommentBytes, header.comment);
  return S_OK;
}

HRESULT NewDssFile(const DssHeader& header, std::string* file) {
  if (header.version != 2 && header.version != 3) return E_INVALIDARG;
  std::string bytes(header.Bytes(), '\0');
  bytes[0] = static_cast<char>(header.version);
  bytes.replace(1, 3, "dss");
  bytes[kCodecAt] = static_cast<char>(header.codec);
  if (HRESULT hr = WriteDssHeader(header, &bytes); FAILED(hr)) return hr;
  *file = std::move(bytes);
  return S_OK;
}
