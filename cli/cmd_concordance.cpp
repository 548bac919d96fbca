// quilm-cli concordance: every occurrence of a word in files with the text
// around it, as a KWIC index: "position<TAB>before<TAB>word<TAB>after",
// with the file name first when there are several files.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "analysis/concordance.h"
#include "analysis/frequency_analysis.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/font_option.h"
#include "cli/input_output.h"
#include "encoding/utf16.h"
#include "fonts/registry.h"
#include "fonts/text_conversion.h"

namespace quilm::cli {
namespace {

void print_concordance_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli concordance [--font FONT] WORD FILE...\n"
               "\n"
               "Lists every occurrence of WORD (as it stands, given in UTF-8) in the files\n"
               "with up to 75 bytes of text on each side, line breaks left out:\n"
               "position, text before, the word, text after, separated by tabs (with\n"
               "the file first when there are several files). With --font the files are in\n"
               "that legacy font and WORD is looked for in its bytes.\n");
}

struct Options {
  std::string font, word;
  std::vector<std::filesystem::path> files;
  bool help = false;
};

std::optional<Options> parse_options(const Args& args) {
  Options o;
  bool have_word = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") o.help = true;
    else if (a == "--font" && i + 1 < args.size()) o.font = args[++i];
    else if (!a.empty() && a[0] != '-' && !have_word) {
      o.word = a;
      have_word = true;
    } else if (!a.empty() && a[0] != '-') o.files.emplace_back(a);
    else {
      std::fprintf(stderr, "quilm-cli concordance: unexpected argument \"%s\"\n", a.c_str());
      return std::nullopt;
    }
  }
  if (!o.help && o.files.empty()) {
    std::fprintf(stderr, "quilm-cli concordance: a word and at least one file are needed\n");
    return std::nullopt;
  }
  return o;
}

// The word in the bytes the files hold.
std::optional<Bytes> word_as_written(const Options& o, TextReading& reading, const FontConverter& converter) {
  if (o.font.empty()) return o.word;
  const FontRegistry registry;
  const std::optional<int> font = resolve_font("concordance", o.font, registry);
  const std::optional<std::u16string> unicode = from_utf8(o.word);
  if (!font || !unicode) return std::nullopt;
  reading = {TextKind::Legacy, *font, false};
  const std::u16string glyphs = unicode_text_to_legacy(*unicode, *font, converter);
  return Bytes(glyphs.begin(), glyphs.end());
}

}  // namespace

int run_concordance(const Args& args) {
  const std::optional<Options> options = parse_options(args);
  if (!options || options->help) {
    print_concordance_usage(options ? stdout : stderr);
    return options ? kSuccess : kUsage;
  }
  ConversionContext context;
  const FontConverter converter(context);
  TextReading reading;
  const std::optional<Bytes> word = word_as_written(*options, reading, converter);
  if (!word) {
    std::fprintf(stderr, "quilm-cli concordance: the word cannot be written in that font\n");
    return kBadInput;
  }
  Bytes out;
  for (const std::filesystem::path& file : options->files) {
    AnalysisOutcome outcome;
    if (const Status status = run_frequency_analysis({{file}, reading, {}, ""}, converter, outcome); !status.ok()) {
      std::fprintf(stderr, "quilm-cli concordance: %s\n", status.message().c_str());
      return kBadInput;
    }
    const auto lines = concordance(outcome.analysed_text, *word, positions_of(outcome.results, *word),
                                   reading.kind == TextKind::Utf8);
    for (const ConcordanceLine& line : lines) {
      if (options->files.size() > 1) (out += file.string()) += '\t';
      out += std::to_string(line.position) + '\t' + line.first + '\t' + line.second + '\t' + line.third + '\n';
    }
  }
  return write_output("concordance", out) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli
