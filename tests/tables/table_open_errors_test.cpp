// Opening a table file that is missing, foreign or damaged gives an error
// naming the file and what is wrong, and leaves the folder as it was.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <map>

#include "tables/sqlite_table.h"
#include "tests/tables/table_maker.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

namespace fs = std::filesystem;

constexpr char kSchema[] = "field Word text\nfield Frequency integer\nprimary Word\n";

// Every file of the folder with its contents.
std::map<std::string, Bytes> snapshot(const TempDir& dir) {
  std::map<std::string, Bytes> files;
  for (const auto& entry : fs::directory_iterator(dir.path()))
    files[entry.path().filename().string()] = entry.is_regular_file() ? dir.read(entry.path().filename().string()) : "";
  return files;
}

// A table of a few thousand records, so that it spans many pages.
Bytes many_page_table(const TempDir& dir) {
  std::vector<Row> rows;
  for (int i = 0; i < 3000; ++i) rows.push_back({"word number " + std::to_string(i), i});
  make_table(dir / "whole.db", kSchema, rows);
  const Bytes file = dir.read("whole.db");
  fs::remove(dir / "whole.db");
  return file;
}

void make_plain_sqlite_database(const fs::path& path) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_exec(db, "CREATE TABLE records (Word TEXT)", nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

TEST(TableOpenErrors, ClearMessageAndNothingWritten) {
  struct Case {
    const char* label;
    std::function<void(const TempDir&, const fs::path&)> make_file;
    const char* message_part;
  };
  const Case cases[] = {
      {"missing file", [](const TempDir&, const fs::path&) {}, "the file does not exist"},
      {"text file", [](const TempDir& d, const fs::path&) { d.write("T.db", "Word,Frequency\nka,30\n"); },
       "it is not a table file (not an SQLite database)"},
      {"empty file", [](const TempDir& d, const fs::path&) { d.write("T.db", ""); }, "the file is empty"},
      {"folder", [](const TempDir&, const fs::path& p) { fs::create_directory(p); }, "it is not a file"},
      {"table file cut to half its pages",
       [](const TempDir& d, const fs::path&) {
         const Bytes whole = many_page_table(d);
         d.write("T.db", whole.substr(0, whole.size() / 2 / 4096 * 4096));
       },
       "the file is damaged: it is cut short"},
      {"table file cut inside its first page",
       [](const TempDir& d, const fs::path&) { d.write("T.db", many_page_table(d).substr(0, 1000)); },
       "the file is damaged"},
      {"first page overwritten",
       [](const TempDir& d, const fs::path&) {
         Bytes file = many_page_table(d);
         file.replace(100, 3000, Bytes(3000, '\x55'));
         d.write("T.db", file);
       },
       "the file is damaged"},
      {"SQLite database of another program",
       [](const TempDir&, const fs::path& p) { make_plain_sqlite_database(p); },
       "an SQLite database but not a Quilm table file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TempDir dir;
    const fs::path path = dir / "T.db";
    c.make_file(dir, path);
    const auto before = snapshot(dir);

    SqliteTable table(path.string());
    const Status opened = table.Open();
    ASSERT_FALSE(opened);
    EXPECT_NE(opened.message().find("Table file \"" + path.string() + "\" cannot be opened: "), std::string::npos)
        << opened.message();
    EXPECT_NE(opened.message().find(c.message_part), std::string::npos) << opened.message();
    EXPECT_FALSE(table.Active());
    EXPECT_FALSE(table.FindKey({"ka"}));
    EXPECT_EQ(snapshot(dir), before);
  }
}

TEST(TableOpenErrors, UnknownIndexNameFailsTheOpen) {
  TempDir dir;
  make_table(dir / "T.db", kSchema, {});
  SqliteTable table((dir / "T.db").string());
  ASSERT_TRUE(table.SetIndexName("PWORD"));
  const Status opened = table.Open();
  ASSERT_FALSE(opened);
  EXPECT_NE(opened.message().find("the table has no index \"PWORD\""), std::string::npos) << opened.message();
  EXPECT_FALSE(table.Active());
}

TEST(TableOpenErrors, FileOfAnOpenTableCannotBeChanged) {
  TempDir dir;
  make_table(dir / "T.db", kSchema, {});
  SqliteTable table((dir / "T.db").string());
  ASSERT_TRUE(table.Open());
  EXPECT_FALSE(table.SetTableName((dir / "U.db").string()));
  EXPECT_EQ(table.TableName(), (dir / "T.db").string());
}

}  // namespace
}  // namespace quilm::test
