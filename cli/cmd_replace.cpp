// quilm-cli replace: Replace All of the "Find -Replace" window on a text
// file: every occurrence of the find text (with --similar, also of its
// spelling variants) replaced, the count on standard error.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/input_output.h"
#include "cli/options.h"
#include "cli/search_args.h"
#include "cli/text_document.h"
#include "common/file_io.h"
#include "dict/find_replace.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Replaces every occurrence of X in FILE (\"-\" or none: standard input) by Y\n"
    "and writes the text to standard output, as sed does; with --in-place\n"
    "FILE itself is rewritten instead, crash-safely (a new file renamed over\n"
    "it, so an interruption leaves the old file or the new one). The number\n"
    "of replacements goes to standard error as \"N replaced\". X and Y are\n"
    "UTF-8; their Gurmukhi is written in the file's font. The line breaks of\n"
    "the text are written back as its first one. Occurrences equal to Y are\n"
    "left alone, so that --similar with Y equal to X brings every variant to\n"
    "one spelling; without --similar equal texts are refused.";

}  // namespace

int run_replace(const Args& args) {
  SearchArgs search;
  std::string find_arg, replace_arg, file;
  bool in_place = false;
  OptionParser parser("replace", kAbout);
  parser.value("--find", "X", find_arg, "the text to find", Need::Required);
  parser.value("--replace", "Y", replace_arg, "the text to put in its place (may be empty)", Need::Required);
  declare_search_options(parser, search);
  parser.flag("--in-place", in_place, "rewrite FILE instead of writing to standard output");
  parser.positional("FILE", file, Need::Optional);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  if (in_place && (file.empty() || file == "-")) return parser.usage_error("--in-place needs a FILE");
  if (find_arg.empty()) return parser.usage_error("the find text is empty");
  const std::optional<SearchText> find = typed_text("replace", find_arg);
  const std::optional<SearchText> replace = typed_text("replace", replace_arg);
  if (!find || !replace) return kBadInput;

  const FontRegistry registry;
  ConversionContext context;
  const FontConverter converter(context);
  TextDocument doc;
  if (!doc.use_font("replace", search.font, registry) || !doc.load("replace", file, registry)) return kBadInput;
  FindReplace finder(doc.editor(), registry, converter);
  finder.SetSearch(*find, *replace, find_options(search));
  if (finder.SameTexts()) {
    std::fprintf(stderr, "quilm-cli replace: %s\n", std::string(kSameFindReplace).c_str());
    return kBadInput;
  }
  const int count = finder.ReplaceAll();
  const Bytes out = doc.text();
  if (in_place) {
    if (const Status written = write_file_atomically(file, out); !written) {
      std::fprintf(stderr, "quilm-cli replace: %s\n", written.message().c_str());
      return kBadInput;
    }
  } else if (!write_output("replace", out)) {
    return kBadInput;
  }
  std::fprintf(stderr, "%d replaced\n", count);
  return kSuccess;
}

}  // namespace quilm::cli
