// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/Variant.h"

#include <gtest/gtest.h>

#include "platform/automation/Bstr.h"
#include "platform/automation/ComObject.h"
#include "platform/automation/SafeArray.h"

namespace {

class Probe : public ComObject<Probe, IDispatch> {
 public:
  HRESULT GetTypeInfoCount(UINT* count) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  ULONG References() {
    AddRef();
    return Release();
  }
};

class VariantTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(SysLiveStringCount(), m_strings);
    EXPECT_EQ(SafeArrayLiveCount(), m_arrays);
    EXPECT_EQ(ComObjectLiveCount(), m_objects);
  }
  long m_strings = SysLiveStringCount();
  long m_arrays = SafeArrayLiveCount();
  long m_objects = ComObjectLiveCount();
};

TEST_F(VariantTest, CopyDuplicatesStringsAndArrays) {
  Variant text;
  text->vt = VT_BSTR;
  text->bstrVal = SysAllocString(u"abc");
  Variant copy;
  ASSERT_EQ(VariantCopy(copy.Get(), text.Get()), S_OK);
  ASSERT_EQ(copy->vt, VT_BSTR);
  EXPECT_NE(copy->bstrVal, text->bstrVal);
  EXPECT_EQ(SysStringLen(copy->bstrVal), 3u);

  Variant list;
  list->vt = VT_ARRAY | VT_I4;
  list->parray = SafeArrayCreateVector(VT_I4, 0, 4);
  ASSERT_EQ(VariantCopy(copy.Get(), list.Get()), S_OK);  // the string it held is freed
  ASSERT_EQ(copy->vt, VT_ARRAY | VT_I4);
  EXPECT_NE(copy->parray, list->parray);
  EXPECT_EQ(SafeArrayLiveCount(), m_arrays + 2);
}

TEST_F(VariantTest, InterfacesAreReferencedByEachCopy) {
  ComPtr<Probe> probe = MakeComObject<Probe>();
  {
    Variant held;
    held->vt = VT_DISPATCH;
    held->pdispVal = probe.Get();
    probe->AddRef();
    Variant copy;
    ASSERT_EQ(VariantCopy(copy.Get(), held.Get()), S_OK);
    EXPECT_EQ(probe->References(), 3u);
  }
  EXPECT_EQ(probe->References(), 1u);
}

TEST_F(VariantTest, ByReferenceIsNotOwned) {
  BSTR text = SysAllocString(u"owned elsewhere");
  {
    Variant reference;
    reference->vt = VT_BYREF | VT_BSTR;
    reference->pbstrVal = &text;
    Variant copy;
    ASSERT_EQ(VariantCopy(copy.Get(), reference.Get()), S_OK);
    EXPECT_EQ(copy->pbstrVal, &text);
  }
  EXPECT_EQ(SysStringLen(text), 15u);
  SysFreeString(text);
}

TEST_F(VariantTest, UnknownTypeIsRefusedAndKept) {
  VARIANT odd;
  VariantInit(&odd);
  odd.vt = 0x0FFF;
  odd.lVal = 77;
  EXPECT_EQ(VariantClear(&odd), DISP_E_BADVARTYPE);
  EXPECT_EQ(odd.lVal, 77);
  Variant dest;
  dest->vt = VT_I4;
  dest->lVal = 5;
  EXPECT_EQ(VariantCopy(dest.Get(), &odd), DISP_E_BADVARTYPE);
  EXPECT_EQ(dest->lVal, 5);
}

}  // namespace
