// The per-user data folder of an installed program: where it is, when the
// installed data is found, and when the user's copy needs refreshing.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/user_data.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

TEST(UserData, FolderFollowsTheXdgDataHomeElseTheHome) {
  EXPECT_EQ(user_data_folder("/x/data", "/home/u"), fs::path("/x/data/quilm/data"));
  EXPECT_EQ(user_data_folder("", "/home/u"), fs::path("/home/u/.local/share/quilm/data"));
  EXPECT_EQ(user_data_folder(nullptr, "/home/u"), fs::path("/home/u/.local/share/quilm/data"));
  EXPECT_TRUE(user_data_folder(nullptr, nullptr).empty());
}

// PREFIX/bin, PREFIX/share/quilm/data with its settings file, and the script.
struct InstalledTree {
  test::TempDir dir;
  InstalledTree() {
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "share/quilm/data/Dict");
    dir.write("share/quilm/data/filearch", "0\n");
    dir.write("share/quilm/data/Dict/words.db", "w");
    dir.write("share/quilm/refresh-data.sh", "#!/bin/sh\n");
  }
};

TEST(UserData, InstalledDataIsFoundBesideTheBinFolderOnly) {
  InstalledTree tree;
  const std::optional<InstalledData> found = installed_data(tree.dir / "bin");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->ready, fs::canonical(tree.dir / "share/quilm/data"));
  EXPECT_EQ(found->refresh.filename(), "refresh-data.sh");
  EXPECT_FALSE(installed_data(tree.dir / "share/quilm")) << "a build tree or another folder has no installed data";
  fs::remove(tree.dir / "share/quilm/refresh-data.sh");
  EXPECT_FALSE(installed_data(tree.dir / "bin")) << "without the script nothing can be copied";
}

TEST(UserData, CopyIsRefreshedWhenMissingOrOlderThanTheInstalledData) {
  InstalledTree tree;
  const fs::path ready = tree.dir / "share/quilm/data";
  const fs::path data = tree.dir / "home/data";
  EXPECT_TRUE(needs_refresh(ready, data)) << "no copy yet";
  fs::create_directories(data);
  tree.dir.write("home/data/filearch", "0\n");
  EXPECT_TRUE(needs_refresh(ready, data)) << "a copy never refreshed";
  tree.dir.write("home/data/.quilm-shipped", "");
  const auto now = fs::last_write_time(data / ".quilm-shipped");
  fs::last_write_time(ready / "filearch", now - std::chrono::hours(1));
  fs::last_write_time(ready / "Dict/words.db", now - std::chrono::hours(1));
  EXPECT_FALSE(needs_refresh(ready, data));
  fs::last_write_time(ready / "Dict/words.db", now + std::chrono::hours(1));
  EXPECT_TRUE(needs_refresh(ready, data)) << "a newer installed file, however deep";
}

TEST(UserData, RefreshCommandQuotesEveryPath) {
  const InstalledData installed{"/opt/q u/share/quilm/data", "/opt/q u/share/quilm/refresh-data.sh"};
  EXPECT_EQ(refresh_command(installed, "/home/o'brien/data"),
            "'/opt/q u/share/quilm/refresh-data.sh' '/opt/q u/share/quilm/data' '/home/o'\\''brien/data'");
}

}  // namespace
}  // namespace quilm
