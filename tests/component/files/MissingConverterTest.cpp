// A program whose folder lacks the converter module: Convert says it is not supported and leaves
// nothing behind, and the other file tasks do not need the module at all.
#include <gtest/gtest.h>

#include "component/files/ConvertTask.h"
#include "component/files/DictationMaker.h"
#include "component/files/DssAudio.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"

namespace {

class GoOn final : public TaskProgress {
 public:
  bool Report(LONG) override { return true; }
  HRESULT Cancelled() const override { return S_OK; }
};

TEST(MissingConverter, ConvertIsNotSupportedAndLeavesNoTarget) {
  TempFolder folder;
  std::string dss;
  ASSERT_EQ(MakeSpDictation(SpFramesFor(500), 1700000000, "A", &dss), S_OK);
  WriteText(folder / "a.dss", dss);
  FileTask task;
  task.kind = FileTask::Kind::Convert;
  task.source = folder / "a.dss";
  task.destination = folder.Path();
  task.format = {16000, 1, 16, false};
  GoOn progress;
  EXPECT_EQ(RunConvert(task, progress), dpmCtrlNotSupported);
  EXPECT_EQ(EntryCount(folder.Path()), 1u) << "only the source";
}

}  // namespace
