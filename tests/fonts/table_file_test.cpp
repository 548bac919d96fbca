// quilm-convgen refuses malformed converter tables with the file and line,
// so that a slip in fonts/tables/ stops the build instead of converting
// text wrongly.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_dir.h"
#include "tools/convgen/member.h"
#include "tools/convgen/table_file.h"

namespace convgen {
namespace {

struct Table {
  const char* name;
  const char* text;
};

// Parses and resolves the tables; returns the error message, or "" when they are sound.
std::string check(std::initializer_list<Table> tables) {
  quilm::test::TempDir dir;
  try {
    std::vector<TableFile> files;
    for (const Table& t : tables) {
      dir.write(std::string(t.name) + ".tbl", t.text);
      files.push_back(parse_table_file(dir / (std::string(t.name) + ".tbl")));
    }
    resolve_members(files);
  } catch (const TableError& error) {
    return error.what();
  }
  return "";
}

TEST(ConverterTableFiles, RefusesMalformedTables) {
  const struct {
    const char* label;
    std::initializer_list<Table> tables;
    const char* message;  // part of the expected message
  } cases[] = {
      {"a byte of one digit", {{"x_to_gur", "reader x_to_gur\n5 -> 41\n"}}, "x_to_gur.tbl:2: \"5\" is not a byte"},
      {"lower-case hexadecimal", {{"x_to_gur", "reader x_to_gur\n5a -> 41\n"}}, ":2: \"5a\" is not a byte"},
      {"a byte listed twice", {{"x_to_gur", "reader x_to_gur\n41 -> 42\n41 -> 43\n"}}, ":3: byte listed twice"},
      {"a missing arrow", {{"x_to_gur", "reader x_to_gur\n41 42\n"}}, ":2: expected \"->\""},
      {"a zero output", {{"x_to_gur", "reader x_to_gur\n41 -> 00\n"}}, "byte 00"},
      {"eight output bytes", {{"x_to_gur", "reader x_to_gur\n41 -> 31 32 33 34 35 36 37 38\n"}}, "longer than 7"},
      {"two units on the same pair", {{"x_to_gur", "reader x_to_gur\nunit 41 42 -> 43\nprecedence 41 42\n"}}, ":3: two units"},
      {"a unit with no output", {{"x_to_gur", "reader x_to_gur\nunit 41 42 -> nothing\n"}}, "at least one byte"},
      {"a writer rule in a reader", {{"x_to_gur", "reader x_to_gur\nrule 5A -> 7E when previous 3F\n"}}, "belongs to writers"},
      {"a three-byte unit in a writer", {{"gur_to_x", "writer gur_to_x\nunit 41 42 43 -> 44\n"}}, "two-byte units only"},
      {"a badly named writer", {{"x_to_gur", "writer x_to_gur\n"}}, "gur_to_STEM"},
      {"a file named after another member", {{"y_to_gur", "reader x_to_gur\n"}}, "file name"},
      {"an unknown base", {{"x_to_gur", "reader x_to_gur\nbase y_to_gur\n"}}, "unknown base y_to_gur"},
      {"removing a unit the base lacks",
       {{"x_to_gur", "reader x_to_gur\n"}, {"y_to_gur", "reader y_to_gur\nbase x_to_gur\nremove unit 41 42\n"}},
       "does not have"},
      {"bases in a cycle",
       {{"x_to_gur", "reader x_to_gur\nbase y_to_gur\n"}, {"y_to_gur", "reader y_to_gur\nbase x_to_gur\n"}},
       "cycle"},
      {"one font index for two readers",
       {{"x_to_gur", "reader x_to_gur\nfonts 2\n"}, {"y_to_gur", "reader y_to_gur\nfonts 2\n"}},
       "already served by x_to_gur"},
      {"the pivot encoding's index", {{"x_to_gur", "reader x_to_gur\nfonts 9\n"}}, "font index 9"},
      {"an unknown pattern", {{"gur_to_x", "writer gur_to_x\npattern bindi drop\n"}}, "unknown pattern"},
      {"a rule without a condition", {{"gur_to_x", "writer gur_to_x\nrule 5A -> 7E when\n"}}, "needs a condition"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string message = check(c.tables);
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
  }
}

TEST(ConverterTableFiles, AcceptsEveryDirective) {
  EXPECT_EQ(check({{"x_to_gur",
                    "# a reader\nreader x_to_gur\nfonts 2 3\n41 -> 42 43  # two bytes\n44 -> nothing\n"
                    "unit 41 45 -> 46\nprecedence 47 48\nunit 49 4A 4B -> 4C\nunit 4D 4E when 4F -> 50\n"},
                   {"y_to_gur", "reader y_to_gur\nbase x_to_gur\n41 -> 41\nremove unit 47 48\nunit 41 45 -> 51\n"},
                   {"gur_to_x",
                    "writer gur_to_x\nfonts 2\nunit 3B 61 -> 53\nrule 5A 60 -> 7E when previous 3F or before-previous 54\n"
                    "keep-context D8\npost-pass Format_for_Quilm\npattern bindi-after-kanna join 57\n"
                    "pattern nukta-after-joiner append 53\npattern na-uu-tippi drop\n"},
                   {"gur_to_y", "writer gur_to_y\nbase gur_to_x\nremove rules\nrule 5B -> B9 when previous 3B 45\n"}}),
            "");
}

}  // namespace
}  // namespace convgen
