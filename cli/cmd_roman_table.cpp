// quilm-cli roman-table: makes a table of Roman spellings (RomanGur.dbf,
// EnglishGur.DBF, Abbr.db) from its compact source.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "common/file_io.h"
#include "roman/roman_table_build.h"
#include "tables/schema_text.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Writes the table file OUT with the schema SCHEMA (fields Roman and\n"
    "Gurmukhi) from SOURCE: UTF-8 lines \"ROMAN<TAB>GURMUKHI GURMUKHI ...\",\n"
    "one record per Gurmukhi word in the order given, the Gurmukhi stored in\n"
    "the pivot encoding; '#' starts a comment line. OUT is replaced only\n"
    "once it is complete.";

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli roman-table: %s\n", message.c_str());
  return kBadInput;
}

}  // namespace

int run_roman_table(const Args& args) {
  std::string schema_file, source_file, out;
  OptionParser parser("roman-table", kAbout);
  parser.positional("SCHEMA", schema_file);
  parser.positional("SOURCE", source_file);
  parser.positional("OUT", out);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  const std::optional<Bytes> schema_text = read_file(schema_file);
  if (!schema_text) return bad_input("cannot read " + schema_file);
  TableSchema schema;
  if (Status s = parse_table_schema(*schema_text, &schema); !s) return bad_input(schema_file + ": " + s.message());
  const std::optional<Bytes> source = read_file(source_file);
  if (!source) return bad_input("cannot read " + source_file);
  if (Status s = build_roman_table(schema, *source, out); !s) return bad_input(source_file + ": " + s.message());
  return kSuccess;
}

}  // namespace quilm::cli
