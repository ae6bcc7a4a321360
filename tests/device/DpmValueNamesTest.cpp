// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of value-code names that the component's recorder tool and quorvelctl share: each
// name leads back to its own code, within every list.
#include "device/DpmValueNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "device/DpmValues.h"

namespace {

struct ListRow {
  const char* setting;
  ValueNames names;
};

class ValueNameListTest : public testing::TestWithParam<ListRow> {};

TEST_P(ValueNameListTest, EveryNameAndCodeIsUniqueAndLeadsBackToTheOther) {
  std::set<LONG> codes;
  std::set<std::string_view> names;
  for (const ValueName& entry : GetParam().names) {
    SCOPED_TRACE(std::string(entry.name));
    EXPECT_TRUE(codes.insert(entry.code).second);
    EXPECT_TRUE(names.insert(entry.name).second);
    EXPECT_EQ(entry.name.substr(0, 3), "dpm");
    EXPECT_EQ(NameOfValue(GetParam().names, entry.code), entry.name);
    EXPECT_EQ(ValueOfName(GetParam().names, entry.name), entry.code);
  }
  EXPECT_FALSE(GetParam().names.empty());
  EXPECT_EQ(NameOfValue(GetParam().names, -1), "");
  EXPECT_EQ(ValueOfName(GetParam().names, "dpmNoSuchValue"), std::nullopt);
  EXPECT_EQ(ValueOfName(GetParam().names, ""), std::nullopt);
}

namespace n = value_names;
INSTANTIATE_TEST_SUITE_P(
    EveryList, ValueNameListTest,
    testing::Values(ListRow{"FileNamePrefixType", n::FileNamePrefixType()}, ListRow{"DateTimeFormat", n::DateTimeFormat()},
                    ListRow{"Appearance", n::Appearance()}, ListRow{"MicrophoneSensitivity", n::MicrophoneSensitivity()},
                    ListRow{"RecordingMode", n::RecordingMode()}, ListRow{"DownloadMode", n::DownloadMode()},
                    ListRow{"DownloadFilter", n::DownloadFilter()}, ListRow{"FileCounterSource", n::FileCounterSource()},
                    ListRow{"RequiredInputType", n::RequiredInputType()}, ListRow{"TotalTimeType", n::TotalTimeType()},
                    ListRow{"BarcodeScanButton", n::BarcodeScanButton()},
                    ListRow{"VoiceCommandType", n::VoiceCommandType()}, ListRow{"OS", n::OS()},
                    ListRow{"BarcodeMode", n::BarcodeMode()}, ListRow{"FunctionKey", n::FunctionKey()},
                    ListRow{"FourPosSwitch", n::FourPosSwitch()}, ListRow{"SmartButtonFunction", n::SmartButtonFunction()},
                    ListRow{"DisplayContent", n::DisplayContent()}, ListRow{"AudioQuality", n::AudioQuality()},
                    ListRow{"MicrophoneDirection", n::MicrophoneDirection()}),
    [](const testing::TestParamInfo<ListRow>& info) { return std::string(info.param.setting); });

// The names are the enumerators' own spellings, holes in the codes included.
TEST(ValueNameTest, NamesAreTheEnumeratorsSpelling) {
  EXPECT_EQ(NameOfValue(n::RecordingMode(), dpmQualityPlay), "dpmQualityPlay");
  EXPECT_EQ(NameOfValue(n::RecordingMode(), 5), "");
  EXPECT_EQ(ValueOfName(n::OS(), "dpmOS_LINUX"), dpmOS_LINUX);
  EXPECT_EQ(ValueOfName(n::AudioQuality(), "dpmAudioMp3"), dpmAudioMp3);
}

}  // namespace
