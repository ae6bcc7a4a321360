// SPDX-License-Identifier: GPL-3.0-or-later
// A dictation or companion that is a link inside a recorder folder is refused, not read, however the
// path reaches it; a path the user names elsewhere may be a link.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "component/files/DictationFile.h"
#include "component/files/DictationMaker.h"
#include "component/files/DssAudio.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"

namespace {

struct Row {
  const char* what;
  const char* link;    // made in the scratch folder, relative to it, besides card/b.dss
  const char* target;  // relative to the scratch folder
  const char* read;    // the path read
  HRESULT expected;
};

class DictationLinks : public ::testing::TestWithParam<Row> {};

TEST_P(DictationLinks, InsideARecorderAreRefused) {
  const Row& row = GetParam();
  TempFolder scratch;
  std::filesystem::create_directories(scratch / "recorders/desk/card");
  std::filesystem::create_directories(scratch / "elsewhere");
  std::string dss;
  ASSERT_EQ(MakeSpDictation(SpFramesFor(300), 1700000000, "A", &dss), S_OK);
  for (const char* name : {"elsewhere/a.dss", "recorders/desk/card/own.dss"}) WriteText(scratch / name, dss);
  WriteText(scratch / "elsewhere/secret", "{\"not\": \"yours\"}");
  ASSERT_EQ(::symlink((scratch / "elsewhere/a.dss").c_str(), (scratch / "recorders/desk/card/b.dss").c_str()), 0);
  if (*row.link) {
    ASSERT_EQ(::symlink((scratch / row.target).c_str(), (scratch / row.link).c_str()), 0);
  }
  ::setenv("QUORVEL_RECORDERS", (scratch / "recorders").c_str(), 1);

  DictationSnapshot snapshot;
  EXPECT_EQ(DictationFile(scratch / row.read).Load(&snapshot), row.expected) << row.what;
  ::unsetenv("QUORVEL_RECORDERS");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DictationLinks,
    ::testing::Values(
        Row{"DictationLinkInCard", "", "", "recorders/desk/card/b.dss", dpmCtrlInvalidFile},
        Row{"LinkToASecretInCard", "recorders/desk/card/c.dss", "elsewhere/secret", "recorders/desk/card/c.dss",
            dpmCtrlInvalidFile},
        Row{"CompanionLinkInCard", "recorders/desk/card/own.dss.json", "elsewhere/secret",
            "recorders/desk/card/own.dss", dpmCtrlInvalidFile},
        Row{"CardLinkThroughALinkedFolder", "elsewhere/card", "recorders/desk/card", "elsewhere/card/b.dss",
            dpmCtrlInvalidFile},
        Row{"UserNamedLinkElsewhere", "elsewhere/b.dss", "elsewhere/a.dss", "elsewhere/b.dss", S_OK},
        Row{"UserNamedLinkToACardFile", "elsewhere/c.dss", "recorders/desk/card/own.dss", "elsewhere/c.dss", S_OK}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
