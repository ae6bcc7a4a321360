// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/SafeArray.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/automation/Bstr.h"
#include "platform/automation/Variant.h"

namespace {

class SafeArrayTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(SafeArrayLiveCount(), m_arraysAtStart);
    EXPECT_EQ(SysLiveStringCount(), m_stringsAtStart);
  }
  long m_arraysAtStart = SafeArrayLiveCount();
  long m_stringsAtStart = SysLiveStringCount();
};

// The shape of an instruction list: 2 columns (start, end) in dimension 1, one row per entry in dimension 2.
SAFEARRAY* MakeTwoByThree() {
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {3, 0}};
  return SafeArrayCreate(VT_I4, 2, bounds);
}

TEST_F(SafeArrayTest, TwoByThreeReadsBackByColumnAndRow) {
  SafeArrayHolder array(MakeTwoByThree());
  ASSERT_NE(array.Get(), nullptr);
  EXPECT_EQ(SafeArrayGetDim(array.Get()), 2u);
  for (LONG r = 0; r < 3; ++r)
    for (LONG c = 0; c < 2; ++c) {
      LONG value = 100 * r + c;
      std::array<LONG, 2> index{c, r};
      ASSERT_EQ(SafeArrayPutElement(array.Get(), index, &value), S_OK);
    }
  for (LONG r = 0; r < 3; ++r)
    for (LONG c = 0; c < 2; ++c) {
      LONG value = -1;
      std::array<LONG, 2> index{c, r};
      ASSERT_EQ(SafeArrayGetElement(array.Get(), index, &value), S_OK);
      EXPECT_EQ(value, 100 * r + c);
    }
  LONG upper = -1, lower = -1;
  EXPECT_EQ(SafeArrayGetUBound(array.Get(), 2, &upper), S_OK);
  EXPECT_EQ(upper, 2);
  EXPECT_EQ(SafeArrayGetUBound(array.Get(), 1, &upper), S_OK);
  EXPECT_EQ(upper, 1);
  EXPECT_EQ(SafeArrayGetLBound(array.Get(), 2, &lower), S_OK);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(SafeArrayGetUBound(array.Get(), 3, &upper), DISP_E_BADINDEX);
  EXPECT_EQ(SafeArrayGetLBound(array.Get(), 0, &lower), DISP_E_BADINDEX);
}

TEST_F(SafeArrayTest, DimensionOneVariesFastest) {
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
  SafeArrayHolder array(SafeArrayCreate(VT_I4, 2, bounds));
  LONG value = 7;
  std::array<LONG, 2> second{1, 0};
  ASSERT_EQ(SafeArrayPutElement(array.Get(), second, &value), S_OK);
  SAFEARRAY* copy = nullptr;
  ASSERT_EQ(SafeArrayCopy(array.Get(), &copy), S_OK);
  SafeArrayHolder copied(copy);
  value = 0;
  ASSERT_EQ(SafeArrayGetElement(copied.Get(), second, &value), S_OK);
  EXPECT_EQ(value, 7);
  std::array<LONG, 2> transposed{0, 1};
  ASSERT_EQ(SafeArrayGetElement(copied.Get(), transposed, &value), S_OK);
  EXPECT_EQ(value, 0);
}

struct BadIndex {
  const char* what;
  std::vector<LONG> index;
};

void PrintTo(const BadIndex& b, std::ostream* os) { *os << b.what; }

class SafeArrayBadIndexTest : public SafeArrayTest, public ::testing::WithParamInterface<BadIndex> {};

TEST_P(SafeArrayBadIndexTest, IsRefusedAndTouchesNothing) {
  SAFEARRAYBOUND bounds[2] = {{2, 1}, {3, -1}};  // columns 1..2, rows -1..1
  SafeArrayHolder array(SafeArrayCreate(VT_I4, 2, bounds));
  LONG value = 12345;
  EXPECT_EQ(SafeArrayGetElement(array.Get(), GetParam().index, &value), DISP_E_BADINDEX);
  EXPECT_EQ(value, 12345);
  LONG written = 9;
  EXPECT_EQ(SafeArrayPutElement(array.Get(), GetParam().index, &written), DISP_E_BADINDEX);
  for (LONG r = -1; r <= 1; ++r)
    for (LONG c = 1; c <= 2; ++c) {
      std::array<LONG, 2> index{c, r};
      ASSERT_EQ(SafeArrayGetElement(array.Get(), index, &value), S_OK);
      EXPECT_EQ(value, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SafeArrayBadIndexTest,
                         ::testing::Values(BadIndex{"column below", {0, 0}}, BadIndex{"column above", {3, 0}},
                                           BadIndex{"row below", {1, -2}}, BadIndex{"row above", {1, 2}},
                                           BadIndex{"too few", {1}}, BadIndex{"too many", {1, 0, 0}},
                                           BadIndex{"none", {}}),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           for (char& ch : name)
                             if (ch == ' ') ch = '_';
                           return name;
                         });

TEST_F(SafeArrayTest, BstrElementsAreCopiedInAndOutAndFreed) {
  SafeArrayHolder array(SafeArrayCreateVector(VT_BSTR, 0, 3));
  Bstr mine(u"hello");
  LONG one = 1;
  ASSERT_EQ(SafeArrayPutElement(array.Get(), {&one, 1}, mine.Get()), S_OK);
  ASSERT_EQ(SafeArrayPutElement(array.Get(), {&one, 1}, mine.Get()), S_OK);  // replacing frees the old one
  EXPECT_EQ(mine.View(), u"hello");  // the caller keeps its own
  Bstr out;
  ASSERT_EQ(SafeArrayGetElement(array.Get(), {&one, 1}, out.Receive()), S_OK);
  EXPECT_EQ(out.View(), u"hello");
  EXPECT_NE(out.Get(), mine.Get());
  LONG zero = 0;
  Bstr unset;
  ASSERT_EQ(SafeArrayGetElement(array.Get(), {&zero, 1}, unset.Receive()), S_OK);
  EXPECT_TRUE(unset.IsNull());
  SAFEARRAY* copy = nullptr;
  ASSERT_EQ(SafeArrayCopy(array.Get(), &copy), S_OK);
  EXPECT_EQ(SafeArrayDestroy(copy), S_OK);
}

TEST_F(SafeArrayTest, VariantElementsOwnWhatTheyHold) {
  SafeArrayHolder array(SafeArrayCreateVector(VT_VARIANT, 0, 2));
  Variant text;
  text->vt = VT_BSTR;
  text->bstrVal = SysAllocString(u"inside");
  LONG zero = 0;
  ASSERT_EQ(SafeArrayPutElement(array.Get(), {&zero, 1}, text.Get()), S_OK);
  Variant out;
  ASSERT_EQ(SafeArrayGetElement(array.Get(), {&zero, 1}, out.Get()), S_OK);
  ASSERT_EQ(out->vt, VT_BSTR);
  EXPECT_EQ(Bstr(SysAllocString(out->bstrVal)).View(), u"inside");
  EXPECT_NE(out->bstrVal, text->bstrVal);
}

struct BadShape {
  VARTYPE vt;
  UINT dims;
  SAFEARRAYBOUND bound;
};

void PrintTo(const BadShape& b, std::ostream* os) {
  *os << "vt " << b.vt << ", " << b.dims << " dims, " << b.bound.cElements << " from " << b.bound.lLbound;
}

class SafeArrayCreateTest : public SafeArrayTest, public ::testing::WithParamInterface<BadShape> {};

TEST_P(SafeArrayCreateTest, RefusesWhatCannotBeAnArray) {
  BadShape shape = GetParam();
  EXPECT_EQ(SafeArrayCreate(shape.vt, shape.dims, &shape.bound), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Rows, SafeArrayCreateTest,
                         ::testing::Values(BadShape{VT_EMPTY, 1, {1, 0}}, BadShape{VT_UNKNOWN, 1, {1, 0}},
                                           BadShape{VT_I4, 0, {1, 0}},
                                           BadShape{VT_I4, 1, {2, 0x7FFFFFFF}}));  // upper bound past LONG

TEST_F(SafeArrayTest, ManyDimensionsWithTheirOwnBounds) {
  SAFEARRAYBOUND bounds[3] = {{2, 5}, {1, -3}, {4, 10}};
  SafeArrayHolder array(SafeArrayCreate(VT_UI1, 3, bounds));
  ASSERT_EQ(SafeArrayGetDim(array.Get()), 3u);
  BYTE value = 0x5A;
  std::array<LONG, 3> last{6, -3, 13};
  ASSERT_EQ(SafeArrayPutElement(array.Get(), last, &value), S_OK);
  BYTE read = 0;
  ASSERT_EQ(SafeArrayGetElement(array.Get(), last, &read), S_OK);
  EXPECT_EQ(read, 0x5A);
  LONG upper = 0;
  ASSERT_EQ(SafeArrayGetUBound(array.Get(), 3, &upper), S_OK);
  EXPECT_EQ(upper, 13);
  VARTYPE vt = VT_EMPTY;
  ASSERT_EQ(SafeArrayGetVartype(array.Get(), &vt), S_OK);
  EXPECT_EQ(vt, VT_UI1);
}

}  // namespace
