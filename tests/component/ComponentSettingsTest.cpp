// SPDX-License-Identifier: GPL-3.0-or-later
// Settings objects through the interfaces: every property's round trip per model family, refusals
// that leave the object as it was, commit atomicity under injected faults, and settings files.
#include "tests/component/ComponentFixture.h"

#include <ostream>

#include <cerrno>
#include <sys/stat.h>

#include "component/models/SettingInfo.h"
#include "component/settings/SettingsJson.h"

namespace {

using S = IDPMDeviceSettings;

struct NumberProperty {
  Setting id;
  HRESULT (S::*get)(LONG*);
  HRESULT (S::*put)(LONG);
};
struct FlagProperty {
  Setting id;
  HRESULT (S::*get)(VARIANT_BOOL*);
  HRESULT (S::*put)(VARIANT_BOOL);
};

#define NUMBER(name) NumberProperty{Setting::name, &S::get_##name, &S::put_##name}
#define FLAG(name) FlagProperty{Setting::name, &S::get_##name, &S::put_##name}

const NumberProperty kNumbers[] = {
    NUMBER(FileNamePrefixType), NUMBER(FileCounter),       NUMBER(DateTimeFormat),        NUMBER(RecordingMode),
    NUMBER(Appearance),         NUMBER(DownloadMode),      NUMBER(DownloadFilter),        NUMBER(MicrophoneSensitivity),
    NUMBER(FileCounterSource),  NUMBER(RequiredInputType), NUMBER(TotalTimeType),         NUMBER(UserStringCount),
    NUMBER(BarcodeScanButton),  NUMBER(OS),                NUMBER(BarcodeMode),           NUMBER(FunctionKey),
    NUMBER(FourPosSwitch)};
const FlagProperty kFlags[] = {
    FLAG(DLSButtonEnabled), FLAG(DeviceBeep),        FLAG(VoiceActivation),         FLAG(ProtectDevice),
    FLAG(DeleteFilesAfterDownload), FLAG(DELButtonEnabled), FLAG(InsertButtonEnabled), FLAG(EOLButtonEnabled),
    FLAG(LinkKeywords),     FLAG(OneFile),           FLAG(RecordNotify),            FLAG(NoiseReduction),
    FLAG(RecordLevelInd),   FLAG(ProhibitFileAlteration), FLAG(ProMode),            FLAG(PlusButtonEnabled),
    FLAG(MinusButtonEnabled)};

// A value the model accepts that differs from the factory one where the range allows, and from the
// neutral one a model without the setting holds (writing that back is no change).
LONG ChangedValue(const RecorderModel& model, Setting id) {
  switch (id) {
    case Setting::RecordingMode: return 2;
    case Setting::Appearance: return 0;
    case Setting::UserStringCount: return model.userStringMax > 0 ? model.userStringMax : 1;
    case Setting::RequiredInputType: return 2;
    case Setting::FileCounter: return 9999;
    default: return InfoOf(id).max;
  }
}

class SettingsRoundTrip : public ComponentTest, public ::testing::WithParamInterface<LONG> {};

TEST_P(SettingsRoundTrip, EveryPropertyPersistsOrIsRefusedAsUnsupported) {
  const RecorderModel& model = *FindRecorderModel(GetParam());
  ASSERT_EQ(Tool("add " + std::to_string(model.type) + " rec"), 0);
  ASSERT_EQ(control->Initialize(0), S_OK);
  ComPtr<IDPMDevice> device = Device();
  ComPtr<IDPMDeviceSettings> settings = SettingsOf(device.Get());

  for (const NumberProperty& p : kNumbers) {
    SCOPED_TRACE(InfoOf(p.id).name);
    const LONG value = ChangedValue(model, p.id);
    LONG read = -7;
    EXPECT_EQ((settings.Get()->*p.put)(value), model.Has(p.id) ? S_OK : dpmCtrlNotSupported);
    EXPECT_EQ((settings.Get()->*p.get)(&read), S_OK);
    EXPECT_EQ(read, model.Has(p.id) ? value : 0);
  }
  for (const FlagProperty& p : kFlags) {
    SCOPED_TRACE(InfoOf(p.id).name);
    VARIANT_BOOL read = 7;
    EXPECT_EQ((settings.Get()->*p.put)(VARIANT_TRUE), model.Has(p.id) ? S_OK : dpmCtrlNotSupported);
    EXPECT_EQ((settings.Get()->*p.get)(&read), S_OK);
    EXPECT_EQ(read, model.Has(p.id) ? VARIANT_TRUE : VARIANT_FALSE);
  }
  Bstr prefix = Text("XY9"), name = Text("Doctor"), value = Text("Smith");
  EXPECT_EQ(settings->put_FileNamePrefixString(prefix.Get()), S_OK);
  const HRESULT nameResult = settings->put_KeywordUsageString(model.keywordCount - 1, name.Get());
  EXPECT_EQ(nameResult, model.keywordsReadOnly ? dpmCtrlNotSupported : S_OK);
  EXPECT_EQ(settings->put_KeywordContentString(0, model.keywordRows - 1, value.Get()), S_OK);
  if (model.IsDpm4()) {
    EXPECT_EQ(settings->put_SmartButtonConfiguration(2, 4, 17), S_OK);
    EXPECT_EQ(settings->put_DisplayAreaMapping(4, 8), S_OK);
    ComPtr<IDPMRecordingProfile> profile;
    ASSERT_EQ(settings->get_RecordingProfile(3, profile.ReleaseAndGetAddressOf()), S_OK);
    EXPECT_EQ(profile->put_AudioQuality(6), S_OK);
    EXPECT_EQ(profile->put_MicrophoneDirection(1, 1), S_OK);
  } else {
    ComPtr<IDPMRecordingProfile> profile;
    EXPECT_EQ(settings->get_RecordingProfile(0, profile.ReleaseAndGetAddressOf()), dpmCtrlNotSupported);
    LONG code = -1;
    EXPECT_EQ(settings->get_SmartButtonConfiguration(0, 0, &code), S_OK);
    EXPECT_EQ(code, 0);
  }

  ASSERT_EQ(device->SetDeviceSettings(settings.Get()), S_OK);
  settings = nullptr;
  ComPtr<IDPMDeviceSettings> reread = SettingsOf(device.Get());
  for (const NumberProperty& p : kNumbers) {
    LONG read = -7;
    EXPECT_EQ((reread.Get()->*p.get)(&read), S_OK);
    EXPECT_EQ(read, model.Has(p.id) ? ChangedValue(model, p.id) : 0) << InfoOf(p.id).name;
  }
  for (const FlagProperty& p : kFlags) {
    VARIANT_BOOL read = 7;
    EXPECT_EQ((reread.Get()->*p.get)(&read), S_OK);
    EXPECT_EQ(read, model.Has(p.id) ? VARIANT_TRUE : VARIANT_FALSE) << InfoOf(p.id).name;
  }
  Bstr text;
  EXPECT_EQ(reread->get_FileNamePrefixString(text.Receive()), S_OK);
  EXPECT_EQ(BstrToAnsi(text.Get()), "XY9");
  EXPECT_EQ(reread->get_KeywordContentString(0, model.keywordRows - 1, text.Receive()), S_OK);
  EXPECT_EQ(BstrToAnsi(text.Get()), "Smith");
  if (model.IsDpm4()) {
    LONG code = 0;
    EXPECT_EQ(reread->get_SmartButtonConfiguration(2, 4, &code), S_OK);
    EXPECT_EQ(code, 17);
    ComPtr<IDPMRecordingProfile> profile;
    ASSERT_EQ(reread->get_RecordingProfile(3, profile.ReleaseAndGetAddressOf()), S_OK);
    EXPECT_EQ(profile->get_MicrophoneDirection(1, &code), S_OK);
    EXPECT_EQ(code, 1);
  }
}

// One model of each family: classic, barcode, advanced display, workflow, DPM3, each DPM4.
INSTANTIATE_TEST_SUITE_P(Families, SettingsRoundTrip, ::testing::Values(0, 1, 6, 7, 12, 19, 26, 27, 28));

std::vector<LONG> AllModelTypes() {
  std::vector<LONG> types;
  for (const RecorderModel& model : AllRecorderModels()) types.push_back(model.type);
  return types;
}

// The settings dialog's write-all routine writes back every value it read; no model refuses any of
// those writes, and committing the object leaves the recorder as it was.
class WriteBack : public ComponentTest, public ::testing::WithParamInterface<LONG> {};

TEST_P(WriteBack, OfEveryValueReadSucceedsAndChangesNothing) {
  ASSERT_EQ(Tool("add " + std::to_string(GetParam()) + " rec"), 0);
  ASSERT_EQ(control->Initialize(0), S_OK);
  ComPtr<IDPMDevice> device = Device();
  ComPtr<IDPMDeviceSettings> s = SettingsOf(device.Get());
  const std::string committed = ReadText(Recorders() + "/rec/settings.json");
  for (const NumberProperty& p : kNumbers) {
    LONG value = 0;
    ASSERT_EQ((s.Get()->*p.get)(&value), S_OK);
    EXPECT_EQ((s.Get()->*p.put)(value), S_OK) << InfoOf(p.id).name;
  }
  for (const FlagProperty& p : kFlags) {
    VARIANT_BOOL value = VARIANT_FALSE;
    ASSERT_EQ((s.Get()->*p.get)(&value), S_OK);
    EXPECT_EQ((s.Get()->*p.put)(value), S_OK) << InfoOf(p.id).name;
  }
  Bstr text;
  ASSERT_EQ(s->get_FileNamePrefixString(text.Receive()), S_OK);
  EXPECT_EQ(s->put_FileNamePrefixString(text.Get()), S_OK);
  ASSERT_EQ(s->get_Keyword1String(text.Receive()), S_OK);
  EXPECT_EQ(s->put_Keyword1String(text.Get()), S_OK);
  LONG voiceType = 0, keywords = 0, rows = 0;
  ASSERT_EQ(s->get_VoiceCommandType(0, &voiceType), S_OK);
  EXPECT_EQ(s->put_VoiceCommandType(0, voiceType), S_OK);
  ASSERT_EQ(s->get_KeywordUsageCount(&keywords), S_OK);
  ASSERT_EQ(s->get_KeywordContentCount(&rows), S_OK);
  for (LONG k = 0; k < keywords; ++k) {
    SCOPED_TRACE(k);
    ASSERT_EQ(s->get_KeywordUsageString(k, text.Receive()), S_OK);
    EXPECT_EQ(s->put_KeywordUsageString(k, text.Get()), S_OK);
    for (LONG r = 0; r < rows; ++r) {
      ASSERT_EQ(s->get_KeywordContentString(k, r, text.Receive()), S_OK);
      ASSERT_EQ(s->put_KeywordContentString(k, r, text.Get()), S_OK) << r;
    }
    VARIANT_BOOL barcode = VARIANT_FALSE, voice = VARIANT_FALSE, mandatory = VARIANT_FALSE;
    ASSERT_EQ(s->get_KeywordBarcodeScan(k, &barcode), S_OK);
    ASSERT_EQ(s->get_KeywordVoiceCommand(k, &voice), S_OK);
    ASSERT_EQ(s->get_KeywordMandatory(k, &mandatory), S_OK);
    EXPECT_EQ(s->put_KeywordBarcodeScan(k, barcode), S_OK);
    EXPECT_EQ(s->put_KeywordVoiceCommand(k, voice), S_OK);
    EXPECT_EQ(s->put_KeywordMandatory(k, mandatory), S_OK);
  }
  ASSERT_EQ(device->SetDeviceSettings(s.Get()), S_OK);
  EXPECT_EQ(ReadText(Recorders() + "/rec/settings.json"), committed);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, WriteBack, ::testing::ValuesIn(AllModelTypes()));

class ComponentSettings : public ComponentTest {
 protected:
  void SetUp() override {
    ComponentTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(Tool("add DPM4_8200 desk"), 0);
    ASSERT_EQ(control->Initialize(0), S_OK);
    device = Device();
    settings = SettingsOf(device.Get());
  }
  void TearDown() override {
    settings = nullptr;
    device = nullptr;
    ComponentTest::TearDown();
  }
  std::string Folder() const { return Recorders() + "/desk"; }

  ComPtr<IDPMDevice> device;
  ComPtr<IDPMDeviceSettings> settings;
};

TEST_F(ComponentSettings, RefusedValuesLeaveTheObjectAsItWas) {
  LONG mode = 0;
  ASSERT_EQ(settings->put_RecordingMode(6), S_OK);
  EXPECT_EQ(settings->put_RecordingMode(-1), E_INVALIDARG);
  EXPECT_EQ(settings->put_RecordingMode(17), E_INVALIDARG);
  EXPECT_EQ(settings->get_RecordingMode(&mode), S_OK);
  EXPECT_EQ(mode, 6);
  Bstr euro(SysAllocString(u"\u20AC")), longName = Text("ABCDEFGHIJKLMNOPQRSTU");
  EXPECT_EQ(settings->put_KeywordUsageString(0, euro.Get()), dpmCtrlInvalidCharacter);
  EXPECT_EQ(settings->put_KeywordUsageString(0, longName.Get()), dpmCtrlMaximumReached);
  Bstr name;
  EXPECT_EQ(settings->get_KeywordUsageString(0, name.Receive()), S_OK);
  EXPECT_EQ(BstrToAnsi(name.Get()), "Author");
  EXPECT_EQ(settings->get_KeywordUsageString(5, name.Receive()), E_INVALIDARG);

  ASSERT_EQ(settings->put_KeywordBarcodeScan(1, VARIANT_TRUE), S_OK);
  EXPECT_EQ(settings->put_KeywordVoiceCommand(1, VARIANT_TRUE), dpmCtrlKwSetToBarcode);
  VARIANT_BOOL mandatory = VARIANT_FALSE;
  EXPECT_EQ(settings->get_KeywordMandatory(1, &mandatory), S_OK);
  EXPECT_EQ(mandatory, VARIANT_TRUE) << "the barcode makes the keyword mandatory";
  ASSERT_EQ(settings->put_LinkKeywords(VARIANT_TRUE), S_OK);
  Bstr memo = Text("Memo");
  EXPECT_EQ(settings->put_KeywordContentString(2, 50, memo.Get()), dpmCtrlKeywordsLinked);
  EXPECT_EQ(settings->put_SmartButtonConfiguration(0, 0, -1), E_INVALIDARG);
}

TEST_F(ComponentSettings, SettingsOfAnotherModelOrComponentAreRefused) {
  ASSERT_EQ(Tool("add DPM4_8000 other"), 0);
  ASSERT_TRUE(PumpUntilEvents(4));
  ComPtr<IDPMDevice> other = Device(1);
  EXPECT_EQ(other->SetDeviceSettings(settings.Get()), dpmCtrlNotSupported);
  EXPECT_EQ(other->SetDeviceSettings(nullptr), E_POINTER);
}

struct CommitFault {
  const char* step;
  int error;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const CommitFault& row, std::ostream* out) { *out << row.step; }

class CommitUnderFault : public ComponentSettings, public ::testing::WithParamInterface<CommitFault> {};

TEST_P(CommitUnderFault, LeavesTheRecorderWithItsOldSettings) {
  const std::string before = ReadText(Folder() + "/settings.json");
  const size_t entries = EntryCount(Folder());
  ASSERT_EQ(settings->put_DeviceBeep(VARIANT_FALSE), S_OK);
  ASSERT_EQ(settings->put_FileCounter(77), S_OK);
  InjectFault(GetParam().step, GetParam().error);
  EXPECT_EQ(device->SetDeviceSettings(settings.Get()), GetParam().expected);
  EXPECT_EQ(ReadText(Folder() + "/settings.json"), before);
  EXPECT_EQ(EntryCount(Folder()), entries) << "no temporary file is left";
  ComPtr<IDPMDeviceSettings> reread = SettingsOf(device.Get());
  VARIANT_BOOL beep = VARIANT_FALSE;
  EXPECT_EQ(reread->get_DeviceBeep(&beep), S_OK);
  EXPECT_EQ(beep, VARIANT_TRUE);
  // Without the fault the same object commits whole.
  EXPECT_EQ(device->SetDeviceSettings(settings.Get()), S_OK);
  reread = SettingsOf(device.Get());
  LONG counter = 0;
  EXPECT_EQ(reread->get_FileCounter(&counter), S_OK);
  EXPECT_EQ(counter, 77);
}

INSTANTIATE_TEST_SUITE_P(Steps, CommitUnderFault,
                         ::testing::Values(CommitFault{"rename", EIO, dpmCtrlWriteDeviceConfiguration},
                                           CommitFault{"sync", EIO, dpmCtrlWriteDeviceConfiguration},
                                           CommitFault{"write", ENOSPC, dpmCtrlOutOfDiskSpace},
                                           CommitFault{"create", EACCES, dpmCtrlWriteDeviceConfiguration}),
                         [](const auto& info) { return std::string(info.param.step); });

TEST_F(ComponentSettings, DamagedCommittedSettingsCannotBeRead) {
  WriteText(Folder() + "/settings.json", "{\"format\": \"quorvel-recorder-settings\"");
  ComPtr<IDPMDeviceSettings> none;
  EXPECT_EQ(device->GetDeviceSettings(none.ReleaseAndGetAddressOf()), dpmCtrlReadDeviceConfiguration);
  EXPECT_FALSE(none);
  // Committing a good object repairs the recorder.
  EXPECT_EQ(device->SetDeviceSettings(settings.Get()), S_OK);
  EXPECT_EQ(device->GetDeviceSettings(none.ReleaseAndGetAddressOf()), S_OK);
}

TEST_F(ComponentSettings, ExportAndImportRoundTrip) {
  ASSERT_EQ(settings->put_FileCounter(1234), S_OK);
  Bstr value(SysAllocString(u"M\u00FCller"));
  ASSERT_EQ(settings->put_KeywordContentString(0, 99, value.Get()), S_OK);
  Bstr path = Text((scratch / "desk.json").c_str());
  ASSERT_EQ(control->ExportSettings(path.Get(), settings.Get()), S_OK);
  ComPtr<IDPMDeviceSettings> imported;
  ASSERT_EQ(control->ImportSettings(path.Get(), imported.ReleaseAndGetAddressOf()), S_OK);
  LONG counter = 0;
  EXPECT_EQ(imported->get_FileCounter(&counter), S_OK);
  EXPECT_EQ(counter, 1234);
  Bstr read;
  EXPECT_EQ(imported->get_KeywordContentString(0, 99, read.Receive()), S_OK);
  EXPECT_EQ(read.View(), u"M\u00FCller");
  EXPECT_EQ(device->SetDeviceSettings(imported.Get()), S_OK);
}

struct ExportFailure {
  const char* what;
  std::function<std::string(const TempFolder&)> prepare;  // the target path
  const char* step;
  int error;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const ExportFailure& row, std::ostream* out) { *out << row.what; }

class ExportFailures : public ComponentSettings, public ::testing::WithParamInterface<ExportFailure> {};

TEST_P(ExportFailures, KeepTheOldFile) {
  const std::string target = GetParam().prepare(scratch);
  const bool existed = std::filesystem::exists(target);
  const std::string before = existed ? ReadText(target) : std::string();
  if (GetParam().step) InjectFault(GetParam().step, GetParam().error);
  Bstr path = Text(target.c_str());
  EXPECT_EQ(control->ExportSettings(path.Get(), settings.Get()), GetParam().expected);
  EXPECT_EQ(std::filesystem::exists(target), existed);
  if (existed) {
    EXPECT_EQ(ReadText(target), before);
  }
}

std::string OldFile(const TempFolder& folder) {
  WriteText(folder / "old.json", "the old settings");
  return folder / "old.json";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExportFailures,
    ::testing::Values(
        ExportFailure{"MissingFolder", [](const TempFolder& f) { return f / "nowhere/x.json"; }, nullptr, 0,
                      dpmCtrlPathNotFound},
        ExportFailure{"ReadOnlyTarget",
                      [](const TempFolder& f) {
                        std::string p = OldFile(f);
                        ::chmod(p.c_str(), 0444);
                        return p;
                      },
                      nullptr, 0, dpmCtrlFileReadOnly},
        ExportFailure{"DiskFull", OldFile, "write", ENOSPC, dpmCtrlOutOfDiskSpace},
        ExportFailure{"NoPermission", OldFile, "create", EACCES, dpmCtrlAccessDenied},
        ExportFailure{"CrashBeforeRename", OldFile, "rename", EIO, E_FAIL},
        ExportFailure{"ReadOnlyFileSystem", OldFile, "create", EROFS, dpmCtrlFileReadOnly}),
    [](const auto& info) { return std::string(info.param.what); });

struct ImportFailure {
  const char* what;
  std::function<std::string(const TempFolder&)> prepare;
  const char* step;
  int error;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const ImportFailure& row, std::ostream* out) { *out << row.what; }

class ImportFailures : public ComponentSettings, public ::testing::WithParamInterface<ImportFailure> {};

TEST_P(ImportFailures, GiveTheirCodeAndNoObject) {
  Bstr path = Text(GetParam().prepare(scratch).c_str());
  if (GetParam().step) InjectFault(GetParam().step, GetParam().error);
  IDPMDeviceSettings* imported = reinterpret_cast<IDPMDeviceSettings*>(1);
  EXPECT_EQ(control->ImportSettings(path.Get(), &imported), GetParam().expected);
  EXPECT_EQ(imported, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImportFailures,
    ::testing::Values(
        ImportFailure{"MissingFile", [](const TempFolder& f) { return f / "missing.json"; }, nullptr, 0,
                      dpmCtrlFileNotFound},
        ImportFailure{"MissingFolder", [](const TempFolder& f) { return f / "nowhere/x.json"; }, nullptr, 0,
                      dpmCtrlPathNotFound},
        // Root reads every file whatever its mode, so the refusal comes through the fault seam.
        ImportFailure{"NoPermission", OldFile, "open", EACCES, dpmCtrlAccessDenied},
        ImportFailure{"Garbage", OldFile, nullptr, 0, dpmCtrlInvalidFile},
        ImportFailure{"Oversized",
                      [](const TempFolder& f) {
                        WriteText(f / "big.json", std::string((1 << 20) + 1, ' '));
                        return f / "big.json";
                      },
                      nullptr, 0, dpmCtrlInvalidFile},
        ImportFailure{"AFolder", [](const TempFolder& f) { return f.Path(); }, nullptr, 0, dpmCtrlAccessDenied},
        // A pipe nobody writes to: the import returns at once instead of waiting for ever.
        ImportFailure{"Fifo",
                      [](const TempFolder& f) {
                        ::mkfifo((f / "fifo.json").c_str(), 0644);
                        return f / "fifo.json";
                      },
                      nullptr, 0, dpmCtrlInvalidFile},
        ImportFailure{"LinkLoop",
                      [](const TempFolder& f) {
                        std::filesystem::create_symlink(f / "b.json", f / "a.json");
                        std::filesystem::create_symlink(f / "a.json", f / "b.json");
                        return f / "a.json";
                      },
                      nullptr, 0, dpmCtrlInvalidFile},
        ImportFailure{"DuplicateKey",
                      [](const TempFolder& f) {
                        std::string text = SettingsToJson(FactorySettings(*FindRecorderModel(27)));
                        WriteText(f / "twice.json", text.insert(1, "\"deviceType\": 27,"));
                        return f / "twice.json";
                      },
                      nullptr, 0, dpmCtrlInvalidFile}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
