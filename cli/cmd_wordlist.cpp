// quilm-cli wordlist: the stored word lists of a data folder.
//   wordlist list DATA                          the stored names, one a line
//   wordlist save DATA NAME [--from DIR] [--overwrite]
//   wordlist csv DIR                            the tables of DIR as comma-delimited text
// save copies the result tables of DIR (DATA when not given) into
// DATA/WordList/NAME; an existing list is replaced only with --overwrite.
#include <cstdio>
#include <string>

#include "analysis/word_list_export.h"
#include "analysis/word_lists.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"

namespace quilm::cli {
namespace {

constexpr char kUsageText[] =
    "usage: quilm-cli wordlist list DATA\n"
    "       quilm-cli wordlist save DATA NAME [--from DIR] [--overwrite]\n"
    "       quilm-cli wordlist csv DIR\n"
    "\n"
    "Lists the word lists stored in DATA/WordList/, or saves the analysis tables\n"
    "of DIR (DATA by default) as the list NAME. A name is one folder name (no\n"
    "\"/\", \"\\\", leading \".\" or control characters). An existing list is\n"
    "replaced only with --overwrite. csv prints the word, pair and triple tables\n"
    "of DIR (a data folder or DATA/WordList/NAME) as the comma-delimited text of\n"
    "\"Save Word List...\", lines ending in CR LF.\n";

int usage_error() {
  std::fputs(kUsageText, stderr);
  return kUsage;
}

}  // namespace

int run_wordlist(const Args& args) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsageText, stdout);
    return kSuccess;
  }
  if (args.size() == 2 && args[0] == "list") {
    std::string out;
    for (const std::string& name : WordListStore(args[1]).names()) out += name + "\n";
    return write_output("wordlist", out) ? kSuccess : kBadInput;
  }
  if (args.size() == 2 && args[0] == "csv") {
    ResultTableRows rows;
    if (const Status read = read_word_list_tables(args[1], rows); !read.ok()) {
      std::fprintf(stderr, "quilm-cli wordlist: %s\n", read.message().c_str());
      return kBadInput;
    }
    const auto table = [&](ResultTable t) -> const std::vector<ResultRow>& { return rows[static_cast<std::size_t>(t)]; };
    const Bytes csv = word_list_csv(table(ResultTable::WordFreq), table(ResultTable::BiGram), table(ResultTable::TriGram));
    return write_output("wordlist", csv) ? kSuccess : kBadInput;
  }
  if (args.size() < 3 || args[0] != "save") return usage_error();
  std::filesystem::path from = args[1];
  bool overwrite = false;
  for (std::size_t i = 3; i < args.size(); ++i) {
    if (args[i] == "--overwrite") overwrite = true;
    else if (args[i] == "--from" && i + 1 < args.size()) from = args[++i];
    else return usage_error();
  }
  if (const Status saved = WordListStore(args[1]).save(args[2], from, overwrite); !saved.ok()) {
    std::fprintf(stderr, "quilm-cli wordlist: %s\n", saved.message().c_str());
    return kBadInput;
  }
  return kSuccess;
}

}  // namespace quilm::cli
