// SPDX-License-Identifier: GPL-3.0-or-later
// The device object's maintenance operations through the interface.
#include "tests/component/ComponentFixture.h"

namespace {

class ComponentDevice : public ComponentTest {
 protected:
  void Start(const char* model) {
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(Tool(std::string("add ") + model + " rec"), 0);
    ASSERT_EQ(control->Initialize(0), S_OK);
    device = Device();
  }
  void TearDown() override {
    device = nullptr;
    ComponentTest::TearDown();
  }
  std::string Folder() const { return Recorders() + "/rec"; }

  ComPtr<IDPMDevice> device;
};

TEST_F(ComponentDevice, CapabilitiesAreTheCatalogueRow) {
  Start("DPM4_8500");
  ComPtr<IDPMCapabilities> caps;
  ASSERT_EQ(device->GetCapabilities(caps.ReleaseAndGetAddressOf()), S_OK);
  const RecorderModel& model = *FindRecorderModel(28);
  Bstr name;
  LONG number = 0;
  VARIANT_BOOL flag = 0;
  EXPECT_EQ(caps->get_Name(name.Receive()), S_OK);
  EXPECT_EQ(BstrToAnsi(name.Get()), "DPM4_8500");
  EXPECT_EQ(caps->get_KeywordContent(&number), S_OK);
  EXPECT_EQ(number, model.keywordRows);
  EXPECT_EQ(caps->get_MaxKeywordVoiceCommands(1, &number), S_OK);
  EXPECT_EQ(number, model.maxVoiceCommandsWord);
  EXPECT_EQ(caps->get_MaxKeywordVoiceCommands(2, &number), E_INVALIDARG);
  EXPECT_EQ(caps->get_Encryption(&flag), S_OK);
  EXPECT_EQ(flag, VARIANT_TRUE);
  EXPECT_EQ(caps->get_VendorId(nullptr), E_POINTER);
}

TEST_F(ComponentDevice, IdentityComesFromTheRecorder) {
  Start("DPM_9450_52");
  Bstr text;
  LONG build = 0;
  EXPECT_EQ(device->GetMACAddress(text.Receive()), S_OK);
  EXPECT_EQ(BstrToAnsi(text.Get()).substr(0, 8), "00:0E:18");
  EXPECT_EQ(device->GetFirmwareVersion(text.Receive()), S_OK);
  EXPECT_FALSE(text.View().empty());
  EXPECT_EQ(device->GetOEMString(text.Receive()), S_OK);
  EXPECT_EQ(BstrToAnsi(text.Get()), "Orvane");
  EXPECT_EQ(device->GetBuildNumber(&build), S_OK);
  EXPECT_GT(build, 0);
  EXPECT_EQ(device->GetDriveLetter(text.Receive()), S_OK);
  EXPECT_EQ(BstrToAnsi(text.Get()), Folder() + "/card");
}

TEST_F(ComponentDevice, SecurityCodesFollowTheRulesAndStayHashed) {
  Start("DPM4_8500");
  Bstr shortPuk = Text("1234"), puk = Text("12345678"), wrong = Text("87654321"), pin = Text("2468");
  VARIANT_BOOL set = VARIANT_TRUE;
  EXPECT_EQ(device->GetPUKSet(&set), S_OK);
  EXPECT_EQ(set, VARIANT_FALSE);
  EXPECT_EQ(device->SetPIN(puk.Get(), pin.Get()), dpmCtrlAccessDenied) << "no PUK yet";
  EXPECT_EQ(device->SetPUK(shortPuk.Get()), E_INVALIDARG);
  ASSERT_EQ(device->SetPUK(puk.Get()), S_OK);
  EXPECT_EQ(device->GetPUKSet(&set), S_OK);
  EXPECT_EQ(set, VARIANT_TRUE);
  EXPECT_EQ(device->SetPUK(wrong.Get()), dpmCtrlAccessDenied) << "a PUK is set once";
  EXPECT_EQ(device->SetPIN(wrong.Get(), pin.Get()), dpmCtrlAccessDenied);
  EXPECT_EQ(device->SetPIN(puk.Get(), shortPuk.Get() /* 4 digits: fine */), S_OK);
  Bstr letters = Text("12ab");
  EXPECT_EQ(device->SetPIN(puk.Get(), letters.Get()), E_INVALIDARG);

  Bstr empty = Text(""), weak = Text("password"), strong = Text("secret42x"), other = Text("another7y");
  EXPECT_EQ(device->SetEncryptionPassword(empty.Get(), weak.Get()), E_INVALIDARG);
  ASSERT_EQ(device->SetEncryptionPassword(empty.Get(), strong.Get()), S_OK);
  EXPECT_EQ(device->SetEncryptionPassword(wrong.Get(), other.Get()), dpmCtrlAccessDenied);
  EXPECT_EQ(device->SetEncryptionPassword(strong.Get(), other.Get()), S_OK);
  EXPECT_EQ(device->SetEncryptionPassword(puk.Get(), empty.Get()), S_OK) << "the PUK opens it too";

  const std::string state = ReadText(Folder() + "/state.json");
  for (const char* clear : {"12345678", "1234", "secret42x", "another7y"})
    EXPECT_EQ(state.find(std::string("\"") + clear + "\""), std::string::npos) << clear << " stored in clear";
}

// A recorder written by an earlier version: PUK 12345678 as PBKDF2-HMAC-SHA256 under the recorder's salt.
TEST_F(ComponentDevice, CodesOfEarlierVersionsStillOpenAndMoveToArgon2id) {
  Start("DPM4_8500");
  RecorderFolder folder(Folder());
  RecorderState state;
  ASSERT_EQ(folder.UpdateState([](RecorderState& old) {
              old.salt = "00112233445566778899aabbccddeeff";
              old.pukHash = "9a9e11128a77f11d14e4aef58e1221cb59c1cf330265f7f3a69b76685ba3f4cd";
              return S_OK;
            }),
            S_OK);

  Bstr puk = Text("12345678"), wrong = Text("87654321"), pin = Text("2468");
  EXPECT_EQ(device->SetPIN(wrong.Get(), pin.Get()), dpmCtrlAccessDenied);
  ASSERT_EQ(folder.LoadState(&state), S_OK);
  EXPECT_EQ(state.pukHash.size(), 64u) << "a refused code changes nothing";
  ASSERT_EQ(device->SetPIN(puk.Get(), pin.Get()), S_OK);
  ASSERT_EQ(folder.LoadState(&state), S_OK);
  EXPECT_EQ(state.pukHash.rfind("$argon2id$", 0), 0u) << "the PUK, once given, is hashed anew";
  EXPECT_EQ(state.pinHash.rfind("$argon2id$", 0), 0u);
  EXPECT_EQ(device->SetPIN(puk.Get(), Text("").Get()), S_OK) << "and still opens";
}

TEST_F(ComponentDevice, SecurityOnModelsWithoutIt) {
  Start("DPM_9350_00");
  Bstr puk = Text("12345678");
  VARIANT_BOOL set = 0;
  EXPECT_EQ(device->SetPUK(puk.Get()), dpmCtrlNotSupported);
  EXPECT_EQ(device->GetPUKSet(&set), dpmCtrlNotSupported);
  EXPECT_EQ(device->SetEncryptionPassword(puk.Get(), puk.Get()), dpmCtrlNotSupported);
  Bstr image = Text((scratch / "x.bmp").c_str());
  EXPECT_EQ(device->PutWelcomeScreen(image.Get()), dpmCtrlNotSupported) << "classic display";
  LONG layout = 0;
  Variant prefix, postfix;
  EXPECT_EQ(device->GetBarcodeKeyboardLayout(&layout, prefix.Get(), postfix.Get()), dpmCtrlNotSupported);
}

SAFEARRAY* Pairs(ULONG count, LONG first) {
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {count, 0}};
  SAFEARRAY* array = SafeArrayCreate(VT_I4, 2, bounds);
  for (LONG p = 0; p < static_cast<LONG>(count); ++p)
    for (LONG i = 0; i < 2; ++i) {
      const LONG index[2] = {i, p};
      LONG value = first + p * 2 + i;
      SafeArrayPutElement(array, index, &value);
    }
  return array;
}

TEST_F(ComponentDevice, BarcodeKeyboardLayoutIsTenPairs) {
  Start("DPM4_8200");
  Variant prefix, postfix, wrong;
  prefix->vt = postfix->vt = wrong->vt = VT_ARRAY | VT_I4;
  prefix->parray = Pairs(10, 1);
  postfix->parray = Pairs(10, 100);
  wrong->parray = Pairs(9, 1);
  EXPECT_EQ(device->SetBarcodeKeyboardLayout(0x0407, prefix.Get(), wrong.Get()), E_INVALIDARG);
  EXPECT_EQ(device->SetBarcodeKeyboardLayout(-1, prefix.Get(), postfix.Get()), E_INVALIDARG);
  ASSERT_EQ(device->SetBarcodeKeyboardLayout(0x0407, prefix.Get(), postfix.Get()), S_OK);

  LONG layout = 0;
  Variant readPrefix, readPostfix;
  ASSERT_EQ(device->GetBarcodeKeyboardLayout(&layout, readPrefix.Get(), readPostfix.Get()), S_OK);
  EXPECT_EQ(layout, 0x0407);
  ASSERT_EQ(readPostfix->vt, VT_ARRAY | VT_I4);
  LONG upper = 0, value = 0;
  EXPECT_EQ(SafeArrayGetUBound(readPostfix->parray, 2, &upper), S_OK);
  EXPECT_EQ(upper, 9);
  const LONG last[2] = {1, 9};
  EXPECT_EQ(SafeArrayGetElement(readPostfix->parray, last, &value), S_OK);
  EXPECT_EQ(value, 119);
}

TEST_F(ComponentDevice, LedsImagesAndCardFiles) {
  Start("DPM4_8200");
  EXPECT_EQ(device->SetLED(2, 0), E_INVALIDARG);
  EXPECT_EQ(device->SetLED(0, 4), E_INVALIDARG);
  EXPECT_EQ(device->SetLED(1, 3), S_OK);

  Bstr missing = Text((scratch / "missing.bmp").c_str()), text = Text((scratch / "note.txt").c_str()),
       bmp = Text((scratch / "logo.bmp").c_str());
  WriteText(scratch / "note.txt", std::string(100, 'x'));
  WriteText(scratch / "logo.bmp", "BM" + std::string(100, '\0'));
  EXPECT_EQ(device->PutWelcomeScreen(missing.Get()), dpmCtrlFileNotFound);
  EXPECT_EQ(device->PutWelcomeScreen(text.Get()), dpmCtrlInvalidFile);
  EXPECT_EQ(device->PutWelcomeScreen(bmp.Get()), S_OK);
  EXPECT_EQ(ReadText(Folder() + "/welcome.bmp").substr(0, 2), "BM");
  EXPECT_EQ(device->DisplayScreen(bmp.Get()), S_OK);

  WriteText(Folder() + "/card/a.dss", "dictation");
  Bstr escape = Text("../identity.json"), absent = Text("b.dss"), present = Text("a.dss");
  EXPECT_EQ(device->DeleteDeviceFile(escape.Get()), E_INVALIDARG);
  EXPECT_TRUE(std::filesystem::exists(Folder() + "/identity.json"));
  EXPECT_EQ(device->DeleteDeviceFile(absent.Get()), dpmCtrlFileNotFound);
  EXPECT_EQ(device->DeleteDeviceFile(present.Get()), S_OK);
  LONG count = -1;
  EXPECT_EQ(device->get_FileCount(&count), S_OK);
  EXPECT_EQ(count, 0);
}

}  // namespace
