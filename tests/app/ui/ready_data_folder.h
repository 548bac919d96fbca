// A data folder made the way the run script makes it: a copy of the ready one.
#pragma once

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace quilm::test {

struct ReadyDataFolder {
  TempDir dir;
  ReadyDataFolder() {
    std::filesystem::copy(QUILM_READY_DATA_DIR, dir.path(), std::filesystem::copy_options::recursive);
  }
  Bytes settings() const { return dir.read("filearch"); }
};

}  // namespace quilm::test
