// SPDX-License-Identifier: GPL-3.0-or-later
// The file information of dictations and the file lists of folders, through the module.
#include <filesystem>
#include <sys/stat.h>

#include "component/files/DssHeader.h"
#include "platform/automation/SafeArray.h"
#include "tests/component/files/FilesFixture.h"

namespace {

namespace fs = std::filesystem;

std::string Backslashed(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

TEST_F(FilesTest, EveryPropertyOfARecordedDictation) {
  const std::string path = Record("10 2-3.5");
  ComPtr<IDPMFileInfo> info = Info(Backslashed(path));  // as the program joins paths
  ASSERT_TRUE(info);
  Bstr text;
  LONG number = -1;
  VARIANT_BOOL flag = VARIANT_TRUE;
  auto textOf = [&](HRESULT (IDPMFileInfo::*get)(BSTR*)) {
    EXPECT_EQ((info.Get()->*get)(text.Receive()), S_OK);
    return TextOf(text);
  };
  auto numberOf = [&](HRESULT (IDPMFileInfo::*get)(LONG*)) {
    number = -1;
    EXPECT_EQ((info.Get()->*get)(&number), S_OK);
    return number;
  };
  EXPECT_EQ(textOf(&IDPMFileInfo::get_FileName), "DICT0001.DSS");
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_FileType), 2);
  EXPECT_EQ(textOf(&IDPMFileInfo::get_LastModifiedDate).size(), 10u);
  EXPECT_EQ(textOf(&IDPMFileInfo::get_LastModifiedTime).size(), 8u);
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_JobNumber), 1);

  DssHeader header;
  ASSERT_EQ(ReadDssHeader(ReadText(path), &header), S_OK);
  const std::string& end = header.recordingEnd;
  EXPECT_EQ(textOf(&IDPMFileInfo::get_RecordingEndDate), "20" + end.substr(0, 2) + "-" + end.substr(2, 2) + "-" + end.substr(4, 2));
  EXPECT_EQ(textOf(&IDPMFileInfo::get_RecordingEndTime), end.substr(6, 2) + ":" + end.substr(8, 2) + ":" + end.substr(10, 2));
  EXPECT_EQ(textOf(&IDPMFileInfo::get_RecordingStartDate).size(), 10u);
  EXPECT_EQ(textOf(&IDPMFileInfo::get_RecordingStartTime).size(), 8u);
  EXPECT_NEAR(numberOf(&IDPMFileInfo::get_DictationLength), 10000, 24);
  EXPECT_EQ(textOf(&IDPMFileInfo::get_Author), "DICT") << "a new recorder names files by its prefix";
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_Priority), 0);
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_ProductId), FindRecorderModel(27)->productId);
  ASSERT_EQ(control->Initialize(0), S_OK);
  Bstr mac;
  ASSERT_EQ(Device()->GetMACAddress(mac.Receive()), S_OK);
  EXPECT_EQ(textOf(&IDPMFileInfo::get_MACAddress), TextOf(mac));
  EXPECT_EQ(textOf(&IDPMFileInfo::get_FirmwareVersion), "4.2.17");
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_CompressionMode), 0);
  EXPECT_EQ(textOf(&IDPMFileInfo::get_DownloadDate), "");
  EXPECT_EQ(textOf(&IDPMFileInfo::get_DownloadTime), "");
  EXPECT_EQ(textOf(&IDPMFileInfo::get_BarcodeString), "");
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_KeywordUsageCount), 5);
  EXPECT_EQ(info->get_KeywordUsageString(0, text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "Author");
  EXPECT_EQ(info->get_KeywordUsageString(5, text.Receive()), E_INVALIDARG);
  EXPECT_EQ(info->get_KeywordContentString(0, text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "Author 1");
  EXPECT_EQ(info->get_UserString(1, text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "");
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_UserStringCount), 0);
  EXPECT_EQ(info->get_InstructionFileExists(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_FALSE);
  EXPECT_EQ(numberOf(&IDPMFileInfo::get_InstructionLength), 0);
  EXPECT_EQ(textOf(&IDPMFileInfo::get_InstructionFileName), "");
  EXPECT_EQ(info->get_EOL(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_FALSE);
  EXPECT_EQ(info->get_IsEncrypted(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_FALSE);

  Variant list;
  ASSERT_EQ(info->get_SpokenInstructionList(list.Get()), S_OK);
  ASSERT_EQ(list->vt, VT_ARRAY | VT_I4);
  ASSERT_EQ(SafeArrayGetDim(list->parray), 2u);
  LONG upper = -1, start = 0, stop = 0;
  EXPECT_EQ(SafeArrayGetUBound(list->parray, 1, &upper), S_OK);
  EXPECT_EQ(upper, 1);
  EXPECT_EQ(SafeArrayGetUBound(list->parray, 2, &upper), S_OK);
  EXPECT_EQ(upper, 0);
  const LONG first[2] = {0, 0}, second[2] = {1, 0};
  EXPECT_EQ(SafeArrayGetElement(list->parray, first, &start), S_OK);
  EXPECT_EQ(SafeArrayGetElement(list->parray, second, &stop), S_OK);
  EXPECT_EQ(start, 2000);
  EXPECT_EQ(stop, 3500);
}

TEST_F(FilesTest, WritablePropertiesReadBackAndNeverTouchTheAudio) {
  const std::string path = Record("3");
  const std::string audio = ReadText(path).substr(1024);
  ComPtr<IDPMFileInfo> info = Info(path);
  EXPECT_EQ(info->put_Author(Text("Dr. Who").Get()), S_OK);
  EXPECT_EQ(info->put_Priority(15), S_OK);
  EXPECT_EQ(info->put_EOL(VARIANT_TRUE), S_OK);
  EXPECT_EQ(info->put_DownloadDate(Text("2024-02-29").Get()), S_OK);
  EXPECT_EQ(info->put_DownloadTime(Text("07:05:00").Get()), S_OK);
  EXPECT_EQ(info->put_KeywordUsageString(4, Text("Client").Get()), S_OK);
  EXPECT_EQ(info->put_KeywordContentString(2, Text("\xC4rzte").Get()), S_OK);  // Latin-1 shows on the display
  EXPECT_EQ(info->put_UserString(7, Text("last slot").Get()), S_OK);

  ComPtr<IDPMFileInfo> again = Info(path);  // a fresh object reads the file, not a cache
  Bstr text;
  LONG number = 0;
  VARIANT_BOOL flag = 0;
  EXPECT_EQ(again->get_Author(text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "Dr. Who");
  EXPECT_EQ(again->get_Priority(&number), S_OK);
  EXPECT_EQ(number, 15);
  EXPECT_EQ(again->get_EOL(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_TRUE);
  EXPECT_EQ(again->get_DownloadDate(text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "2024-02-29");
  EXPECT_EQ(again->get_DownloadTime(text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "07:05:00");
  EXPECT_EQ(again->get_KeywordUsageString(4, text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "Client");
  EXPECT_EQ(again->get_KeywordContentString(2, text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "\xC4rzte");
  EXPECT_EQ(again->get_UserStringCount(&number), S_OK);
  EXPECT_EQ(number, 8);
  EXPECT_EQ(ReadText(path).substr(1024), audio);

  // The dialog writes every field, empty ones too: clearing works and an unchanged value writes nothing.
  EXPECT_EQ(again->put_UserString(7, Text("").Get()), S_OK);
  EXPECT_EQ(again->get_UserStringCount(&number), S_OK);
  EXPECT_EQ(number, 0);
  EXPECT_EQ(again->put_DownloadDate(Text("").Get()), S_OK);
  const auto stamp = fs::last_write_time(path + ".json");
  EXPECT_EQ(again->put_Priority(15), S_OK);
  EXPECT_EQ(fs::last_write_time(path + ".json"), stamp);
}

struct RefusedWrite {
  const char* name;
  HRESULT (*write)(IDPMFileInfo*);
  HRESULT result;
};

const RefusedWrite kRefusedWrites[] = {
    {"author of 17", [](IDPMFileInfo* i) { return i->put_Author(Text("12345678901234567").Get()); }, dpmCtrlMaximumReached},
    {"author in Latin-1", [](IDPMFileInfo* i) { return i->put_Author(Text("M\xFCller").Get()); }, dpmCtrlInvalidCharacter},
    {"author with a tab", [](IDPMFileInfo* i) { return i->put_Author(Text("a\tb").Get()); }, dpmCtrlInvalidCharacter},
    {"priority 16", [](IDPMFileInfo* i) { return i->put_Priority(16); }, E_INVALIDARG},
    {"priority -1", [](IDPMFileInfo* i) { return i->put_Priority(-1); }, E_INVALIDARG},
    {"keyword 5", [](IDPMFileInfo* i) { return i->put_KeywordUsageString(5, Text("x").Get()); }, E_INVALIDARG},
    {"keyword -1", [](IDPMFileInfo* i) { return i->put_KeywordContentString(-1, Text("x").Get()); }, E_INVALIDARG},
    {"keyword name of 17", [](IDPMFileInfo* i) { return i->put_KeywordUsageString(0, Text("12345678901234567").Get()); },
     dpmCtrlMaximumReached},
    {"keyword value of 21",
     [](IDPMFileInfo* i) { return i->put_KeywordContentString(0, Text("123456789012345678901").Get()); },
     dpmCtrlMaximumReached},
    {"keyword with a euro sign", [](IDPMFileInfo* i) { return i->put_KeywordContentString(0, Text("5 \x80").Get()); },
     dpmCtrlInvalidCharacter},
    {"user string 8", [](IDPMFileInfo* i) { return i->put_UserString(8, Text("x").Get()); }, E_INVALIDARG},
    {"user string of 21", [](IDPMFileInfo* i) { return i->put_UserString(0, Text("123456789012345678901").Get()); },
     dpmCtrlMaximumReached},
    {"date of Feb 30", [](IDPMFileInfo* i) { return i->put_DownloadDate(Text("2024-02-30").Get()); }, E_INVALIDARG},
    {"date with slashes", [](IDPMFileInfo* i) { return i->put_DownloadDate(Text("2024/02/03").Get()); },
     dpmCtrlInvalidCharacter},
    {"time of 25 o'clock", [](IDPMFileInfo* i) { return i->put_DownloadTime(Text("25:00:00").Get()); }, E_INVALIDARG},
    {"time without seconds", [](IDPMFileInfo* i) { return i->put_DownloadTime(Text("12:00").Get()); }, E_INVALIDARG},
};

class FileInfoRefusal : public FilesTest, public ::testing::WithParamInterface<RefusedWrite> {};

TEST_P(FileInfoRefusal, LeavesTheFileAndItsCompanionUnchanged) {
  const std::string path = Record("1");
  const std::string file = ReadText(path), companion = ReadText(path + ".json");
  ComPtr<IDPMFileInfo> info = Info(path);
  EXPECT_EQ(GetParam().write(info.Get()), GetParam().result);
  EXPECT_EQ(ReadText(path), file);
  EXPECT_EQ(ReadText(path + ".json"), companion);
  EXPECT_EQ(EntryCount(Card()), 2u) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(Rows, FileInfoRefusal, ::testing::ValuesIn(kRefusedWrites));

TEST_F(FilesTest, GoneDamagedAndForeignFilesAnswerWithCodesNotGuesses) {
  const std::string path = Record("1");
  ComPtr<IDPMFileInfo> info = Info(path);
  Bstr text;
  LONG number = 0;
  ComPtr<IDPMFileInfo> none;
  EXPECT_EQ(control->get_IDPMFileInfo(Text((Card() + "/nothing.dss").c_str()).Get(), none.ReleaseAndGetAddressOf()),
            dpmCtrlFileNotFound);
  EXPECT_EQ(control->get_IDPMFileInfo(Text((Card() + "/no/such.dss").c_str()).Get(), none.ReleaseAndGetAddressOf()),
            dpmCtrlPathNotFound);
  EXPECT_FALSE(none);

  WriteText(path + ".json", "{\"format\": ");  // damaged companion
  EXPECT_EQ(info->get_Priority(&number), dpmCtrlInvalidFile);
  EXPECT_EQ(control->get_IDPMFileInfo(Text(path.c_str()).Get(), none.ReleaseAndGetAddressOf()), dpmCtrlInvalidFile);
  fs::remove(path + ".json");
  EXPECT_EQ(info->get_Priority(&number), S_OK) << "no companion: the defaults";
  fs::remove(path);
  EXPECT_EQ(info->get_Author(text.Receive()), dpmCtrlFileNotFound);
  EXPECT_EQ(info->put_Priority(3), dpmCtrlFileNotFound);
  EXPECT_FALSE(fs::exists(path + ".json")) << "a write to a vanished file makes no companion";

  WriteText(scratch / "notes.txt", "not a dictation");
  ComPtr<IDPMFileInfo> other = Info(scratch / "notes.txt");
  EXPECT_EQ(other->get_FileType(&number), S_OK);
  EXPECT_EQ(number, 0);
  EXPECT_EQ(other->get_FileName(text.Receive()), S_OK);
  EXPECT_EQ(TextOf(text), "notes.txt");
  EXPECT_EQ(other->get_Author(text.Receive()), dpmCtrlInvalidFile);
  EXPECT_EQ(other->put_Priority(1), dpmCtrlInvalidFile);

  WriteText(scratch / "new.ds2", std::string("\x03" "ds2", 4) + std::string(2000, '\0'));
  ComPtr<IDPMFileInfo> ds2 = Info(scratch / "new.ds2");
  EXPECT_EQ(ds2->get_FileType(&number), S_OK);
  EXPECT_EQ(number, 1);
  EXPECT_EQ(ds2->get_DictationLength(&number), dpmCtrlNotSupported);

  const std::string recorded = ReadText(Record("1"));
  WriteText(scratch / "cut.dss", recorded.substr(0, 700));  // a DSS file whose header is cut short
  EXPECT_EQ(control->get_IDPMFileInfo(Text((scratch / "cut.dss").c_str()).Get(), none.ReleaseAndGetAddressOf()),
            dpmCtrlInvalidFile);
  std::string unknownCodec = recorded;
  unknownCodec[0x2A4] = 7;
  WriteText(scratch / "codec.dss", unknownCodec);
  EXPECT_EQ(control->get_IDPMFileInfo(Text((scratch / "codec.dss").c_str()).Get(), none.ReleaseAndGetAddressOf()),
            dpmCtrlInvalidFile);
}

TEST_F(FilesTest, AReadOnlyDictationKeepsItsProperties) {
  const std::string path = Record("1");
  ::chmod(path.c_str(), 0444);
  ComPtr<IDPMFileInfo> info = Info(path);
  EXPECT_EQ(info->put_Priority(2), dpmCtrlFileReadOnly);
  EXPECT_EQ(info->put_Author(Text("x").Get()), dpmCtrlFileReadOnly);
  LONG priority = -1;
  EXPECT_EQ(info->get_Priority(&priority), S_OK);
  EXPECT_EQ(priority, 0);
}

TEST_F(FilesTest, FileListsHoldTheDictationsSortedByName) {
  for (const char* name : {"b.dss", "B.DSS", "a.ds2", "a.dss.json", "notes.txt", ".hidden.tmp"})
    WriteText(scratch / name, "x");
  fs::create_directory(scratch / "folder.dss");
  ComPtr<IDPMFileList> list;
  ASSERT_EQ(control->get_FileList(list.ReleaseAndGetAddressOf()), S_OK);
  LONG count = -1;
  EXPECT_EQ(list->get_Count(&count), S_OK);
  EXPECT_EQ(count, 0);
  ASSERT_EQ(list->put_Folder(Text(Backslashed(scratch.Path() + "\\").c_str()).Get()), S_OK);
  EXPECT_EQ(list->get_Count(&count), S_OK);
  ASSERT_EQ(count, 3);
  std::vector<std::string> names;
  Bstr name;
  for (LONG i = 1; i <= count; ++i) {
    EXPECT_EQ(list->get_Item(i, name.Receive()), S_OK);
    names.push_back(TextOf(name));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"B.DSS", "a.ds2", "b.dss"}));
  EXPECT_EQ(list->get_Item(0, name.Receive()), E_INVALIDARG);
  EXPECT_EQ(list->get_Item(4, name.Receive()), E_INVALIDARG);
  EXPECT_TRUE(name.IsNull());

  // A file's path is not a folder (the program then retries with the part before the last '\').
  EXPECT_EQ(list->put_Folder(Text(Backslashed(scratch / "b.dss").c_str()).Get()), dpmCtrlPathNotFound);
  EXPECT_EQ(list->put_Folder(Text("").Get()), dpmCtrlPathNotFound);
  EXPECT_EQ(list->get_Count(&count), S_OK);
  EXPECT_EQ(count, 3) << "a refused folder leaves the list as it was";
  WriteText(scratch / "c.dss", "x");
  EXPECT_EQ(list->Refresh(), S_OK);
  EXPECT_EQ(list->get_Count(&count), S_OK);
  EXPECT_EQ(count, 4);
}

}  // namespace
