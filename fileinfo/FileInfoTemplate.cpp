// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileinfo/FileInfoTemplate.h"

#include "fileinfo/FileInfoIds.h"

namespace {

ControlTemplate Field(int id, int x, int y, int cx, int cy) { return Edit(id, x, y, cx, cy); }
ControlTemplate ReadOnly(int id, int x, int y, int cx, int cy) { return Edit(id, x, y, cx, cy).Style(ES_READONLY); }

std::vector<ControlTemplate> Controls() {
  std::vector<ControlTemplate> c = {
      LText("Filename:", 5, 13, 36, 8),
      ReadOnly(IDC_FI_FILENAME, 42, 10, 150, 15),
      LText("File Type:", 5, 34, 36, 8),
      ReadOnly(IDC_FI_FILE_TYPE, 42, 31, 149, 15),
      LText("Product Id:", 196, 13, 38, 8),
      ReadOnly(IDC_FI_PRODUCT_ID, 235, 10, 49, 15),
      LText("Firmware:", 196, 34, 38, 8),
      ReadOnly(IDC_FI_FIRMWARE, 235, 31, 49, 15),
      LText("MAC: Address", 288, 9, 45, 17),
      ReadOnly(IDC_FI_MAC_ADDRESS, 334, 10, 49, 15),
      LText("Job Number:", 288, 34, 45, 8),
      ReadOnly(IDC_FI_JOB_NUMBER, 334, 31, 47, 15),
      LText("ComprMode:", 388, 13, 44, 8),
      ReadOnly(IDC_FI_COMPRESSION_MODE, 433, 10, 132, 15),
      LText("Barcode:", 388, 34, 44, 8),
      ReadOnly(IDC_FI_BARCODE, 433, 31, 132, 15),

      GroupBox("Date/Time", 7, 53, 376, 81),
      LText("Last Modified Date:", 12, 69, 78, 8),
      ReadOnly(IDC_FI_LAST_MODIFIED_DATE, 91, 66, 47, 15),
      LText("Last Modified Time:", 142, 69, 72, 8),
      ReadOnly(IDC_FI_LAST_MODIFIED_TIME, 215, 66, 47, 15),
      LText("Download Date:", 266, 69, 59, 8),
      Field(IDC_FI_DOWNLOAD_DATE, 326, 66, 48, 15),
      LText("Recording Start Date:", 12, 89, 78, 8),
      ReadOnly(IDC_FI_RECORDING_START_DATE, 91, 86, 47, 15),
      LText("Recording Start Time:", 142, 89, 72, 8),
      ReadOnly(IDC_FI_RECORDING_START_TIME, 215, 86, 47, 15),
      LText("Download Time:", 266, 89, 59, 8),
      Field(IDC_FI_DOWNLOAD_TIME, 326, 86, 48, 15),
      LText("Recording End Date:", 12, 108, 78, 8),
      ReadOnly(IDC_FI_RECORDING_END_DATE, 91, 105, 47, 15),
      LText("Recording End Time:", 142, 108, 72, 8),
      ReadOnly(IDC_FI_RECORDING_END_TIME, 215, 105, 47, 15),
      LText("Dictation Len:", 266, 108, 59, 8),
      ReadOnly(IDC_FI_DICTATION_LENGTH, 326, 105, 48, 15),

      GroupBox("Instruction File", 399, 53, 169, 81),
      LText("Instruction File Exists:", 404, 71, 78, 8),
      ReadOnly(IDC_FI_INSTRUCTION_FILE_EXISTS, 483, 68, 31, 15),
      LText("Instruction Filename:", 404, 92, 78, 8),
      ReadOnly(IDC_FI_INSTRUCTION_FILENAME, 483, 89, 78, 15),
      LText("Instruction Length:", 404, 113, 78, 8),
      ReadOnly(IDC_FI_INSTRUCTION_LENGTH, 483, 110, 44, 15),

      LText("Author:", 5, 158, 55, 8),
      Field(IDC_FI_AUTHOR, 61, 156, 130, 12),
      LText("Priority:", 5, 175, 55, 8),
      Field(IDC_FI_PRIORITY, 61, 173, 34, 12),
      LText("EOL:", 105, 175, 22, 8),
      Field(IDC_FI_EOL, 128, 173, 34, 12),
      LText("User String 1:", 5, 208, 55, 8),
      Field(IDC_FI_USER_STRING_FIRST, 61, 206, 130, 12),
      LText("User String 2:", 5, 225, 55, 8),
      Field(IDC_FI_USER_STRING_FIRST + 1, 61, 223, 130, 12),
      LText("User String Count:", 5, 241, 64, 8),
      ReadOnly(IDC_FI_USER_STRING_COUNT, 70, 238, 21, 15),

      LText("Keyword Usage Strings:", 215, 145, 141, 8),
      LText("Keyword Usage Count:", 215, 237, 78, 17),
      ReadOnly(IDC_FI_KEYWORD_USAGE_COUNT, 294, 238, 21, 15),
      LText("Keyword Content Strings:", 372, 145, 141, 8),
      LText("Keyword Content Count:", 372, 237, 79, 17),
      ReadOnly(IDC_FI_KEYWORD_CONTENT_COUNT, 452, 238, 23, 15),

      CheckBox(IDC_FI_IS_ENCRYPTED, "Is Encrypted", 372, 269, 53, 10).Style(BS_LEFTTEXT),
      PushButton(IDC_FI_GET_ALL, "get (all)", 20, 269, 103, 15),
      PushButton(IDC_FI_PUT_ALL, "put (all writable fields)", 132, 269, 103, 15),
      PushButton(IDC_FI_SPOKEN_INSTRUCTIONS, "Spoken Instructions", 244, 269, 103, 15),
      DefPushButton(IDOK, "OK", 515, 276, 50, 14),
  };
  constexpr int kUsageY[kFileInfoKeywordFields] = {156, 173, 190, 206, 223};
  constexpr int kContentY[kFileInfoKeywordFields] = {156, 172, 191, 207, 223};
  for (int n = 0; n < kFileInfoKeywordFields; ++n) {
    c.push_back(Field(IDC_FI_KEYWORD_USAGE_FIRST + n, 215, kUsageY[n], 141, 12)
                    .Label("Keyword Usage String " + std::to_string(n + 1)));
    c.push_back(Field(IDC_FI_KEYWORD_CONTENT_FIRST + n, 372, kContentY[n], 141, 12)
                    .Label("Keyword Content String " + std::to_string(n + 1)));
  }
  return c;
}

}  // namespace

const DialogTemplate& FileInfoTemplate() {
  static const DialogTemplate kTemplate{.id = IDD_FILEINFO,
                                        .caption = "FileInfo",
                                        .cx = 573,
                                        .cy = 306,
                                        .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                        .exStyle = 0,
                                        .controls = Controls()};
  return kTemplate;
}
