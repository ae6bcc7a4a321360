// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/Bstr.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Strings pay for the live count only once someone asks for it; a string made before that must not
// count down when it is freed, or every later balance would be off by one.
TEST(BstrLiveCount, StartsWithTheFirstQuestionAndStaysBalanced) {
  EXPECT_EXIT(
      {
        Bstr early(u"made before anyone counted");
        const long atStart = SysLiveStringCount();
        Bstr counted(u"counted");
        const bool upByOne = SysLiveStringCount() == atStart + 1;
        early.Reset();
        counted.Reset();
        std::exit(upByOne && SysLiveStringCount() == atStart ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST(BstrLiveCount, CountsEveryStringOnceCountingRuns) {
  const long before = SysLiveStringCount();
  {
    Bstr a(u"a"), b(u"");
    Bstr moved(std::move(a));
    EXPECT_EQ(SysLiveStringCount(), before + 2);
    EXPECT_EQ(moved.Length(), 1u);
  }
  EXPECT_EQ(SysLiveStringCount(), before);
}

}  // namespace
