// quilm-cli roman-exceptions: makes the exception table of the Gurmukhi-to-
// Roman transliteration (GurRoman.db) from its word list, and shows the key
// under which a word is kept.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "common/hex.h"
#include "common/file_io.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "tables/schema_text.h"
#include "translit/roman_exceptions.h"

namespace quilm::cli {
namespace {

constexpr char kHelp[] =
    "usage: quilm-cli roman-exceptions build SCHEMA WORDS OUT\n"
    "       quilm-cli roman-exceptions key WORD...\n"
    "build writes the table file OUT with the schema SCHEMA from the word list\n"
    "WORDS (UTF-8 lines \"GURMUKHI<TAB>ROMAN\"; '#' starts a comment line).\n"
    "key prints, for each Gurmukhi WORD (UTF-8), the pivot key it is kept\n"
    "under, as hexadecimal bytes.\n";

int usage_error() {
  std::fputs(kHelp, stderr);
  return kUsage;
}

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli roman-exceptions: %s\n", message.c_str());
  return kBadInput;
}

int build(const Args& args, const FontConverter& converter) {
  const std::optional<Bytes> schema_text = read_file(args[1]);
  if (!schema_text) return bad_input("cannot read " + args[1]);
  TableSchema schema;
  if (Status s = parse_table_schema(*schema_text, &schema); !s) return bad_input(args[1] + ": " + s.message());
  const std::optional<Bytes> words = read_file(args[2]);
  if (!words) return bad_input("cannot read " + args[2]);
  if (Status s = build_roman_exceptions(schema, *words, args[3], converter); !s)
    return bad_input(args[2] + ": " + s.message());
  return kSuccess;
}

int keys(const Args& args, const FontConverter& converter) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::optional<std::u16string> word = from_utf8(args[i]);
    if (!word) return bad_input("\"" + args[i] + "\" is not UTF-8");
    Bytes line;
    hex::append_bytes(roman_key_of_unicode(*word, converter), line);
    std::printf("%s\n", line.c_str());
  }
  return kSuccess;
}

}  // namespace

int run_roman_exceptions(const Args& args) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kHelp, stdout);
    return kSuccess;
  }
  ConversionContext context;
  const FontConverter converter(context);
  if (args.size() == 4 && args[0] == "build") return build(args, converter);
  if (args.size() >= 2 && args[0] == "key") return keys(args, converter);
  return usage_error();
}

}  // namespace quilm::cli
