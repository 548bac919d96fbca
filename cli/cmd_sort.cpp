// quilm-cli sort: the lines of a file in Gurmukhi alphabetical order, as
// "Sort File" orders them, written to standard output as they stood.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/gurmukhi_input.h"
#include "sort/sort_file.h"

namespace quilm::cli {
namespace {

void print_sort_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli sort [--reverse] [--unique] [--font FONT] [FILE]\n"
               "\n"
               "Writes the lines of FILE (or standard input), UTF-8, in Gurmukhi order:\n"
               "ੳ ਅ ੲ ਸ ਹ ਕ ਖ ..., a letter before the same letter with a vowel sign, the\n"
               "signs in the order ਾ ਿ ੀ ੁ ੂ ੇ ੈ ੋ ੌ, nasal marks deciding last. Blanks,\n"
               "hyphens and punctuation do not count. Lines that order equally are ordered\n"
               "by their bytes. Every line ends with a line break.\n"
               "\n"
               "  --reverse    descending order\n"
               "  --unique     of lines that order equally, only the first\n"
               "  --font FONT  the input is in the bytes of a legacy font (a font name or a\n"
               "               font index; 9 is the pivot encoding)\n");
}

Bytes sorted_lines(const GurmukhiInput& input, const GurmukhiOptions& options) {
  return sort_lines_by_pivot(input.lines, input.pivot_lines, options.how);
}

}  // namespace

int run_sort(const Args& args) {
  return run_gurmukhi_command("sort", args, true, print_sort_usage, sorted_lines);
}

}  // namespace quilm::cli
