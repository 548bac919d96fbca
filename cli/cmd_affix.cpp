// quilm-cli affix: the words of the affix word list (wordlist1a.dbf) that
// begin or end with a Gurmukhi string, as the "Prefix and Suffix Lists"
// window shows them.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/data_tables.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/options.h"
#include "dict/affix_list.h"
#include "dict/gurmukhi_text.h"
#include "fonts/conversion_context.h"

namespace quilm::cli {

int run_affix(const Args& args) {
  std::string prefix, suffix, data = ".";
  OptionParser parser("affix",
                      "Prints the words of wordlist1a.dbf that begin with TEXT (--prefix) or end with\n"
                      "it (--suffix), one a line, in Gurmukhi order (in the table's order when\n"
                      "there are 2400 or more). TEXT is UTF-8 Gurmukhi.");
  parser.value("--prefix", "TEXT", prefix, "list the words that begin with TEXT");
  parser.value("--suffix", "TEXT", suffix, "list the words that end with TEXT");
  parser.value("--data", "DIR", data, "the data folder (default: the current folder)");
  if (const std::optional<int> status = parser.parse(args)) return *status;
  if (prefix.empty() == suffix.empty()) return parser.usage_error("give one of --prefix and --suffix");

  ConversionContext context;
  const FontConverter converter(context);
  const std::string& text = prefix.empty() ? suffix : prefix;
  const std::optional<Bytes> glyphs = dictionary_bytes_of_utf8(text, converter);
  if (!glyphs) {
    std::fprintf(stderr, "quilm-cli affix: \"%s\" is not UTF-8\n", text.c_str());
    return kBadInput;
  }
  SqliteTable wordlist;
  if (!open_data_table("affix", data, "wordlist1a.dbf", "", wordlist)) return kBadInput;
  Bytes out;
  for (const Bytes& word : affix_list(wordlist, *glyphs, prefix.empty() ? AffixSide::Suffix : AffixSide::Prefix))
    out += utf8_of_dictionary_bytes(word, converter) + "\n";
  return write_output("affix", out) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli
