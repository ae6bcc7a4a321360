// SPDX-License-Identifier: GPL-3.0-or-later
// The converter module is loaded under the very checks the component is: a copy that another user
// could have changed, or one in a folder others can write to, is refused before it is loaded.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "tests/component/files/ConvertRun.h"

namespace fs = std::filesystem;

namespace {

struct Row {
  const char* what;
  mode_t module;
  mode_t folder;
  HRESULT expected;
};

HRESULT ConvertWithModule(const Row& row, size_t* entriesLeft) {
  // This program's folder holds a copy of the module from the folder above, as a planted one would.
  const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
  const fs::path module = here / "DPMConvert.so";
  fs::copy_file(here.parent_path() / "DPMConvert.so", module, fs::copy_options::overwrite_existing);
  ::chmod(module.c_str(), row.module);
  ::chmod(here.c_str(), row.folder);
  TempFolder folder;
  const HRESULT hr = ConvertADictation(folder);
  ::chmod(here.c_str(), 0755);
  *entriesLeft = EntryCount(folder.Path());
  return hr;
}

// One process for all rows, in order: a refusal is not remembered, but a loaded module stays loaded.
TEST(UnsafeConverter, IsRefusedWithTheComponentsCode) {
  for (const Row& row : {Row{"module writable by others", 0666, 0755, CO_E_UNSAFEMODULE},
                         Row{"module writable by its group", 0775, 0755, CO_E_UNSAFEMODULE},
                         Row{"folder writable by others", 0755, 0777, CO_E_UNSAFEMODULE},
                         Row{"the owner's own module", 0755, 0755, S_OK}}) {
    size_t left = 0;
    EXPECT_EQ(ConvertWithModule(row, &left), row.expected) << row.what;
    EXPECT_EQ(left, SUCCEEDED(row.expected) ? 2u : 1u) << row.what << ": the source and only a whole target";
  }
}

}  // namespace
