// SPDX-License-Identifier: GPL-3.0-or-later
// Every operation of the component's interfaces sits in the slot the contract gives it. The program and
// our component compile against the same headers, so two operations swapped there would pass every
// other test, while a component built elsewhere would run the wrong operation for each of them.
//
// The tables below list each interface's operations in contract order, IUnknown's and IDispatch's
// seven first; a property read and written is one row (get_, then put_), and a run of slots the
// program never calls is a gap of that many slots.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "device/EventSink.h"
#include "device/IDPMCapabilities.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMFileInfo.h"
#include "device/IDPMFileList.h"
#include "device/IDPMRecordingProfile.h"

namespace {

// Where a virtual member function lives, read from its member pointer as the Itanium C++ ABI lays it
// out: {1 + byte offset of the slot, this-adjustment}; ARM keeps the offset plain and flags "virtual"
// in the adjustment's low bit. An adjustment means the function sits in a secondary table.
struct SlotPlace {
  bool isVirtual = false;
  std::ptrdiff_t slot = -1;
  std::ptrdiff_t adjustment = 0;
};

template <class Member>
SlotPlace PlaceOf(Member member) {
  static_assert(std::is_member_function_pointer_v<Member>);
  static_assert(sizeof(Member) == 2 * sizeof(std::ptrdiff_t), "not an Itanium-style member pointer");
  std::ptrdiff_t words[2];
  std::memcpy(words, &member, sizeof words);
  constexpr auto kWord = static_cast<std::ptrdiff_t>(sizeof(void*));
#if defined(__arm__) || defined(__aarch64__)
  return {(words[1] & 1) != 0, words[0] / kWord, words[1] >> 1};
#else
  return {(words[0] & 1) != 0, (words[0] - 1) / kWord, words[1]};
#endif
}

struct Operation {
  std::string name;  // empty: a slot the program never calls
  SlotPlace place;
};
using Operations = std::vector<Operation>;

#define OP(name) Operation{#name, PlaceOf(&I::name)}
#define GET_PUT(name) OP(get_##name), OP(put_##name)
#define DISPATCH_OPS                                                                        \
  OP(QueryInterface), OP(AddRef), OP(Release), OP(GetTypeInfoCount), OP(GetTypeInfo), \
      OP(GetIDsOfNames), OP(Invoke)

Operations Gap(int slots) { return Operations(static_cast<std::size_t>(slots)); }

Operations Join(std::initializer_list<Operations> parts) {
  Operations all;
  for (const Operations& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The contract names the operations of IDPMControl, IDPMDevice and IDPMFileList only by the windows
// that call them, without slot numbers; their order is the one they were first published in, which
// any component built against them relies on.
Operations ControlOperations() {
  using I = IDPMControl;
  return {DISPATCH_OPS,
          OP(Initialize),
          OP(Deinitialize),
          OP(get_DeviceStatus),
          OP(get_BarcodeScannerStatus),
          OP(GetDevice),
          OP(ImportSettings),
          OP(ExportSettings),
          OP(Copy),
          OP(Move),
          OP(Delete),
          OP(Convert),
          OP(Decrypt),
          OP(SeparateSpokenInstructions),
          OP(NewFile),
          OP(put_CustomFormat),
          OP(StartDelayedTasks),
          OP(CancelTasks),
          OP(get_IDPMFileInfo),
          OP(get_FileList)};
}

Operations DeviceOperations() {
  using I = IDPMDevice;
  return {DISPATCH_OPS,
          OP(GetDeviceSettings),
          OP(SetDeviceSettings),
          OP(GetCapabilities),
          OP(GetDeviceType),
          OP(SynchronizeDateTime),
          OP(FormatCard),
          OP(GetFreeDiskSpace),
          OP(GetFirmwareVersion),
          OP(GetMACAddress),
          OP(GetDriveLetter),
          OP(get_FileCount),
          OP(PutWelcomeScreen),
          OP(DisplayScreen),
          OP(SetLED),
          OP(GetLastButtonEvent),
          OP(GetOEMString),
          OP(GetBuildNumber),
          OP(GetPUKSet),
          OP(SetPUK),
          OP(SetPIN),
          OP(SetEncryptionPassword),
          OP(DeleteDeviceFile),
          OP(GetBarcodeKeyboardLayout),
          OP(SetBarcodeKeyboardLayout)};
}

Operations FileListOperations() {
  using I = IDPMFileList;
  return {DISPATCH_OPS, OP(put_Folder), OP(get_Count), OP(get_Item), OP(Refresh)};
}

Operations DeviceSettingsOperations() {
  using I = IDPMDeviceSettings;
  return Join({{DISPATCH_OPS,
                GET_PUT(FileNamePrefixString),
                GET_PUT(FileNamePrefixType),
                GET_PUT(FileCounter),
                GET_PUT(DLSButtonEnabled),
                GET_PUT(DateTimeFormat),
                GET_PUT(DeviceBeep),
                GET_PUT(RecordingMode),
                GET_PUT(VoiceActivation),
                GET_PUT(ProtectDevice),
                OP(get_MACAddress),
                OP(get_FirmwareVersion),
                GET_PUT(Appearance),
                OP(get_KeywordUsageCount),
                GET_PUT(KeywordUsageString),
                OP(get_KeywordContentCount),
                GET_PUT(KeywordContentString),
                GET_PUT(DownloadMode),
                GET_PUT(DownloadFilter),
                GET_PUT(Keyword1String),
                GET_PUT(DeleteFilesAfterDownload),
                GET_PUT(MicrophoneSensitivity),
                GET_PUT(FileCounterSource),
                GET_PUT(RequiredInputType),
                GET_PUT(TotalTimeType),
                GET_PUT(UserStringCount),
                GET_PUT(DELButtonEnabled),
                GET_PUT(InsertButtonEnabled),
                GET_PUT(EOLButtonEnabled),
                GET_PUT(LinkKeywords),
                GET_PUT(ScanKeywordsFromBarcode),
                GET_PUT(BarcodeScanButton),
                GET_PUT(OneFile),
                GET_PUT(RecordNotify),
                GET_PUT(KeywordBarcodeScan),
                GET_PUT(KeywordVoiceCommand),
                GET_PUT(KeywordMandatory),
                GET_PUT(VoiceCommandType)},
               Gap(3),
               {GET_PUT(OS), GET_PUT(BarcodeMode), GET_PUT(FunctionKey), GET_PUT(NoiseReduction),
                GET_PUT(FourPosSwitch), GET_PUT(RecordLevelInd), GET_PUT(ProhibitFileAlteration), GET_PUT(ProMode)},
               Gap(20),
               {GET_PUT(DisplayAreaMapping)},
               Gap(4),
               {GET_PUT(SmartButtonConfiguration)},
               Gap(2),
               {GET_PUT(PlusButtonEnabled), GET_PUT(MinusButtonEnabled)},
               Gap(2),
               {OP(get_RecordingProfile)}});
}

Operations RecordingProfileOperations() {
  using I = IDPMRecordingProfile;
  return {DISPATCH_OPS, GET_PUT(AudioQuality), GET_PUT(ProfileMicSensitivity), GET_PUT(MicrophoneDirection)};
}

Operations CapabilitiesOperations() {
  using I = IDPMCapabilities;
  return {DISPATCH_OPS,
          OP(get_VendorId),
          OP(get_ProductId),
          OP(get_Name),
          OP(get_DisplayModes),
          OP(get_KeywordUsage),
          OP(get_KeywordContent),
          OP(get_Instruction),
          OP(get_Priority),
          OP(get_KeywordsReadOnly),
          OP(get_RequiredInputType),
          OP(get_UserStringMax),
          OP(get_LinkKeywords),
          OP(get_ScanKeywordsFromBarcode),
          OP(get_KeywordBarcodeScan),
          OP(get_KeywordVoiceCommand),
          OP(get_KeywordMandatory),
          OP(get_MaxKeywordVoiceCommands),
          OP(get_SetBarcodeScanButton),
          OP(get_QualityPlay),
          OP(get_BarcodeEvent),
          OP(get_FunctionKey),
          OP(get_Encryption),
          OP(get_Security),
          OP(get_ProhibitFileAlteration),
          OP(get_FourPosSwitch)};
}

Operations FileInfoOperations() {
  using I = IDPMFileInfo;
  return {DISPATCH_OPS,
          OP(get_FileName),
          OP(get_FileType),
          OP(get_LastModifiedDate),
          OP(get_LastModifiedTime),
          OP(get_JobNumber),
          OP(get_RecordingStartDate),
          OP(get_RecordingStartTime),
          OP(get_RecordingEndDate),
          OP(get_RecordingEndTime),
          OP(get_DictationLength),
          GET_PUT(Author),
          GET_PUT(Priority),
          OP(get_ProductId),
          OP(get_MACAddress),
          OP(get_FirmwareVersion),
          OP(get_CompressionMode),
          OP(get_DownloadDate),
          OP(get_DownloadTime),
          OP(get_BarcodeString),
          OP(get_KeywordUsageCount),
          GET_PUT(KeywordUsageString),
          OP(get_KeywordContentCount),
          GET_PUT(KeywordContentString),
          OP(get_InstructionFileExists),
          OP(get_InstructionLength),
          GET_PUT(EOL),
          GET_PUT(UserString),
          OP(get_UserStringCount),
          OP(get_InstructionFileName),
          OP(put_DownloadDate),
          OP(put_DownloadTime),
          OP(get_SpokenInstructionList),
          OP(get_IsEncrypted)};
}

// The event interface is a pure dispatch interface: the component reaches the sink through
// IDispatch's slots alone, so those must be the sink's first ones.
Operations EventSinkOperations() {
  using I = CEventSink;
  return {DISPATCH_OPS};
}

#undef DISPATCH_OPS
#undef GET_PUT
#undef OP

struct InterfaceRow {
  const char* name;
  Operations (*operations)();
};

void PrintTo(const InterfaceRow& row, std::ostream* os) { *os << row.name; }

class SlotOrder : public testing::TestWithParam<InterfaceRow> {};

TEST_P(SlotOrder, EachOperationSitsInItsContractSlot) {
  const Operations operations = GetParam().operations();
  ASSERT_GE(operations.size(), 7u);
  for (std::size_t slot = 0; slot < operations.size(); ++slot) {
    const Operation& op = operations[slot];
    if (op.name.empty()) continue;
    SCOPED_TRACE(op.name);
    EXPECT_TRUE(op.place.isVirtual);
    EXPECT_EQ(op.place.adjustment, 0) << "not in the interface's own slot table";
    EXPECT_EQ(op.place.slot, static_cast<std::ptrdiff_t>(slot));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Interfaces, SlotOrder,
    testing::Values(InterfaceRow{"IDPMControl", ControlOperations}, InterfaceRow{"IDPMDevice", DeviceOperations},
                    InterfaceRow{"IDPMDeviceSettings", DeviceSettingsOperations},
                    InterfaceRow{"IDPMRecordingProfile", RecordingProfileOperations},
                    InterfaceRow{"IDPMCapabilities", CapabilitiesOperations},
                    InterfaceRow{"IDPMFileInfo", FileInfoOperations}, InterfaceRow{"IDPMFileList", FileListOperations},
                    InterfaceRow{"CEventSink", EventSinkOperations}),
    [](const testing::TestParamInfo<InterfaceRow>& info) { return std::string(info.param.name); });

// The reading of member pointers above, checked against a slot table the compiler built: calling the
// slot it names must run that very function.
struct Probe {
  virtual int First() { return 1; }
  virtual int Second() { return 2; }
  virtual int Third() { return 3; }
  virtual ~Probe() = default;
};

TEST(SlotOrder, MemberPointersNameTheSlotThatRuns) {
  Probe probe;
  using Slot = int (*)(Probe*);
  void* vptr = nullptr;
  std::memcpy(&vptr, static_cast<void*>(&probe), sizeof vptr);
  Slot* table = static_cast<Slot*>(vptr);
  for (auto [member, result] :
       {std::pair{&Probe::First, 1}, std::pair{&Probe::Second, 2}, std::pair{&Probe::Third, 3}}) {
    const SlotPlace place = PlaceOf(member);
    ASSERT_TRUE(place.isVirtual);
    EXPECT_EQ(place.slot, result - 1);
    EXPECT_EQ(table[place.slot](&probe), result);
  }
}

}  // namespace
