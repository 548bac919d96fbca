// quilm-cli normalise: brings pivot words to the spelling under which the
// word lists hold them (convert_for_gurmukhi), one word per line or every
// space-separated word of a line.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "common/bytes.h"
#include "common/hex.h"
#include "encoding/lookup_normalisation.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Reads pivot text (font index 9) from standard input and writes each word\n"
    "in its lookup spelling (convert_for_gurmukhi). Words are separated by\n"
    "spaces; each is normalised on its own.";

struct Options {
  bool hex = false, changed = false;
};

void declare_options(OptionParser& parser, Options& o) {
  parser.flag("--hex", o.hex,
              "each line is one word as space-separated hexadecimal bytes,\n"
              "in and out");
  parser.flag("--changed", o.changed,
              "after each word a tab and whether the cleaning passes changed\n"
              "it: 1, 0, or - for a one-byte word (which they do not look at)");
}

void append_word(BytesView word, const Options& o, Bytes& out) {
  const LookupForm form = convert_for_gurmukhi(word);
  if (o.hex) hex::append_bytes(form.word, out);
  else out += form.word;
  if (o.changed) out += form.changed ? (*form.changed ? "\t1" : "\t0") : "\t-";
}

// Every space-separated word of a line; the spaces stay as they are.
void append_line_of_words(BytesView line, const Options& o, Bytes& out) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && line[i] != ' ') continue;
    if (i > start) append_word(line.substr(start, i - start), o, out);
    if (i < line.size()) out.push_back(' ');
    start = i + 1;
  }
}

}  // namespace

int run_normalise(const Args& args) {
  Options options;
  OptionParser parser("normalise", kAbout);
  declare_options(parser, options);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  Bytes input;
  char buffer[1 << 16];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) input.append(buffer, got);
  if (std::ferror(stdin)) {
    std::fprintf(stderr, "quilm-cli normalise: cannot read standard input\n");
    return kBadInput;
  }
  Bytes out;
  std::size_t number = 0;
  for (std::size_t start = 0; start < input.size();) {
    const std::size_t lf = input.find('\n', start);
    const std::size_t end = lf == Bytes::npos ? input.size() : lf;
    BytesView line = BytesView(input).substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    if (options.hex) {
      const std::optional<Bytes> word = hex::parse_bytes(line);
      if (!word) {
        std::fprintf(stderr, "quilm-cli normalise: line %zu: not a list of hexadecimal bytes\n", number);
        return kBadInput;
      }
      append_word(*word, options, out);
    } else {
      append_line_of_words(line, options, out);
    }
    if (lf != Bytes::npos) out.push_back('\n');
    start = end + 1;
  }
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "quilm-cli normalise: cannot write standard output\n");
    return kBadInput;
  }
  return kSuccess;
}

}  // namespace quilm::cli
