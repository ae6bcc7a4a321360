// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/Guid.h"

#include <gtest/gtest.h>

namespace {

constexpr GUID kSample{0x6563FB62, 0x676E, 0x4057, {0x87, 0xA1, 0xF0, 0x08, 0xE8, 0x6F, 0x01, 0xB1}};

TEST(GuidTest, FormatsAndParsesTheRegistryForm) {
  EXPECT_EQ(GuidToString(kSample), "{6563FB62-676E-4057-87A1-F008E86F01B1}");
  GUID parsed{};
  ASSERT_TRUE(GuidFromString("{6563fb62-676e-4057-87a1-f008e86f01b1}", &parsed));
  EXPECT_EQ(parsed, kSample);
  ASSERT_TRUE(GuidFromString(GuidToString(kSample), &parsed));
  EXPECT_EQ(parsed, kSample);
}

class MalformedGuidTest : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedGuidTest, IsRefusedAndLeavesTheOutputAlone) {
  GUID out = kSample;
  EXPECT_FALSE(GuidFromString(GetParam(), &out));
  EXPECT_EQ(out, kSample);
}

INSTANTIATE_TEST_SUITE_P(Rows, MalformedGuidTest,
                         ::testing::Values("", "6563FB62-676E-4057-87A1-F008E86F01B1",
                                           "{6563FB62-676E-4057-87A1-F008E86F01B1",
                                           "{6563FB62-676E-4057-87A1-F008E86F01B1}x",
                                           "{6563FB62+676E-4057-87A1-F008E86F01B1}",
                                           "{6563FB6G-676E-4057-87A1-F008E86F01B1}",
                                           "{6563FB62-676E-4057-87A1F-008E86F01B1}",
                                           "{ 563FB62-676E-4057-87A1-F008E86F01B1}",
                                           "(6563FB62-676E-4057-87A1-F008E86F01B1)"));

}  // namespace
