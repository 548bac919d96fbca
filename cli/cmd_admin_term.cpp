// quilm-cli admin-term: the Punjabi of an English administrative term from
// the table adt, as the "Punjabi Administrative Terms" window finds it.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/data_tables.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/options.h"
#include "dict/admin_terms.h"
#include "dict/gurmukhi_text.h"
#include "fonts/conversion_context.h"

namespace quilm::cli {

int run_admin_term(const Args& args) {
  std::string term, data = ".";
  OptionParser parser("admin-term",
                      "Prints \"ENGLISH<TAB>PUNJABI<TAB>exact|nearest\" for the English administrative\n"
                      "TERM: the term itself, or the nearest term after it (case is ignored).\n"
                      "PUNJABI is UTF-8. Nothing is printed when every term comes before TERM.");
  parser.value("--data", "DIR", data, "the data folder (default: the current folder)");
  parser.positional("TERM", term);
  if (const std::optional<int> status = parser.parse(args)) return *status;

  SqliteTable adt;
  if (!open_data_table("admin-term", data, "adt", "", adt)) return kBadInput;
  AdminTerm found;
  if (!find_admin_term(adt, term, found)) return kSuccess;
  ConversionContext context;
  const FontConverter converter(context);
  const Bytes line = found.english + "\t" + utf8_of_dictionary_bytes(found.punjabi, converter) + "\t" +
                     (found.exact ? "exact" : "nearest") + "\n";
  return write_output("admin-term", line) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli
