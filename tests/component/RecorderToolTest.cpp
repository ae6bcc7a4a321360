// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder tool's commands, run in this process: damaged recorders stay visible, and failures
// are said as they are.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sstream>
#include <sys/stat.h>

#include "component/recorders/FaultInjection.h"
#include "component/tool/RecorderTool.h"
#include "tests/component/TempFolder.h"

namespace {

class RecorderToolTest : public ::testing::Test {
 protected:
  void TearDown() override { ClearFaults(); }

  int Tool(std::vector<std::string> args) {
    out.str("");
    err.str("");
    args.insert(args.begin(), {"--root", root.Path()});
    return RecorderTool(out, err).Run(args);
  }

  TempFolder root;
  std::ostringstream out, err;
};

struct Damage {
  const char* what;
  std::function<void(const std::string& identity)> apply;
};

void PrintTo(const Damage& row, std::ostream* os) { *os << row.what; }

class DamagedIdentity : public RecorderToolTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedIdentity, KeepsTheRecorderListedAsDamaged) {
  ASSERT_EQ(Tool({"add", "DPM4_8200", "desk"}), 0);
  ASSERT_EQ(Tool({"add", "DPM_9450_00", "travel"}), 0);
  GetParam().apply(root / "desk/identity.json");

  ASSERT_EQ(Tool({"list"}), 0);
  EXPECT_EQ(out.str(), "desk\tdamaged\ntravel\tDPM_9450_00\n");
  ASSERT_EQ(Tool({"show", "desk"}), 0);
  EXPECT_NE(out.str().find("model:     damaged"), std::string::npos) << out.str();
  EXPECT_EQ(Tool({"press", "desk", "play"}), 1);
  EXPECT_NE(err.str().find("'desk' is damaged"), std::string::npos) << err.str();
  EXPECT_EQ(Tool({"remove", "desk"}), 0) << "a damaged recorder can still be unplugged";
  ASSERT_EQ(Tool({"list"}), 0);
  EXPECT_EQ(out.str(), "travel\tDPM_9450_00\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedIdentity,
    ::testing::Values(
        Damage{"Garbage", [](const std::string& p) { WriteText(p, "{\"format\": "); }},
        Damage{"Missing", [](const std::string& p) { std::filesystem::remove(p); }},
        Damage{"DuplicateKey",
               [](const std::string& p) {
                 std::string text = ReadText(p);
                 WriteText(p, text.insert(1, "\"deviceType\": 27,"));
               }},
        // Nobody writes to the pipe: reading it would wait for ever.
        Damage{"Fifo",
               [](const std::string& p) {
                 std::filesystem::remove(p);
                 ::mkfifo(p.c_str(), 0644);
               }},
        Damage{"Link",
               [](const std::string& p) {
                 std::filesystem::rename(p, p + ".real");
                 std::filesystem::create_symlink(p + ".real", p);
               }}),
    [](const auto& info) { return std::string(info.param.what); });

struct AddFailure {
  const char* what;
  int error;          // of the first temporary file; 0 for none
  const char* said;   // in the message
};

void PrintTo(const AddFailure& row, std::ostream* os) { *os << row.what; }

class AddFailures : public RecorderToolTest, public ::testing::WithParamInterface<AddFailure> {};

TEST_P(AddFailures, SayWhatHappenedAndLeaveNothing) {
  ASSERT_EQ(Tool({"add", "27", "desk"}), 0);
  if (GetParam().error) InjectFault("create", GetParam().error);
  EXPECT_EQ(Tool({"add", "27", GetParam().error ? "other" : "desk"}), 1);
  EXPECT_NE(err.str().find(GetParam().said), std::string::npos) << err.str();
  if (GetParam().error) {
    EXPECT_EQ(err.str().find("taken"), std::string::npos) << err.str();
  }
  EXPECT_EQ(EntryCount(root.Path()), 1u) << "no half-made recorder";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AddFailures,
    ::testing::Values(AddFailure{"NameTaken", 0, "the name is taken (dpmCtrlFileExists)"},
                      AddFailure{"DiskFull", ENOSPC, "the disk is full (dpmCtrlOutOfDiskSpace)"},
                      AddFailure{"QuotaFull", EDQUOT, "the disk is full (dpmCtrlOutOfDiskSpace)"},
                      AddFailure{"ReadOnly", EROFS, "read-only (dpmCtrlFileReadOnly)"},
                      AddFailure{"NoPermission", EACCES, "access denied (dpmCtrlAccessDenied)"},
                      AddFailure{"Other", EIO, "(E_FAIL)"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(RecorderToolTest, PutRefusesAPipeAtOnce) {
  ASSERT_EQ(Tool({"add", "27", "desk"}), 0);
  TempFolder scratch;
  ::mkfifo((scratch / "fifo.dss").c_str(), 0644);
  EXPECT_EQ(Tool({"put", "desk", scratch / "fifo.dss"}), 1);
  EXPECT_NE(err.str().find("dpmCtrlInvalidFile"), std::string::npos) << err.str();
  EXPECT_EQ(EntryCount(root / "desk/card"), 0u);
}

TEST_F(RecorderToolTest, PutKeepsTheFilesBitsLessTheUmask) {
  ASSERT_EQ(Tool({"add", "27", "desk"}), 0);
  TempFolder scratch;
  WriteText(scratch / "a.dss", "x");
  ::chmod((scratch / "a.dss").c_str(), 0600);
  ASSERT_EQ(Tool({"put", "desk", scratch / "a.dss"}), 0) << err.str();
  struct stat st {};
  ASSERT_EQ(::stat((root / "desk/card/a.dss").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
