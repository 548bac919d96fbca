// quilm-cli dict: the bilingual dictionaries. `build` fills a dictionary
// table from its UTF-8 source; `pa-en` and `en-pa` look a word up as the
// "Punjabi English Dictionary" and "English-Punjabi Dictionary" windows do.
// `new`, `add` and `list` keep the additional dictionaries (cmd_user_dict.cpp).
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/data_tables.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/options.h"
#include "cli/user_dictionary.h"
#include "common/file_io.h"
#include "dict/dictionary_lookup.h"
#include "dict/dictionary_sources.h"
#include "dict/gurmukhi_text.h"
#include "fonts/conversion_context.h"
#include "tables/schema_text.h"

namespace quilm::cli {
namespace {

constexpr char kHelp[] =
    "usage: quilm-cli dict pa-en [--data DIR] WORD\n"
    "       quilm-cli dict en-pa [--data DIR] WORD\n"
    "       quilm-cli dict build TABLE SCHEMA SOURCE OUT\n"
    "       quilm-cli dict new [--data DIR] NAME\n"
    "       quilm-cli dict add [--data DIR] [--font FONT] NAME WORD...\n"
    "       quilm-cli dict list [--data DIR] [NAME]\n"
    "pa-en looks the Punjabi WORD (UTF-8) up in pbi_to_eng.DBF, trying its\n"
    "spelling variants and its root (wordroot1.DB) when it is no headword;\n"
    "en-pa looks the English WORD up in EngPbi.DBF. Both print one line\n"
    "\"WORD<TAB>RESULT<TAB>HEADWORD<TAB>TYPE<TAB>MEANING\", RESULT being found,\n"
    "similar, root or nearest (then the entry shown is the nearest headword).\n"
    "--data names the data folder (default: the current folder).\n"
    "build writes the table file OUT with the schema SCHEMA from the\n"
    "tab-separated UTF-8 SOURCE; TABLE names the table (pbi_to_eng.DBF,\n"
    "EngPbi.DBF, wordroot1.DB, adt or wordlist1a.dbf), which says how the\n"
    "columns fill the fields.\n"
    "new, add and list keep the additional dictionaries Dict/NAME.dic of the\n"
    "data folder (see quilm-cli dict new --help).\n";

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli dict: %s\n", message.c_str());
  return kBadInput;
}

int usage_error() {
  std::fputs("quilm-cli dict: give pa-en, en-pa, build, new, add or list (see quilm-cli dict --help)\n", stderr);
  return kUsage;
}

int build(const Args& args, const FontConverter& converter) {
  const std::optional<Bytes> schema_text = read_file(args[2]);
  if (!schema_text) return bad_input("cannot read " + args[2]);
  TableSchema schema;
  if (Status s = parse_table_schema(*schema_text, &schema); !s) return bad_input(args[2] + ": " + s.message());
  if (!has_dictionary_source_recipe(args[1])) return bad_input("no dictionary table is called " + args[1]);
  const std::optional<Bytes> source = read_file(args[3]);
  if (!source) return bad_input("cannot read " + args[3]);
  if (Status s = build_dictionary_table(args[1], schema, *source, args[4], converter); !s)
    return bad_input(args[3] + ": " + s.message());
  return kSuccess;
}

Bytes entry_line(const std::string& word, LookupResult result, const Bytes& headword, const Bytes& type,
                 const Bytes& meaning) {
  return word + "\t" + lookup_result_name(result) + "\t" + headword + "\t" + type + "\t" + meaning + "\n";
}

int punjabi_english(const std::string& data, const std::string& word, const FontConverter& converter) {
  const std::optional<Bytes> glyphs = dictionary_bytes_of_utf8(word, converter);
  if (!glyphs) return bad_input("\"" + word + "\" is not UTF-8");
  SqliteTable dictionary, roots;
  if (!open_data_table("dict", data, "pbi_to_eng.DBF", "SORTWORD", dictionary)) return kBadInput;
  const bool have_roots = open_data_table("dict", data, "wordroot1.DB", "SORTWORD", roots);
  const LookupResult result = look_up_punjabi(*glyphs, dictionary, have_roots ? &roots : nullptr, converter);
  const Bytes headword = utf8_of_dictionary_bytes(dictionary.FieldByName("WORD").as_text(), converter);
  return write_output("dict", entry_line(word, result, headword, dictionary.FieldByName("TYPE").as_text(),
                                         dictionary.FieldByName("MEANING").as_text()))
             ? kSuccess
             : kBadInput;
}

int english_punjabi(const std::string& data, const std::string& word, const FontConverter& converter) {
  SqliteTable dictionary;
  if (!open_data_table("dict", data, "EngPbi.DBF", "WORD", dictionary)) return kBadInput;
  const LookupResult result = look_up_english(word, dictionary);
  const Bytes meaning = utf8_of_dictionary_bytes(dictionary.FieldByName("Meaning").as_text(), converter);
  return write_output("dict", entry_line(word, result, dictionary.FieldByName("WORD").as_text(),
                                         dictionary.FieldByName("TYPE").as_text(), meaning))
             ? kSuccess
             : kBadInput;
}

}  // namespace

int run_dict(const Args& args) {
  if (args.empty()) return usage_error();
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(kHelp, stdout);
    return kSuccess;
  }
  const std::string verb = args[0];
  if (is_user_dictionary_verb(verb)) return run_user_dictionary(verb, Args(args.begin() + 1, args.end()));
  if (verb != "pa-en" && verb != "en-pa" && verb != "build") return usage_error();
  const Args rest(args.begin() + 1, args.end());
  ConversionContext context;
  const FontConverter converter(context);
  if (verb == "build") {
    std::string table, schema, source, out;
    OptionParser parser("dict", "Fills a dictionary table from its source.");
    parser.synopsis("dict build TABLE SCHEMA SOURCE OUT");
    parser.positional("TABLE", table);
    parser.positional("SCHEMA", schema);
    parser.positional("SOURCE", source);
    parser.positional("OUT", out);
    if (const std::optional<int> status = parser.parse(rest)) return *status;
    return build({verb, table, schema, source, out}, converter);
  }
  std::string data = ".", word;
  OptionParser parser("dict", verb == "pa-en" ? "Looks a Punjabi word up in the Punjabi-English dictionary."
                                              : "Looks an English word up in the English-Punjabi dictionary.");
  parser.synopsis("dict " + verb + " [--data DIR] WORD");
  parser.value("--data", "DIR", data, "the data folder (default: the current folder)");
  parser.positional("WORD", word);
  if (const std::optional<int> status = parser.parse(rest)) return *status;
  return verb == "pa-en" ? punjabi_english(data, word, converter) : english_punjabi(data, word, converter);
}

}  // namespace quilm::cli
