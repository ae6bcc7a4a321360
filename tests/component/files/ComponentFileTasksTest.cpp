// SPDX-License-Identifier: GPL-3.0-or-later
// The file tasks of IDPMControl through the module: checks before returning, progress events in
// order, the delayed queue, cancelling, conversion with FFmpeg, new files and spoken instructions.
#include <filesystem>

#include "component/files/DssAudio.h"
#include "component/files/DssHeader.h"
#include "platform/automation/SafeArray.h"
#include "tests/component/files/FfmpegProbe.h"
#include "tests/component/files/FilesFixture.h"

namespace {

namespace fs = std::filesystem;

const VARIANT_BOOL kNow = VARIANT_FALSE, kDelayed = VARIANT_TRUE;

// The progress of each task in order: every report of a task comes before the next task's first.
void ExpectWellFormed(const std::vector<Progress>& events, const std::vector<std::string>& texts,
                      const std::vector<HRESULT>& results) {
  size_t task = 0;
  LONG last = -1;
  for (const Progress& p : events) {
    ASSERT_LT(task, texts.size()) << "a report after the last task ended: " << p.text;
    EXPECT_EQ(p.text, texts[task]);
    if (last < 0 && results[task] == S_OK) {
      EXPECT_EQ(p.percent, 0) << "a task that runs reports its start: " << p.text;
    }
    EXPECT_GT(p.percent, last) << "percentages only grow";
    if (p.percent == 100) {
      EXPECT_EQ(p.result, results[task]) << p.text;
      ++task;
      last = -1;
    } else {
      EXPECT_EQ(p.result, S_OK);
      last = p.percent;
    }
  }
  EXPECT_EQ(task, texts.size());
}

// A VT_ARRAY|VT_UI1 variant of the bytes, as the program passes a wave format block.
void PutBytes(VARIANT* v, std::initializer_list<unsigned char> bytes) {
  v->vt = VT_ARRAY | VT_UI1;
  v->parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  LONG i = 0;
  for (unsigned char b : bytes) {
    const LONG index[1] = {i++};
    SafeArrayPutElement(v->parray, index, &b);
  }
}

class FileTasks : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    dictation = Record("3 1-2");
    target = scratch / "DICT0001.DSS";
  }
  std::string dictation, target;
};

TEST_F(FileTasks, CopyMoveAndDeleteTakeTheCompanionAlongAndEndAt100) {
  const std::string bytes = ReadText(dictation), companion = ReadText(dictation + ".json");
  ASSERT_EQ(control->Copy(Text(dictation.c_str()).Get(), Text(scratch.Path().c_str()).Get(), kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(1));
  EXPECT_EQ(ReadText(target), bytes);
  EXPECT_EQ(ReadText(target + ".json"), companion);

  fs::create_directory(scratch / "moved");
  const std::string moved = scratch / "moved/renamed.dss";
  ASSERT_EQ(control->Move(Text(target.c_str()).Get(), Text(moved.c_str()).Get(), kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(2));
  EXPECT_FALSE(fs::exists(target));
  EXPECT_FALSE(fs::exists(target + ".json"));
  EXPECT_EQ(ReadText(moved + ".json"), companion);

  ASSERT_EQ(control->Delete(Text(moved.c_str()).Get(), kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(3));
  EXPECT_EQ(EntryCount(scratch / "moved"), 0u);
  ExpectWellFormed(ProgressEvents(), {"Copy " + dictation, "Move " + target, "Delete " + moved}, {S_OK, S_OK, S_OK});
  EXPECT_TRUE(fs::exists(dictation)) << "the source of a copy stays";
}

// A companion is outside input: one naming another dictation as its instruction file must not
// make Delete or Move take that dictation along.
TEST_F(FileTasks, OnlyAnInstructionFileTravelsWithTheDictationThatNamesIt) {
  const std::string other = Record("1"), companion = ReadText(dictation + ".json");
  const std::string key = "\"instructionFile\": \"\"";
  const size_t at = companion.find(key);
  ASSERT_NE(at, std::string::npos) << companion;
  WriteText(dictation + ".json", std::string(companion).replace(
                                     at, key.size(), "\"instructionFile\": \"" + fs::path(other).filename().string() + "\""));
  const std::string otherBytes = ReadText(other);

  ASSERT_EQ(control->Delete(Text(dictation.c_str()).Get(), kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(1));
  EXPECT_FALSE(fs::exists(dictation));
  EXPECT_EQ(ReadText(other), otherBytes) << "a dictation the companion names stays";
  EXPECT_TRUE(fs::exists(other + ".json"));
}

TEST_F(FileTasks, WhatCanBeCheckedIsRefusedBeforeReturning) {
  const Bstr source = Text(dictation.c_str()), folder = Text(scratch.Path().c_str());
  const Bstr missing = Text((Card() + "/NONE.DSS").c_str()), nowhere = Text((scratch / "no/where").c_str());
  EXPECT_EQ(control->Copy(missing.Get(), folder.Get(), kNow), dpmCtrlFileNotFound);
  EXPECT_EQ(control->Copy(source.Get(), nowhere.Get(), kNow), dpmCtrlPathNotFound);
  EXPECT_EQ(control->Copy(source.Get(), Text(Card().c_str()).Get(), kNow), dpmCtrlFileExists) << "onto itself";
  EXPECT_EQ(control->Move(Text(Card().c_str()).Get(), folder.Get(), kNow), dpmCtrlAccessDenied) << "a folder";
  EXPECT_EQ(control->Delete(missing.Get(), kNow), dpmCtrlFileNotFound);
  fs::create_directory(scratch / "locked");
  fs::permissions(scratch / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(control->Copy(source.Get(), Text((scratch / "locked").c_str()).Get(), kNow), dpmCtrlAccessDenied);
  fs::permissions(Card(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(control->Delete(source.Get(), kNow), dpmCtrlAccessDenied) << "the card is write protected";
  EXPECT_EQ(control->Move(source.Get(), folder.Get(), kNow), dpmCtrlAccessDenied);
  fs::permissions(Card(), fs::perms::owner_all);
  fs::permissions(dictation, fs::perms::owner_read);
  EXPECT_EQ(control->Delete(source.Get(), kNow), dpmCtrlFileReadOnly);
  fs::permissions(dictation, fs::perms::owner_read | fs::perms::owner_write);
  WriteText(target + ".json", "{}");  // a stray companion would describe the copy
  EXPECT_EQ(control->Copy(source.Get(), folder.Get(), kNow), dpmCtrlFileExists);
  fs::remove(target + ".json");
  WriteText(target, "mine");
  EXPECT_EQ(control->Move(source.Get(), folder.Get(), kDelayed), dpmCtrlFileExists);
  EXPECT_EQ(ReadText(target), "mine");
  Pump();
  EXPECT_TRUE(ProgressEvents().empty()) << "a refused task reports nothing";
}

TEST_F(FileTasks, ADelayedTaskWaitsForStartDelayedTasks) {
  ASSERT_EQ(control->Copy(Text(dictation.c_str()).Get(), Text(scratch.Path().c_str()).Get(), kDelayed), S_OK);
  ASSERT_EQ(control->Delete(Text(dictation.c_str()).Get(), kDelayed), S_OK);
  CoGetApartmentDispatcher()->PumpFor(200);
  EXPECT_TRUE(ProgressEvents().empty());
  EXPECT_FALSE(fs::exists(target));
  ASSERT_EQ(control->StartDelayedTasks(), S_OK);
  ASSERT_TRUE(PumpUntilEnded(2));
  EXPECT_TRUE(fs::exists(target));
  EXPECT_FALSE(fs::exists(dictation)) << "in the order they were queued";
  ExpectWellFormed(ProgressEvents(), {"Copy " + dictation, "Delete " + dictation}, {S_OK, S_OK});
}

TEST_F(FileTasks, ATaskThatMeetsAChangedFileEndsWithItsCode) {
  ASSERT_EQ(control->Copy(Text(dictation.c_str()).Get(), Text(scratch.Path().c_str()).Get(), kDelayed), S_OK);
  WriteText(target, "arrived meanwhile");
  ASSERT_EQ(control->StartDelayedTasks(), S_OK);
  ASSERT_TRUE(PumpUntilEnded(1));
  EXPECT_EQ(ProgressEvents().back().result, dpmCtrlFileExists);
  EXPECT_EQ(ReadText(target), "arrived meanwhile");
}

TEST_F(FileTasks, CancellingMidCopyLeavesNoTarget) {
  const std::string big = scratch / "big.dss";
  WriteText(big, ReadText(dictation) + std::string(3 << 20, '\x11'));  // many chunks
  fs::create_directory(scratch / "out");
  HoldAt(30);
  ASSERT_EQ(control->Copy(Text(big.c_str()).Get(), Text((scratch / "out").c_str()).Get(), kNow), S_OK);
  ASSERT_EQ(control->Copy(Text(dictation.c_str()).Get(), Text((scratch / "out").c_str()).Get(), kNow), S_OK);
  ASSERT_EQ(control->Delete(Text(dictation.c_str()).Get(), kDelayed), S_OK);
  ASSERT_TRUE(PumpUntilPercent(30));
  EXPECT_EQ(EntryCount(scratch / "out"), 1u) << "the copy is half written, under a temporary name";
  EXPECT_EQ(control->CancelTasks(S_OK), E_INVALIDARG) << "a reason must be a failure";
  ASSERT_EQ(control->CancelTasks(dpmCtrlOperationCancelled), S_OK);
  ASSERT_TRUE(PumpUntilEnded(3));
  EXPECT_EQ(EntryCount(scratch / "out"), 0u);
  EXPECT_TRUE(fs::exists(dictation));
  const std::vector<Progress> events = ProgressEvents();
  ExpectWellFormed(events, {"Copy " + big, "Copy " + dictation, "Delete " + dictation},
                   {dpmCtrlOperationCancelled, dpmCtrlOperationCancelled, dpmCtrlOperationCancelled});

  HoldAt(0);  // the queue goes on working after a cancel
  ASSERT_EQ(control->Copy(Text(dictation.c_str()).Get(), Text((scratch / "out").c_str()).Get(), kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(4));
  EXPECT_EQ(ProgressEvents().back().result, S_OK);
}

TEST_F(FileTasks, ConvertWritesPcmWaveOfTheDictationsLength) {
  LONG length = 0;
  ASSERT_EQ(Info(dictation)->get_DictationLength(&length), S_OK);
  ASSERT_EQ(control->Convert(Text(dictation.c_str()).Get(), Text(scratch.Path().c_str()).Get(), 0, kNow), S_OK);
  const std::string eight = scratch / "eight.wav";
  ASSERT_EQ(control->Convert(Text(dictation.c_str()).Get(), Text(eight.c_str()).Get(), 1, kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(2));
  ExpectWellFormed(ProgressEvents(), {"Convert " + dictation, "Convert " + dictation}, {S_OK, S_OK});

  for (const auto& [path, rate] : {std::pair{scratch / "DICT0001.wav", 16000}, std::pair{eight, 8000}}) {
    const DecodedAudio wav = Decode(path);
    ASSERT_TRUE(wav.opened) << path;
    EXPECT_EQ(wav.container, "wav");
    EXPECT_EQ(wav.codec, "pcm_s16le");
    EXPECT_EQ(wav.sampleRate, rate);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_NEAR(wav.samples * 1000.0 / rate, length, DssFrameMilliseconds(kDssCodecStandardPlay)) << path;
    EXPECT_GT(wav.rms, 50) << "the recording's tone, not silence";
  }
}

TEST_F(FileTasks, ConvertToTheCustomFormat) {
  Variant format;
  EXPECT_EQ(control->put_CustomFormat(format.Get()), E_INVALIDARG);
  EXPECT_EQ(control->Convert(Text(dictation.c_str()).Get(), Text(scratch.Path().c_str()).Get(), 5, kNow),
            dpmCtrlInvalidWaveFormat) << "no custom format yet";
  // WAVEFORMATEX: PCM, 2 channels, 22050 Hz, 88200 bytes/s, align 4, 16 bits, no extra bytes.
  PutBytes(format.Get(), {1, 0, 2, 0, 0x22, 0x56, 0, 0, 0x88, 0x58, 1, 0, 4, 0, 16, 0, 0, 0});
  ASSERT_EQ(control->put_CustomFormat(format.Get()), S_OK);
  Variant gsm;  // GSM 6.10: a well-formed block of a format that is not PCM
  PutBytes(gsm.Get(), {0x31, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x80, 0x3E, 0, 0, 2, 0, 16, 0});
  EXPECT_EQ(control->put_CustomFormat(gsm.Get()), dpmCtrlAudioFormatNotSupported);

  ASSERT_EQ(control->Convert(Text(dictation.c_str()).Get(), Text(scratch.Path().c_str()).Get(), 5, kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(1));
  const DecodedAudio wav = Decode(scratch / "DICT0001.wav");
  EXPECT_EQ(wav.codec, "pcm_s16le") << "the PCM block stayed the custom format";
  EXPECT_EQ(wav.sampleRate, 22050);
  EXPECT_EQ(wav.channels, 2);
}

TEST_F(FileTasks, ConvertDecodesLongPlayToo) {
  DssHeader header;
  header.codec = kDssCodecLongPlay;
  header.recordingStart = header.recordingEnd = "240101120000";
  std::string file, audio;
  ASSERT_EQ(NewDssFile(header, &file), S_OK);
  ASSERT_EQ(WriteDssFrames(LongPlayFrames(100), kDssCodecLongPlay, &audio), S_OK);
  const std::string lp = scratch / "lp.dss";
  WriteText(lp, file + audio);
  LONG length = 0, mode = -1;
  ASSERT_EQ(Info(lp)->get_DictationLength(&length), S_OK);
  EXPECT_EQ(length, 3000);
  ASSERT_EQ(Info(lp)->get_CompressionMode(&mode), S_OK);
  EXPECT_EQ(mode, 2);
  ASSERT_EQ(control->Convert(Text(lp.c_str()).Get(), Text(scratch.Path().c_str()).Get(), 0, kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(1));
  const DecodedAudio wav = Decode(scratch / "lp.wav");
  EXPECT_EQ(wav.sampleRate, 16000);
  EXPECT_NEAR(wav.samples / 16.0, length, DssFrameMilliseconds(kDssCodecLongPlay));
}

TEST_F(FileTasks, ConvertRefusesWhatItCannotProduceOrDecode) {
  const Bstr source = Text(dictation.c_str()), folder = Text(scratch.Path().c_str());
  for (LONG celp : {2, 3, 4})
    EXPECT_EQ(control->Convert(source.Get(), folder.Get(), celp, kNow), dpmCtrlAudioFormatNotSupported) << celp;
  EXPECT_EQ(control->Convert(source.Get(), folder.Get(), 6, kNow), E_INVALIDARG);
  EXPECT_EQ(control->Convert(source.Get(), folder.Get(), -1, kNow), E_INVALIDARG);
  WriteText(scratch / "a.ds2", std::string("\x03" "ds2", 4) + std::string(2000, '\0'));
  EXPECT_EQ(control->Convert(Text((scratch / "a.ds2").c_str()).Get(), folder.Get(), 0, kNow),
            dpmCtrlAudioFormatNotSupported);
  WriteText(scratch / "notes.txt", "text");
  EXPECT_EQ(control->Convert(Text((scratch / "notes.txt").c_str()).Get(), folder.Get(), 0, kNow), dpmCtrlInvalidFile);
  WriteText(scratch / "DICT0001.wav", "mine");
  EXPECT_EQ(control->Convert(source.Get(), folder.Get(), 0, kNow), dpmCtrlFileExists);
  Pump();
  EXPECT_TRUE(ProgressEvents().empty());
}

TEST_F(FileTasks, DecryptAndEncryptedNewFilesAreRefused) {
  EXPECT_EQ(control->Decrypt(Text(dictation.c_str()).Get(), Text(scratch.Path().c_str()).Get(), 0, kNow,
                             Text("secret").Get()),
            dpmCtrlNotSupported);
  EXPECT_EQ(control->Decrypt(Text((Card() + "/NONE.DSS").c_str()).Get(), Text(scratch.Path().c_str()).Get(), 0, kNow,
                             Text("secret").Get()),
            dpmCtrlFileNotFound);
  EXPECT_EQ(control->NewFile(Text((scratch / "n.dss").c_str()).Get(), Text("secret").Get(), 0), dpmCtrlNotSupported);
  EXPECT_EQ(EntryCount(scratch.Path()), 0u);
}

struct NewFileRow {
  const char* name;
  LONG mode;
  HRESULT result;
};

const NewFileRow kNewFiles[] = {
    {"a.dss", -1, E_INVALIDARG},  {"a.dss", 6, E_INVALIDARG},
    {"a.dss", 5, dpmCtrlAudioFormatNotSupported},  // Quality Play is DS2
    {"memo", 0, E_INVALIDARG},    {"memo.ds2", 0, E_INVALIDARG},
    {"taken.dss", 0, dpmCtrlFileExists}, {"no\\a.dss", 0, dpmCtrlPathNotFound},
    {"a.dss", 0, S_OK},           {"A.DSS", 1, S_OK}, {"lp.dss", 2, S_OK}, {"ts.dss", 4, S_OK},
};

class NewFile : public FilesTest, public ::testing::WithParamInterface<NewFileRow> {};

TEST_P(NewFile, MakesAnEmptyDictationOrRefuses) {
  WriteText(scratch / "taken.dss", "mine");
  // The program joins the destination folder and the name with a backslash.
  const std::string path = scratch.Path() + "\\" + GetParam().name;
  ASSERT_EQ(control->NewFile(Text(path.c_str()).Get(), Text("").Get(), GetParam().mode), GetParam().result);
  const std::string made = scratch / GetParam().name;
  if (GetParam().result != S_OK) {
    EXPECT_EQ(EntryCount(scratch.Path()), 1u);
    return;
  }
  LONG mode = -1, length = -1, type = -1;
  ComPtr<IDPMFileInfo> info = Info(made);
  EXPECT_EQ(info->get_CompressionMode(&mode), S_OK);
  EXPECT_EQ(mode, GetParam().mode);
  EXPECT_EQ(info->get_DictationLength(&length), S_OK);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(info->get_FileType(&type), S_OK);
  EXPECT_EQ(type, 2);
  const DemuxedFile demuxed = Demux(made);
  ASSERT_TRUE(demuxed.opened) << "FFmpeg reads it";
  EXPECT_EQ(demuxed.codec, GetParam().mode < 2 ? "dss_sp" : "g723_1");
  EXPECT_TRUE(demuxed.packets.empty());
  EXPECT_EQ(control->NewFile(Text(path.c_str()).Get(), Text("").Get(), 0), dpmCtrlFileExists);
}

INSTANTIATE_TEST_SUITE_P(Rows, NewFile, ::testing::ValuesIn(kNewFiles));

TEST_F(FileTasks, SpokenInstructionsAreSeparatedIntoAnInstructionFile) {
  const Bstr source = Text(dictation.c_str()), folder = Text(scratch.Path().c_str());
  EXPECT_EQ(control->SeparateSpokenInstructions(source.Get(), folder.Get(), VARIANT_FALSE, VARIANT_FALSE, kNow),
            E_INVALIDARG);
  EXPECT_EQ(control->SeparateSpokenInstructions(source.Get(), Text((scratch / "part").c_str()).Get(), VARIANT_TRUE,
                                                VARIANT_TRUE, kNow),
            E_INVALIDARG) << "the parts' companions could not name each other";
  ASSERT_EQ(control->SeparateSpokenInstructions(source.Get(), folder.Get(), VARIANT_TRUE, VARIANT_TRUE, kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(1));
  ASSERT_EQ(ProgressEvents().back().result, S_OK);

  ComPtr<IDPMFileInfo> part = Info(target), instruction = Info(scratch / "DICT0001_I.DSS");
  LONG length = 0, type = 0;
  VARIANT_BOOL exists = VARIANT_FALSE;
  Bstr name;
  EXPECT_EQ(part->get_DictationLength(&length), S_OK);
  EXPECT_NEAR(length, 2000, 24) << "three seconds less the instruction from 1 to 2";
  EXPECT_EQ(part->get_InstructionFileExists(&exists), S_OK);
  EXPECT_EQ(exists, VARIANT_TRUE);
  EXPECT_EQ(part->get_InstructionFileName(name.Receive()), S_OK);
  EXPECT_EQ(TextOf(name), "DICT0001_I.DSS");
  EXPECT_EQ(part->get_InstructionLength(&length), S_OK);
  EXPECT_NEAR(length, 1000, 24);
  EXPECT_EQ(instruction->get_FileType(&type), S_OK);
  EXPECT_EQ(type, 3);
  Variant list;
  EXPECT_EQ(part->get_SpokenInstructionList(list.Get()), S_OK);
  EXPECT_EQ(list->vt, VT_EMPTY);

  // The family travels: deleting the dictation part takes the instruction file along.
  ASSERT_EQ(control->Delete(Text(target.c_str()).Get(), kNow), S_OK);
  ASSERT_TRUE(PumpUntilEnded(2));
  EXPECT_EQ(EntryCount(scratch.Path()), 0u);
  EXPECT_EQ(control->SeparateSpokenInstructions(Text(Record("2").c_str()).Get(), folder.Get(), VARIANT_TRUE,
                                                VARIANT_FALSE, kNow),
            dpmCtrlNoInstructionFile);
}

}  // namespace
