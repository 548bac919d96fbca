#include "app/startup.h"

#include <gtest/gtest.h>
#include <map>

#include "editors/memory_editor.h"
#include "app/file_attributes.h"
#include "tests/support/fake_prompter.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

const char kSettings[] =
    "&1/docs/a.rtf\r\n&2\r\nAnmolLipi\r\n18\r\nArial\r\n11\r\n42\r\n3\r\n1\r\n5\r\n0\r\n1\r\n1\r\n"
    "Extra.dic\r\n1\r\nkept\r\n";

// kSettings with some of its lines (numbered from 1) replaced.
std::string with_lines(const std::map<int, std::string>& replaced) {
  std::string file;
  std::string all = kSettings;
  std::size_t pos = 0;
  for (int line = 1; line <= kSettingsLines; ++line) {
    std::size_t end = all.find("\r\n", pos);
    auto it = replaced.find(line);
    file += (it != replaced.end() ? it->second : all.substr(pos, end - pos)) + "\r\n";
    pos = end + 2;
  }
  return file;
}

std::string with_line(int n, const std::string& text) { return with_lines({{n, text}}); }

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("WList.txt", std::string(19 * 3, '0'));
    dir.write("filearch", kSettings);
  }
  CreationResult start() { return load_startup_state(ws, dir.path(), editor, prompter); }

  test::TempDir dir;
  Workspace ws;
  MemoryEditor editor;
  test::FakePrompter prompter;
};

TEST_F(Startup, ReadsSettingsAppliesThemAndWritesThemBackUnchanged) {
  ASSERT_EQ(start(), CreationResult::Ready);
  EXPECT_TRUE(prompter.silent());
  EXPECT_EQ(ws.data_folder, dir.path());
  EXPECT_EQ(ws.settings.punjabi_font, "AnmolLipi");
  EXPECT_EQ(editor.ViewMode(), 1);
  EXPECT_EQ(editor.ZoomFactor(), 150);
  EXPECT_EQ(editor.FontName(), "Quilm2010");
  EXPECT_TRUE(editor.FormatSelection());
  ASSERT_TRUE(write_back_at_close(ws));
  EXPECT_EQ(dir.read("filearch"), kSettings);
}

TEST_F(Startup, ChangedSettingsAreWrittenAtClose) {
  ASSERT_EQ(start(), CreationResult::Ready);
  ws.settings.onscreen_keyboard = false;
  ws.settings.recent_file2 = "&2/docs/b.pbi";
  ASSERT_TRUE(write_back_at_close(ws));
  EXPECT_EQ(dir.read("filearch"), with_lines({{2, "&2/docs/b.pbi"}, {15, "0"}}));
}

TEST_F(Startup, FailuresEndStartUpAndLeaveEveryFileUntouched) {
  struct Case {
    const char* label;
    void (*damage)(const test::TempDir&);
    const char* message_part;
  };
  const Case cases[] = {
      {"main word list missing",
       [](const test::TempDir& d) { std::filesystem::remove(d / "WList.txt"); },
       "The file WList.txt is missing from the data folder"},
      {"main word list unreadable",
       [](const test::TempDir& d) {
         std::filesystem::remove(d / "WList.txt");
         std::filesystem::create_directory(d / "WList.txt");
       },
       "blocking the file WList.txt"},
      {"settings file missing",
       [](const test::TempDir& d) { std::filesystem::remove(d / "filearch"); }, "damaged"},
      {"settings file unreadable",
       [](const test::TempDir& d) {
         std::filesystem::remove(d / "filearch");
         std::filesystem::create_directory(d / "filearch");
       },
       "blocking the file filearch"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::TempDir d;
    d.write("WList.txt", "0\r\n");
    d.write("filearch", kSettings);
    d.write("readonly.dic", "0\r\n");
    std::filesystem::permissions(d / "readonly.dic", std::filesystem::perms::owner_read);
    c.damage(d);

    Workspace w;
    MemoryEditor e;
    test::FakePrompter p;
    EXPECT_EQ(load_startup_state(w, d.path(), e, p), CreationResult::Failed);
    EXPECT_TRUE(w.startup_failed);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_NE(p.messages[0].find(c.message_part), std::string::npos) << p.messages[0];
    EXPECT_FALSE(write_back_at_close(w));
    if (std::filesystem::is_regular_file(d / "filearch")) {
      EXPECT_EQ(d.read("filearch"), kSettings);
    }
    // Start-up stopped before the data files were touched.
    EXPECT_EQ(std::filesystem::status(d / "readonly.dic").permissions() & std::filesystem::perms::owner_write,
              std::filesystem::perms::none);
  }
}

TEST_F(Startup, SettingsLineWithoutNumberIsReportedAndTheFileIsKept) {
  const std::string damaged = with_line(9, "page");
  dir.write("filearch", damaged);
  EXPECT_EQ(start(), CreationResult::SettingsError);
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_NE(prompter.errors[0].find("line 9"), std::string::npos);
  EXPECT_FALSE(ws.startup_failed);
  // The lines before the damage were taken.
  EXPECT_EQ(ws.settings.punjabi_font, "AnmolLipi");
  // Writing the half-read settings back would replace the user's values with
  // defaults; the damaged file stays for the user to mend.
  EXPECT_FALSE(write_back_at_close(ws));
  EXPECT_EQ(dir.read("filearch"), damaged);
}

TEST_F(Startup, OutOfRangeViewAndZoomLeaveTheEditorAsItWas) {
  struct Case {
    const char* label;
    int line;
    const char* value;
    int view, zoom;
  };
  MemoryEditor fresh;
  const int default_view = fresh.ViewMode();
  const int default_zoom = fresh.ZoomFactor();
  const Case cases[] = {
      {"zoom step 10", 10, "10", 1, default_zoom},
      {"zoom step -1", 10, "-1", 1, default_zoom},
      {"view mode 3", 9, "3", default_view, 150},
      {"view mode 2", 9, "2", 2, 150},
      {"zoom step 0", 10, "0", 1, 25},
      {"zoom step 9", 10, "9", 1, 400},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::TempDir d;
    d.write("WList.txt", "0\r\n");
    d.write("filearch", with_line(c.line, c.value));
    Workspace w;
    MemoryEditor e;
    test::FakePrompter p;
    ASSERT_EQ(load_startup_state(w, d.path(), e, p), CreationResult::Ready);
    EXPECT_EQ(e.ViewMode(), c.view);
    EXPECT_EQ(e.ZoomFactor(), c.zoom);
    // The value itself is carried back unchanged.
    ASSERT_TRUE(write_back_at_close(w));
    EXPECT_EQ(d.read("filearch"), with_line(c.line, c.value));
  }
}

TEST_F(Startup, ReadOnlyDataFilesBecomeWritableByTheirOwner) {
  namespace fs = std::filesystem;
  dir.write("PD1.db", "x");
  fs::permissions(dir / "PD1.db", fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
  dir.write("Dict/inner.dic", "x");
  fs::permissions(dir / "Dict/inner.dic", fs::perms::owner_read, fs::perm_options::replace);
  ASSERT_EQ(start(), CreationResult::Ready);
  EXPECT_EQ(fs::status(dir / "PD1.db").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // Only the files of the data folder itself, as the program always did.
  EXPECT_EQ(fs::status(dir / "Dict/inner.dic").permissions(), fs::perms::owner_read);
}

}  // namespace
}  // namespace quilm
