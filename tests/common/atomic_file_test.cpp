#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/file_io.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  dir.write("settings", "old contents");
  ASSERT_TRUE(write_file_atomically(dir / "settings", "new"));
  EXPECT_EQ(dir.read("settings"), "new");
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) { (void)e; ++entries; }
  EXPECT_EQ(entries, 1);
}

TEST(AtomicFile, FailureInUnwritableFolderKeepsOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write into read-only folders";
  test::TempDir dir;
  dir.write("sub/file", "old");
  std::filesystem::permissions(dir / "sub", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  Status s = write_file_atomically(dir / "sub/file", "new");
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find("file"), std::string::npos);
  EXPECT_EQ(dir.read("sub/file"), "old");
}

TEST(AtomicFile, KeepsPermissionBitsOfReplacedFile) {
  test::TempDir dir;
  dir.write("data", "x");
  std::filesystem::permissions(dir / "data", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                                 std::filesystem::perms::group_read);
  ASSERT_TRUE(write_file_atomically(dir / "data", "y"));
  auto perms = std::filesystem::status(dir / "data").permissions();
  EXPECT_EQ(perms & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
}

TEST(ReadFile, MissingFileGivesNothing) {
  test::TempDir dir;
  EXPECT_FALSE(read_file(dir / "absent").has_value());
}

}  // namespace
}  // namespace quilm
