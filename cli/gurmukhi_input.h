// The input of the subcommands that order or key Gurmukhi lines: UTF-8 text,
// or with --font NAME the bytes of a legacy font, read whole with its pivot
// form beside it, line for line.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "common/bytes.h"
#include "sort/collation_order.h"
#include "sort/text_lines.h"

namespace quilm::cli {

struct GurmukhiInput {
  Bytes text;   // as read
  Bytes pivot;  // its pivot form
  std::vector<TextLine> lines;        // of text
  std::vector<TextLine> pivot_lines;  // of pivot, as many
};

// `font` is the --font argument (empty: UTF-8). False after a one-line
// message on stderr when the input cannot be read, is not UTF-8, or the font
// is no font index. The lines view the texts of `input`, which is filled in
// place so that they stay valid.
bool read_gurmukhi_input(const char* command, const std::string& file, const std::string& font, GurmukhiInput& input);

// The arguments these subcommands share: [--font FONT] [FILE], and with
// `ordering` also --reverse and --unique.
struct GurmukhiOptions {
  std::string font, file;
  CollationOrder how;
  bool help = false;
};

// Runs such a subcommand: a usage error prints `usage` on stderr and gives
// 2, --help prints it on stdout and gives 0; otherwise the input is read and
// `body` makes the output, which goes to standard output.
using GurmukhiBody = Bytes (*)(const GurmukhiInput& input, const GurmukhiOptions& options);
int run_gurmukhi_command(const char* command, const Args& args, bool ordering, void (*usage)(std::FILE*),
                         GurmukhiBody body);

}  // namespace quilm::cli
