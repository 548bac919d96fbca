// quilm-cli table: make table files from schemas and look into them.
//   table create SCHEMA OUT      an empty table file from a schema text
//   table schema FILE            the schema a table file holds
//   table dump FILE [ORDER] [--hex] [--header]
//   table find FILE [ORDER] [--nearest] [--hex] KEY...
// ORDER is --index NAME (a named index; the primary one when absent) or
// --fields F1;F2 (IndexFieldNames). Records print one a line, fields
// tab-separated, text bytes unchanged or, with --hex, as hexadecimal byte
// values separated by spaces; with --hex, text keys are given that way too.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tables/create_table_file.h"
#include "tables/schema_text.h"
#include "tables/sqlite_table.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "common/file_io.h"
#include "common/hex.h"

namespace quilm::cli {
namespace {

constexpr char kSynopsis[] =
    "table create SCHEMA OUT\n"
    "       quilm-cli table schema FILE\n"
    "       quilm-cli table dump FILE [--index NAME | --fields F1;F2] [--hex] [--header]\n"
    "       quilm-cli table find FILE [--index NAME | --fields F1;F2] [--nearest] [--hex] [--] KEY...";

constexpr char kAbout[] =
    "Records print one a line, fields separated by tabs; text bytes as they are,\n"
    "or with --hex as hexadecimal byte values (\"6B A2\"), the form KEYs then take.\n"
    "find prints the record whose key equals the KEYs (one per index field, leading\n"
    "fields only when fewer), or with --nearest the first whose key is not less.";

struct Options {
  std::string file;
  std::string index_name;
  std::string field_names;
  bool hex = false;
  bool header = false;
  bool nearest = false;
  std::vector<std::string> keys;
};

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli table: %s\n", message.c_str());
  return kBadInput;
}

// FILE and the options of dump and find; KEYs for find. nullopt to run.
std::optional<int> parse_options(OptionParser& parser, const Args& args, bool keys_allowed, Options& options) {
  parser.positional("FILE", options.file);
  parser.value("--index", "NAME", options.index_name, "");
  parser.value("--fields", "F1;F2", options.field_names, "");
  parser.flag("--hex", options.hex, "");
  if (keys_allowed) {
    parser.flag("--nearest", options.nearest, "");
    parser.rest("KEY", options.keys, 1);
  } else {
    parser.flag("--header", options.header, "");
  }
  if (const std::optional<int> status = parser.parse(args)) return status;
  if (!options.index_name.empty() && !options.field_names.empty())
    return parser.usage_error("--index and --fields exclude each other");
  return std::nullopt;
}

void print_line(const std::vector<Bytes>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) std::fputc('\t', stdout);
    std::fwrite(cells[i].data(), 1, cells[i].size(), stdout);
  }
  std::fputc('\n', stdout);
}

void print_record(const Table& table, bool hex) {
  std::vector<Bytes> cells;
  for (const auto& field : table.Fields()) {
    const FieldValue value = table.FieldByName(field.name);
    cells.push_back(hex && field.type == FieldType::Text ? hex::format_bytes(value.as_text()) : value.as_text());
  }
  print_line(cells);
}

void print_header(const Table& table) {
  std::vector<Bytes> names;
  for (const auto& field : table.Fields()) names.push_back(field.name);
  print_line(names);
}

Status open_table(const Options& options, SqliteTable* table) {
  if (Status s = table->SetTableName(options.file); !s) return s;
  Status ordered = options.field_names.empty() ? table->SetIndexName(options.index_name)
                                               : table->SetIndexFieldNames(options.field_names);
  if (!ordered) return ordered;
  return table->Open();
}

// KEY arguments as values for the search: hex-decoded for text key fields
// under --hex, otherwise as typed (the table converts numbers).
std::optional<std::vector<FieldValue>> key_values(const SqliteTable& table, const Options& options,
                                                  std::string* problem) {
  std::vector<IndexField> key;
  if (!options.field_names.empty()) {
    parse_index_fields(options.field_names, &key);
  } else if (options.index_name.empty()) {
    for (const auto& name : table.Schema().primary_key) key.push_back({name, false});
  } else {
    key = find_index(table.Schema(), options.index_name)->fields;
  }
  if (options.keys.size() > key.size()) {
    *problem = "more KEYs than the " + std::to_string(key.size()) + " fields of the index";
    return std::nullopt;
  }
  std::vector<FieldValue> values;
  for (std::size_t i = 0; i < options.keys.size(); ++i) {
    const auto field = table.FindField(key[i].name);
    if (!options.hex || field->type != FieldType::Text) {
      values.emplace_back(options.keys[i]);
      if (!convert_for_field(values.back(), field->type)) {
        *problem = "\"" + options.keys[i] + "\" is not a valid " + field_type_name(field->type) + " for field " +
                   field->name;
        return std::nullopt;
      }
      continue;
    }
    const auto bytes = hex::parse_bytes(options.keys[i]);
    if (!bytes) {
      *problem = "\"" + options.keys[i] + "\" is not a string of hexadecimal byte values";
      return std::nullopt;
    }
    values.emplace_back(*bytes);
  }
  return values;
}

int run_create(OptionParser& parser, const Args& args) {
  std::string schema_file, out;
  parser.positional("SCHEMA", schema_file);
  parser.positional("OUT", out);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  const auto text = read_file(schema_file);
  if (!text) return bad_input("cannot read the schema file \"" + schema_file + "\"");
  TableSchema schema;
  if (Status parsed = parse_table_schema(*text, &schema); !parsed)
    return bad_input(schema_file + ": " + parsed.message());
  if (Status created = create_table_file(out, schema); !created) return bad_input(created.message());
  return kSuccess;
}

int run_schema(OptionParser& parser, const Args& args) {
  std::string file;
  parser.positional("FILE", file);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  SqliteTable table(file);
  if (Status opened = table.Open(); !opened) return bad_input(opened.message());
  const std::string text = format_table_schema(table.Schema());
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kSuccess;
}

int run_dump(OptionParser& parser, const Args& args) {
  Options options;
  if (const std::optional<int> status = parse_options(parser, args, false, options)) return *status;
  SqliteTable table;
  if (Status opened = open_table(options, &table); !opened) return bad_input(opened.message());
  if (options.header) print_header(table);
  for (table.First(); !table.Eof(); table.Next()) print_record(table, options.hex);
  return kSuccess;
}

int run_find(OptionParser& parser, const Args& args) {
  Options options;
  if (const std::optional<int> status = parse_options(parser, args, true, options)) return *status;
  SqliteTable table;
  if (Status opened = open_table(options, &table); !opened) return bad_input(opened.message());
  std::string problem;
  const auto values = key_values(table, options, &problem);
  if (!values) return bad_input(problem);
  const bool found = options.nearest ? table.FindNearest(*values) : table.FindKey(*values);
  if (!found)
    return bad_input(options.nearest ? "no record in " + options.file + " has a key at or after the one given"
                                     : "no record in " + options.file + " has the key given");
  print_record(table, options.hex);
  return kSuccess;
}

struct Verb {
  const char* name;
  int (*run)(OptionParser& parser, const Args& args);
};

constexpr Verb kVerbs[] = {{"create", run_create}, {"schema", run_schema}, {"dump", run_dump}, {"find", run_find}};

}  // namespace

int run_table(const Args& args) {
  OptionParser parser("table", kAbout);
  parser.synopsis(kSynopsis);
  if (args.empty()) return parser.usage_error("a verb is needed: create, schema, dump or find");
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(parser.usage().c_str(), stdout);
    return kSuccess;
  }
  for (const Verb& verb : kVerbs)
    if (args[0] == verb.name) return verb.run(parser, Args(args.begin() + 1, args.end()));
  return parser.usage_error("unknown verb \"" + args[0] + "\"");
}

}  // namespace quilm::cli
