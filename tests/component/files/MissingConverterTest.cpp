// SPDX-License-Identifier: GPL-3.0-or-later
// A program whose folder lacks the converter module: Convert says it is not supported and leaves
// nothing behind, and the other file tasks do not need the module at all.
#include <gtest/gtest.h>

#include "device/DpmResults.h"
#include "tests/component/files/ConvertRun.h"

namespace {

TEST(MissingConverter, ConvertIsNotSupportedAndLeavesNoTarget) {
  TempFolder folder;
  EXPECT_EQ(ConvertADictation(folder), dpmCtrlNotSupported);
  EXPECT_EQ(EntryCount(folder.Path()), 1u) << "only the source";
}

}  // namespace
