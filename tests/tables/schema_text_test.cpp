// The text form of table schemas: what it reads, and the errors it gives.
#include <gtest/gtest.h>

#include "tables/schema_text.h"

namespace quilm {
namespace {

TEST(SchemaText, ReadsFieldsPrimaryKeyAndIndexes) {
  const char* text =
      "# word counts\n"
      "field Word text\n"
      "field Frequency integer   # a count\n"
      "field Share real\n"
      "\n"
      "primary Word\n"
      "index RF Frequency desc;Word\n"
      "index PW  Share ; Word asc\n";
  TableSchema schema;
  const Status parsed = parse_table_schema(text, &schema);
  ASSERT_TRUE(parsed) << parsed.message();

  const TableSchema expected{
      {{"Word", FieldType::Text}, {"Frequency", FieldType::Integer}, {"Share", FieldType::Real}},
      {"Word"},
      {{"RF", {{"Frequency", true}, {"Word", false}}}, {"PW", {{"Share", false}, {"Word", false}}}}};
  EXPECT_EQ(schema, expected);

  TableSchema reread;
  ASSERT_TRUE(parse_table_schema(format_table_schema(schema), &reread));
  EXPECT_EQ(reread, schema);
}

TEST(SchemaText, RejectsFaultyLinesNamingTheLine) {
  struct Case {
    const char* label;
    const char* text;
    const char* message_part;
  };
  const Case cases[] = {
      {"unknown statement", "field A text\nkey A\n", "line 2: unknown statement \"key\""},
      {"unknown type", "field A txt\n", "line 1: unknown field type \"txt\""},
      {"field without type", "field A\n", "line 1: expected \"field NAME TYPE\""},
      {"index without fields", "field A text\nindex I\n", "line 2: expected \"index NAME FIELDS\""},
      {"descending primary key", "field A text\nprimary A desc\n", "always ascending"},
      {"bad direction", "field A text\nindex I A down\n", "\"down\" after field \"A\""},
      {"empty item in field list", "field A text\nindex I A;;A\n", "an empty name"},
      {"index of unknown field", "field A text\nindex I B\n", "index \"I\" names the unknown field \"B\""},
      {"primary key of unknown field", "field A text\nprimary B\n", "the primary key names the unknown field"},
      {"field named twice", "field A text\nfield a integer\n", "two fields have the same name"},
      {"index named twice", "field A text\nindex I A\nindex i A\n", "two indexes have the same name"},
      {"field listed twice in a key", "field A text\nindex I A;A\n", "names a field twice"},
      {"name with a quote", "field A\"B text\n", "invalid field name"},
      {"reserved field name", "field record_id integer\n", "reserved"},
      {"no fields", "# nothing\n", "no fields"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TableSchema schema;
    const Status parsed = parse_table_schema(c.text, &schema);
    ASSERT_FALSE(parsed);
    EXPECT_NE(parsed.message().find(c.message_part), std::string::npos) << parsed.message();
  }
}

}  // namespace
}  // namespace quilm
