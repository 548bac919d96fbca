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
#include "common/file_io.h"
#include "common/hex.h"

namespace quilm::cli {
namespace {

constexpr char kHelp[] =
    "usage: quilm-cli table create SCHEMA OUT\n"
    "       quilm-cli table schema FILE\n"
    "       quilm-cli table dump FILE [--index NAME | --fields F1;F2] [--hex] [--header]\n"
    "       quilm-cli table find FILE [--index NAME | --fields F1;F2] [--nearest] [--hex] [--] KEY...\n"
    "Records print one a line, fields separated by tabs; text bytes as they are,\n"
    "or with --hex as hexadecimal byte values (\"6B A2\"), the form KEYs then take.\n"
    "find prints the record whose key equals the KEYs (one per index field, leading\n"
    "fields only when fewer), or with --nearest the first whose key is not less.\n";

struct Options {
  std::string file;
  std::string index_name;
  std::string field_names;
  bool hex = false;
  bool header = false;
  bool nearest = false;
  std::vector<std::string> keys;
};

// --help or -h anywhere before a "--" that ends the options.
bool asks_for_help(const Args& args) {
  for (const auto& arg : args) {
    if (arg == "--") return false;
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

int usage_error(const std::string& message) {
  std::fprintf(stderr, "quilm-cli table: %s\n%s", message.c_str(), kHelp);
  return kUsage;
}

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli table: %s\n", message.c_str());
  return kBadInput;
}

// Parses FILE and the options after the verb; KEYs are kept when allowed.
std::optional<std::string> parse_options(const Args& args, bool keys_allowed, Options* options) {
  bool options_ended = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool is_option = !options_ended && arg.size() > 1 && arg[0] == '-';
    if (is_option && arg == "--") {
      options_ended = true;
    } else if (is_option && (arg == "--index" || arg == "--fields")) {
      if (i + 1 == args.size()) return arg + " needs a value";
      (arg == "--index" ? options->index_name : options->field_names) = args[++i];
    } else if (is_option && arg == "--hex") {
      options->hex = true;
    } else if (is_option && arg == "--header" && !keys_allowed) {
      options->header = true;
    } else if (is_option && arg == "--nearest" && keys_allowed) {
      options->nearest = true;
    } else if (is_option) {
      return "unknown option " + arg;
    } else if (options->file.empty()) {
      options->file = arg;
    } else if (keys_allowed) {
      options->keys.push_back(arg);
    } else {
      return "unexpected argument " + arg;
    }
  }
  if (options->file.empty()) return std::string("no table file given");
  if (!options->index_name.empty() && !options->field_names.empty())
    return std::string("--index and --fields exclude each other");
  if (keys_allowed && options->keys.empty()) return std::string("no KEY given");
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

int run_create(const Args& args) {
  if (args.size() != 3) return usage_error("create takes SCHEMA and OUT");
  const auto text = read_file(args[1]);
  if (!text) return bad_input("cannot read the schema file \"" + args[1] + "\"");
  TableSchema schema;
  if (Status parsed = parse_table_schema(*text, &schema); !parsed) return bad_input(args[1] + ": " + parsed.message());
  if (Status created = create_table_file(args[2], schema); !created) return bad_input(created.message());
  return kSuccess;
}

int run_schema(const Args& args) {
  if (args.size() != 2) return usage_error("schema takes FILE");
  SqliteTable table(args[1]);
  if (Status opened = table.Open(); !opened) return bad_input(opened.message());
  const std::string text = format_table_schema(table.Schema());
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kSuccess;
}

int run_dump(const Args& args) {
  Options options;
  if (const auto problem = parse_options(args, false, &options)) return usage_error(*problem);
  SqliteTable table;
  if (Status opened = open_table(options, &table); !opened) return bad_input(opened.message());
  if (options.header) print_header(table);
  for (table.First(); !table.Eof(); table.Next()) print_record(table, options.hex);
  return kSuccess;
}

int run_find(const Args& args) {
  Options options;
  if (const auto problem = parse_options(args, true, &options)) return usage_error(*problem);
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

}  // namespace

int run_table(const Args& args) {
  if (args.empty()) return usage_error("a verb is needed: create, schema, dump or find");
  const std::string& verb = args[0];
  if (asks_for_help(args)) {
    std::fputs(kHelp, stdout);
    return kSuccess;
  }
  if (verb == "create") return run_create(args);
  if (verb == "schema") return run_schema(args);
  if (verb == "dump") return run_dump(args);
  if (verb == "find") return run_find(args);
  return usage_error("unknown verb \"" + verb + "\"");
}

}  // namespace quilm::cli
