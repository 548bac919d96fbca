// The schemas of the data folder's tables under data/tables/: each makes a
// table file with the fields its windows read, opens in the order they
// select, and finds a posted record by that order's key.
#include <gtest/gtest.h>

#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "common/file_io.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

TEST(DataTables, SchemasGiveTheFieldsAndOrdersTheWindowsUse) {
  struct Case {
    const char* file;
    const char* index_name;
    const char* index_field_names;
    std::vector<FieldDef> fields;
    std::vector<FieldValue> record;  // in field order
    std::vector<FieldValue> key;
    bool nearest;  // searched as the window does: FindNearest, else FindKey
  };
  const FieldType text = FieldType::Text;
  const FieldType integer = FieldType::Integer;
  const Case cases[] = {
      {"PunjabiFreq.DB", "", "", {{"Word", text}, {"Frequency", integer}}, {"\x6B\xA2", 4200}, {"\x6B\xA2"}, false},
      {"TriGram1.DBF", "PWORD", "",
       {{"ppword", text}, {"pword", text}, {"word", text}, {"Count", integer}},
       {"a", "b", "c", 3}, {"a", "b", "c"}, false},
      {"wordlist1a.dbf", "", "Word", {{"Word", text}, {"SortWord", text}}, {"\x6B\x62", "\x62\x6B"}, {"\x6B"}, true},
      {"wordlist1a.dbf", "", "SortWord", {{"Word", text}, {"SortWord", text}}, {"\x6B\x62", "\x62\x6B"}, {"\x62"}, true},
      {"adt", "ROMAN", "", {{"ENGLISH", text}, {"PUNJABI", text}, {"ROMAN", text}},
       {"Deputy Commissioner", "\xE6\x6B", "deputy commissioner"}, {"deputy c"}, true},
      {"pbi_to_eng.DBF", "SORTWORD", "", {{"WORD", text}, {"TYPE", text}, {"MEANING", text}, {"SORTWORD", text}},
       {"\x6B\x72", "v.", "do", "107114"}, {"107114"}, false},
      {"EngPbi.DBF", "WORD", "", {{"WORD", text}, {"TYPE", text}, {"Meaning", text}}, {"Boy", "n.", "\x6B\x72"},
       {"Bo"}, true},
      {"wordroot1.DB", "SORTWORD", "", {{"Word", text}, {"Root", text}, {"SORTWORD", text}},
       {"\x6B\x72\x77", "\x6B\x72", "107114119"}, {"107114119"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const auto schema_text = read_file(std::string(QUILM_DATA_DIR) + "/tables/" + c.file + ".schema");
    ASSERT_TRUE(schema_text);
    TableSchema schema;
    const Status parsed = parse_table_schema(*schema_text, &schema);
    ASSERT_TRUE(parsed) << parsed.message();
    TempDir dir;
    ASSERT_TRUE(create_table_file(dir / c.file, schema));

    SqliteTable table((dir / c.file).string());
    ASSERT_TRUE(*c.index_field_names ? table.SetIndexFieldNames(c.index_field_names)
                                     : table.SetIndexName(c.index_name));
    const Status opened = table.Open();
    ASSERT_TRUE(opened) << opened.message();
    EXPECT_EQ(table.Fields(), c.fields);
    EXPECT_TRUE(table.IsEmpty());

    ASSERT_TRUE(table.Insert());
    for (std::size_t i = 0; i < c.record.size(); ++i) ASSERT_TRUE(table.SetFieldByName(c.fields[i].name, c.record[i]));
    ASSERT_TRUE(table.Post());
    table.First();
    EXPECT_TRUE(c.nearest ? table.FindNearest(c.key) : table.FindKey(c.key));
    EXPECT_EQ(table.FieldByName(c.fields[0].name), c.record[0]);
  }
}

}  // namespace
}  // namespace quilm::test
