// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/TypeLib.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/automation/ComObject.h"
#include "platform/automation/ComPtr.h"
#include "platform/automation/Variant.h"
#include "tests/support/TempRegistry.h"

namespace {

constexpr GUID kLibId{0xA0A0A0A0, 0x1234, 0x5678, {9, 8, 7, 6, 5, 4, 3, 2}};
constexpr IID kEvents{0xA0A0A0A1, 0x1234, 0x5678, {9, 8, 7, 6, 5, 4, 3, 2}};
constexpr IID kOther{0xA0A0A0A2, 0x1234, 0x5678, {9, 8, 7, 6, 5, 4, 3, 2}};

TypeLibDescription SampleLibrary() {
  return {kLibId, 1, 0, "SampleLib",
          {{kEvents, "_DSampleEvents",
            {{1, "DeviceConnected", CC_STDCALL, VT_I4, {VT_I4, VT_BSTR}},
             {2, "Pressed", CC_STDCALL, VT_I4, {VT_I4, VT_I4, VT_BOOL}},
             {-7, "Nothing", CC_CDECL, VT_EMPTY, {}}}},
           {kOther, "IOther", {}}}};
}

class TypeLibTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(RegisterTypeLib(SampleLibrary()), S_OK); }
  void TearDown() override { EXPECT_EQ(ComObjectLiveCount(), m_objects); }
  std::string FilePath() const { return registry.Path() + "/typelibs/" + GuidToString(kLibId) + "-1.0"; }
  std::string FileText() const {
    std::ifstream in(FilePath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  HRESULT Load(ComPtr<ITypeLib>* lib, WORD major = 1, WORD minor = 0) {
    return LoadRegTypeLib(kLibId, major, minor, LOCALE_USER_DEFAULT, lib->ReleaseAndGetAddressOf());
  }

  long m_objects = ComObjectLiveCount();
  TempRegistry registry;
};

TEST_F(TypeLibTest, RegisteredLibraryGivesEachDispatchIdsParameterTypes) {
  ComPtr<ITypeLib> lib;
  ASSERT_EQ(Load(&lib), S_OK);
  GUID libid{};
  WORD major = 0, minor = 9;
  ASSERT_EQ(lib->GetLibAttr(&libid, &major, &minor), S_OK);
  EXPECT_EQ(libid, kLibId);
  EXPECT_EQ(major, 1);
  EXPECT_EQ(minor, 0);

  ComPtr<ITypeInfo> info;
  ASSERT_EQ(lib->GetTypeInfoOfGuid(kEvents, info.ReleaseAndGetAddressOf()), S_OK);
  lib = nullptr;  // the type information keeps what it needs
  UINT count = 0;
  ASSERT_EQ(info->GetFuncCount(&count), S_OK);
  EXPECT_EQ(count, 3u);
  const TypeLibDescription sample = SampleLibrary();
  for (const FunctionDescription& expected : sample.interfaces[0].functions) {
    FunctionDescription f{};
    ASSERT_EQ(info->GetFunction(expected.dispid, &f), S_OK) << expected.name;
    EXPECT_EQ(f.name, expected.name);
    EXPECT_EQ(f.callConv, expected.callConv);
    EXPECT_EQ(f.returnType, expected.returnType);
    EXPECT_EQ(f.paramTypes, expected.paramTypes);
  }
  FunctionDescription none{};
  EXPECT_EQ(info->GetFunction(3, &none), TYPE_E_ELEMENTNOTFOUND);
}

TEST_F(TypeLibTest, NamesGiveDispatchIds) {
  ComPtr<ITypeLib> lib;
  ASSERT_EQ(Load(&lib), S_OK);
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(lib->GetTypeInfoOfGuid(kEvents, info.ReleaseAndGetAddressOf()), S_OK);
  OLECHAR pressed[] = u"pressed";
  OLECHAR unknown[] = u"Press";
  LPOLESTR names[] = {pressed};
  DISPID id = 0;
  EXPECT_EQ(info->GetIDsOfNames(names, 1, &id), S_OK);
  EXPECT_EQ(id, 2);
  names[0] = unknown;
  EXPECT_EQ(info->GetIDsOfNames(names, 1, &id), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  ComPtr<ITypeInfo> missing;
  EXPECT_EQ(lib->GetTypeInfoOfGuid(kLibId, missing.ReleaseAndGetAddressOf()), TYPE_E_ELEMENTNOTFOUND);
}

TEST_F(TypeLibTest, UnregisteredLibraryOrVersionIsNotRegistered) {
  ComPtr<ITypeLib> lib;
  EXPECT_EQ(Load(&lib, 1, 1), TYPE_E_LIBNOTREGISTERED);
  EXPECT_EQ(Load(&lib, 2, 0), TYPE_E_LIBNOTREGISTERED);
  EXPECT_EQ(UnRegisterTypeLib(kLibId, 1, 0, LOCALE_USER_DEFAULT), S_OK);
  EXPECT_EQ(Load(&lib), TYPE_E_LIBNOTREGISTERED);
  EXPECT_FALSE(lib);
  EXPECT_EQ(UnRegisterTypeLib(kLibId, 1, 0, LOCALE_USER_DEFAULT), TYPE_E_LIBNOTREGISTERED);
}

TEST_F(TypeLibTest, DescriptionThatCannotBeWrittenIsRefused) {
  TypeLibDescription blank = SampleLibrary();
  blank.interfaces[0].functions[0].name = "Two words";
  EXPECT_EQ(RegisterTypeLib(blank), E_INVALIDARG);
  TypeLibDescription twice = SampleLibrary();
  twice.interfaces[0].functions[1].dispid = 1;
  EXPECT_EQ(RegisterTypeLib(twice), E_INVALIDARG);
  ComPtr<ITypeLib> lib;
  EXPECT_EQ(Load(&lib), S_OK);  // the registered one is untouched
}

// Each row damages the registered file in one way; every damage reads as "not registered".
struct Damage {
  const char* what;
  std::string (*apply)(std::string text);
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

void PrintTo(const Damage& d, std::ostream* os) { *os << d.what; }

class TypeLibDamageTest : public TypeLibTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(TypeLibDamageTest, DamagedFileIsNotRegistered) {
  std::string original = FileText();
  std::string damaged = GetParam().apply(original);
  ASSERT_NE(damaged, original);
  std::ofstream(FilePath(), std::ios::trunc | std::ios::binary) << damaged;
  ComPtr<ITypeLib> lib;
  EXPECT_EQ(Load(&lib), TYPE_E_LIBNOTREGISTERED);
  EXPECT_FALSE(lib);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypeLibDamageTest,
    ::testing::Values(
        Damage{"empty", [](std::string) { return std::string(); }},
        Damage{"cut_in_half", [](std::string t) { return t.substr(0, t.size() / 2); }},
        Damage{"no_end", [](std::string t) { return Replace(t, "end\n", ""); }},
        Damage{"after_end", [](std::string t) { return t + "function 9 X 4 3 0\n"; }},
        Damage{"other_header", [](std::string t) { return Replace(t, "quorvel-typelib 1", "quorvel-typelib 2"); }},
        Damage{"other_version", [](std::string t) { return Replace(t, " 1 0 SampleLib", " 1 1 SampleLib"); }},
        Damage{"bad_guid", [](std::string t) { return Replace(t, "{A0A0A0A1", "{A0A0A0AZ"); }},
        Damage{"too_few_functions", [](std::string t) { return Replace(t, "_DSampleEvents 3", "_DSampleEvents 2"); }},
        Damage{"too_many_functions", [](std::string t) { return Replace(t, "_DSampleEvents 3", "_DSampleEvents 4"); }},
        Damage{"huge_count", [](std::string t) { return Replace(t, "_DSampleEvents 3", "_DSampleEvents 99999999999999999999"); }},
        Damage{"param_count_short", [](std::string t) { return Replace(t, "Pressed 4 3 3", "Pressed 4 3 4"); }},
        Damage{"param_count_long", [](std::string t) { return Replace(t, "Pressed 4 3 3", "Pressed 4 3 2"); }},
        Damage{"bad_call_convention", [](std::string t) { return Replace(t, "Pressed 4", "Pressed 5"); }},
        Damage{"negative_type", [](std::string t) { return Replace(t, "Pressed 4 3", "Pressed 4 -3"); }},
        Damage{"type_too_wide", [](std::string t) { return Replace(t, "Pressed 4 3", "Pressed 4 65536"); }},
        Damage{"doubled_blank", [](std::string t) { return Replace(t, "function 2", "function  2"); }},
        Damage{"duplicate_dispid", [](std::string t) { return Replace(t, "function 2", "function 1"); }},
        Damage{"binary_junk", [](std::string t) { return Replace(t, "Pressed", std::string("Pre\0\xff", 5)); }},
        Damage{"crlf", [](std::string t) { return Replace(t, "\n", "\r\n"); }}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
