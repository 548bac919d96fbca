#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

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

// A killed save leaves ".NAME.XXXXXX" beside NAME. The next save removes
// such files once they are old, and nothing else.
TEST(AtomicFile, ASaveRemovesOldTemporariesOfTheSameFileOnly) {
  test::TempDir dir;
  dir.write("words", "old");
  const char* const old_files[] = {".words.Ab12Cd", ".words.zzzzzz"};
  const char* const kept_files[] = {
      ".other.Ab12Cd",    // another file's
      ".words.Ab12Cd7",   // not six characters
      ".words.Ab-2Cd",    // not mkstemp's characters
      "words.Ab12Cd",     // not hidden
  };
  const auto two_hours_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
  for (const char* name : old_files) dir.write(name, "half");
  for (const char* name : kept_files) dir.write(name, "other");
  for (const char* name : old_files) std::filesystem::last_write_time(dir / name, two_hours_ago);
  for (const char* name : kept_files) std::filesystem::last_write_time(dir / name, two_hours_ago);
  dir.write(".words.Fresh1", "a save under way");

  ASSERT_TRUE(write_file_atomically(dir / "words", "new"));
  EXPECT_EQ(dir.read("words"), "new");
  for (const char* name : old_files) EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
  for (const char* name : kept_files) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
  EXPECT_TRUE(std::filesystem::exists(dir / ".words.Fresh1"));
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

TEST(AtomicFile, CreationNeverReplacesAFileAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  const auto path = dir / "new.dic";
  ASSERT_TRUE(create_file_atomically(path, "first"));
  EXPECT_EQ(read_file(path), Bytes("first"));
  EXPECT_FALSE(create_file_atomically(path, "second"));
  EXPECT_EQ(read_file(path), Bytes("first"));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(ReadFile, MissingFileGivesNothing) {
  test::TempDir dir;
  EXPECT_FALSE(read_file(dir / "absent").has_value());
}

}  // namespace
}  // namespace quilm
