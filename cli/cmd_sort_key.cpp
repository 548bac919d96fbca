// quilm-cli sort-key: the Gurmukhi collation key of each input line, in
// hexadecimal ("C4 82"), one line out for each line in.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/gurmukhi_input.h"
#include "common/hex.h"
#include "sort/sort_key.h"

namespace quilm::cli {
namespace {

void print_sort_key_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli sort-key [--font FONT] [FILE]\n"
               "\n"
               "Reads a word per line (UTF-8, from FILE or standard input) and writes the\n"
               "Gurmukhi collation key of each as hexadecimal bytes: keys compared byte by\n"
               "byte give the Gurmukhi alphabetical order. An empty line has the empty key.\n"
               "\n"
               "  --font FONT  the input is in the bytes of a legacy font (a font name or a\n"
               "               font index; 9 is the pivot encoding)\n");
}

Bytes keys_in_hex(const GurmukhiInput& input, const GurmukhiOptions&) {
  Bytes out, key, work;
  for (const TextLine& line : input.pivot_lines) {
    key.clear();
    append_gurmukhi_sort_key(line.text, work, key);
    hex::append_bytes(key, out);
    out.push_back('\n');
  }
  return out;
}

}  // namespace

int run_sort_key(const Args& args) {
  return run_gurmukhi_command("sort-key", args, false, print_sort_key_usage, keys_in_hex);
}

}  // namespace quilm::cli
