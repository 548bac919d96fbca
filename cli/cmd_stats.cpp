// quilm-cli stats: "File Statistics" of a document file: characters with and
// without spaces, words, lines and pages, one "label<TAB>count" line each.
#include <cstdio>
#include <string>

#include "analysis/file_statistics.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "convert/file_types.h"
#include "editors/memory_editor.h"

namespace quilm::cli {
namespace {

void print_stats_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli stats FILE\n"
               "\n"
               "Loads the document (by its extension: .pbi, .rtf, .doc, .htm, else plain\n"
               "8-bit text) and prints the counts of the \"File Statistics\" window over\n"
               "its plain text: bytes with and without blanks and line breaks, words,\n"
               "lines and pages.\n");
}

}  // namespace

int run_stats(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    print_stats_usage(stdout);
    return kSuccess;
  }
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    print_stats_usage(stderr);
    return kUsage;
  }
  MemoryEditor editor;
  if (const Status loaded = editor.LoadFile(args[0], source_file_format(args[0])); !loaded.ok()) {
    std::fprintf(stderr, "quilm-cli stats: %s\n", loaded.message().c_str());
    return kBadInput;
  }
  const FileStatistics s = count_file_statistics(editor);
  const std::string out = "Characters (Including spaces)\t" + std::to_string(s.text.characters) +
                          "\nCharacters (Excluding spaces)\t" + std::to_string(s.text.characters_no_spaces) +
                          "\nWords\t" + std::to_string(s.text.words) + "\nLines\t" + std::to_string(s.lines) +
                          "\nPages\t" + std::to_string(s.pages) + "\n";
  return write_output("stats", out) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli
