// The import of dBase tables into the table store, on files written by an
// independent generator (tests/dict/dbase/make_dbase_fixtures.py): bytes
// kept, derived fields computed again, every field type read, deleted
// records left out, and an existing table replaced only when all is well.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dict/dbase_file.h"
#include "dict/dictionary_key.h"
#include "dict/table_import.h"
#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(QUILM_SOURCE_DIR) / "tests" / "dict" / "dbase";

using Rows = std::vector<std::vector<FieldValue>>;

// The records of a table file in their order, every field.
Rows rows_of(const fs::path& file, TableSchema* schema = nullptr) {
  SqliteTable t(file.string());
  EXPECT_TRUE(t.Open());
  if (schema) *schema = t.Schema();
  Rows rows;
  for (t.First(); !t.Eof() && rows.size() < 100; t.Next()) {
    std::vector<FieldValue> row;
    for (const FieldDef& f : t.Fields()) row.push_back(t.FieldByName(f.name));
    rows.push_back(row);
  }
  return rows;
}

TEST(TableImport, TheAffixListKeepsItsBytesAndGetsItsReversedWords) {
  test::TempDir dir;
  ImportReport report;
  ASSERT_TRUE(import_dbase_table(kFixtures / "wordlist1a.dbf", dir / "wordlist1a.dbf", &report));
  EXPECT_EQ(report.records, 3);
  EXPECT_EQ(report.deleted, 1);
  TableSchema schema;
  const Rows rows = rows_of(dir / "wordlist1a.dbf", &schema);
  const Rows expected = {{"eo", "oe"}, {"\xE6oI", "Io\xE6"}, {"p\x9Aj", "j\x9Ap"}};
  EXPECT_EQ(rows, expected) << "the stale SortWord of the file is computed again";
  ASSERT_EQ(schema.indexes.size(), 2u);
  EXPECT_EQ(schema.indexes[0].name, "WORD");
  EXPECT_EQ(schema.indexes[1].name, "SORTWORD");
}

TEST(TableImport, TheDictionaryGetsItsMeaningsFromTheMemoFileAndItsKeys) {
  test::TempDir dir;
  ImportReport report;
  ASSERT_TRUE(import_dbase_table(kFixtures / "pbi_to_eng.dbf", dir / "pbi_to_eng.DBF", &report));
  const Rows rows = rows_of(dir / "pbi_to_eng.DBF");
  const Rows expected = {{"eo", "verb", "to do, to make; to perform", dictionary_key("eo")},
                         {"Go", "noun", "house, home", dictionary_key("Go")}};
  EXPECT_EQ(rows, expected);
  EXPECT_FALSE(dictionary_key("eo").empty());
  EXPECT_EQ(dictionary_key("eo").find_first_not_of("0123456789"), Bytes::npos);
  SqliteTable t((dir / "pbi_to_eng.DBF").string());
  ASSERT_TRUE(t.Open());
  ASSERT_TRUE(t.SetIndexName("SORTWORD"));
  EXPECT_TRUE(t.FindKey({FieldValue(dictionary_key("Go"))}));
  EXPECT_EQ(t.FieldByName("WORD"), FieldValue("Go"));
}

TEST(TableImport, EveryFieldTypeOfDbaseFourIsRead) {
  const std::optional<Bytes> dbf = [] {
    std::ifstream in(kFixtures / "types4.dbf", std::ios::binary);
    return std::optional<Bytes>(Bytes(std::istreambuf_iterator<char>(in), {}));
  }();
  std::ifstream memo_in(kFixtures / "types4.dbt", std::ios::binary);
  const Bytes memo{std::istreambuf_iterator<char>(memo_in), {}};
  DbaseTable table;
  ASSERT_TRUE(read_dbase_table(*dbf, memo, &table));
  ASSERT_EQ(table.fields.size(), 6u);
  EXPECT_EQ(field_type_of(table.fields[1]), FieldType::Integer);
  EXPECT_EQ(field_type_of(table.fields[2]), FieldType::Real);
  const Rows expected = {{"one", 42, 3.5, "T", "20261210", "first note \xE6\xFF"},
                         {"two", FieldValue(), -0.25, FieldValue(), FieldValue(), "second"}};
  EXPECT_EQ(table.records, expected);
}

TEST(TableImport, AnExistingTableKeepsItsSchemaAndIsReplacedOnlyWhenAllIsWell) {
  test::TempDir dir;
  TableSchema schema;
  ASSERT_TRUE(parse_table_schema("field Word text\nfield SortWord text\nfield Extra integer\nindex WORD Word\n", &schema));
  ASSERT_TRUE(create_table_file(dir / "wordlist1a.dbf", schema));
  ImportReport report;
  ASSERT_TRUE(import_dbase_table(kFixtures / "wordlist1a.dbf", dir / "wordlist1a.dbf", &report));
  TableSchema kept;
  const Rows rows = rows_of(dir / "wordlist1a.dbf", &kept);
  EXPECT_EQ(kept, schema);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<FieldValue>{"eo", "oe", FieldValue()}));

  // A table without a field of the dBase file is left as it was.
  TableSchema narrow;
  ASSERT_TRUE(parse_table_schema("field Word text\n", &narrow));
  ASSERT_TRUE(create_table_file(dir / "narrow.dbf", narrow));
  const Status refused = import_dbase_table(kFixtures / "wordlist1a.dbf", dir / "narrow.dbf", &report);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.message().find("has no field SortWord"), std::string::npos) << refused.message();
  EXPECT_TRUE(rows_of(dir / "narrow.dbf").empty());
  EXPECT_FALSE(fs::exists(dir / "narrow.dbf.partial"));
}

TEST(TableImport, AMemoFieldWithoutItsMemoFileIsRefused) {
  test::TempDir dir;
  fs::copy_file(kFixtures / "pbi_to_eng.dbf", dir / "copy.dbf");
  ImportReport report;
  const Status s = import_dbase_table(dir / "copy.dbf", dir / "out.db", &report);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("no memo file"), std::string::npos) << s.message();
  EXPECT_FALSE(fs::exists(dir / "out.db"));
}

}  // namespace
}  // namespace quilm
