// quilm-cli roman: Roman-letter Punjabi to Gurmukhi, as text (each line
// converted, every separator kept) or word by word (--words: one line in,
// one line out, the best spelling then the others after tabs, flushed at
// once so that another program can read it through a pipe).
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/font_option.h"
#include "cli/options.h"
#include "cli/roman_data_folder.h"
#include "encoding/pivot_bytes.h"
#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/conversion_context.h"
#include "fonts/font_index.h"
#include "fonts/registry.h"
#include "roman/queued_roman_text.h"
#include "roman/roman_data.h"
#include "roman/roman_rules.h"
#include "roman/roman_text.h"

namespace quilm::cli {
namespace {

constexpr char kAbout[] =
    "Reads Roman-letter Punjabi from standard input and writes it in Gurmukhi\n"
    "(UTF-8, or with --font the glyph bytes of a Gurmukhi font). Words are\n"
    "runs of the letters A-Z and a-z; every other character is kept, a full\n"
    "stop after a Punjabi word becoming a danda. Each word is looked up in the\n"
    "Roman dictionaries and ranked by the Roman statistics in the context of\n"
    "the words before it; a word no dictionary holds is spelled by the rules.";

constexpr char kFooter[] =
    "With --words each input line is one word (a line of several words is\n"
    "converted as text) and each output line holds the best spelling, then\n"
    "the further candidates, best first, separated by tabs. --explain writes\n"
    "instead, for each word, the Roman word and then, after tabs, each\n"
    "candidate with where it came from (abbreviation, dictionary, english,\n"
    "rules, generated) and its score. The data folder (--data) holds\n"
    "RomanGur.dbf, EnglishGur.DBF, Abbr.db, RomanGur/ and WList.txt; by default\n"
    "the current folder when it holds RomanGur.dbf, else the built data folder\n"
    "beside the program.";

struct Options {
  std::string font, data;
  bool words = false, explain = false, rules = false, simple = false, no_context = false, no_queue = false;
};

void declare_options(OptionParser& parser, Options& o) {
  parser.value("--font", "NAME", o.font, "write the glyph bytes of this Gurmukhi font");
  parser.value("--data", "DIR", o.data, "the data folder");
  parser.flag("--words", o.words, "one word per line, candidates after tabs");
  parser.flag("--explain", o.explain, "each candidate's origin and score");
  parser.flag("--rules", o.rules, "the rules alone, without the data folder");
  parser.flag("--simple", o.simple, "with --rules: the simple engine");
  parser.flag("--no-context", o.no_context, "rank each word without the words before it");
  parser.flag("--no-queue", o.no_queue, "do not decide words by the two words after them");
  parser.footer(kFooter);
}

// Pivot words and separators into the output encoding.
class OutputWriter {
 public:
  explicit OutputWriter(std::optional<int> font) : font_(font), converter_(context_) {}
  void word(BytesView pivot, Bytes& out) const {
    if (font_) out += converter_.conversion(pivot, font_index::kPivot, *font_, true);
    else append_utf8(GurToUnicode(pivot), out);
  }
  void separators(const RomanPiece& piece, Bytes& out) const {
    if (!piece.first_is_danda && !piece.first_is_full_stop) {
      out += piece.separators;
      return;
    }
    const char glyph = static_cast<char>(piece.first_is_danda ? pivot::kDanda : pivot::kFullStop);
    word(BytesView(&glyph, 1), out);
    out += BytesView(piece.separators).substr(1);
  }

 private:
  std::optional<int> font_;
  ConversionContext context_;
  FontConverter converter_;
};

class RomanRun {
 public:
  RomanRun(const Options& o, const RomanData* data, const OutputWriter& writer)
      : o_(o), data_(data), writer_(writer) {}

  Bytes line(std::string_view text) {
    if (o_.no_context) context_ = {};
    std::vector<RomanPiece> pieces;
    if (o_.rules) {
      pieces = by_rules(text);
    } else {
      const auto keep = [&](const RomanPiece& p) { pieces.push_back(p); };
      if (o_.no_queue) convert_roman_text(*data_, text, context_, keep);
      else convert_roman_text_queued(*data_, text, context_, keep);
    }
    if (o_.explain) return explained(pieces);
    Bytes out = joined(pieces, npos, 0);
    const std::size_t only = only_word(pieces);
    if (o_.words && only != npos)
      for (std::size_t k = 1; k < pieces[only].candidates.size(); ++k) out += '\t' + joined(pieces, only, k);
    return out;
  }

 private:
  static constexpr std::size_t npos = std::string::npos;

  std::vector<RomanPiece> by_rules(std::string_view text) const {
    std::vector<RomanPiece> pieces;
    RomanData none;
    RomanWordContext context;
    convert_roman_text(none, text, context, [&](const RomanPiece& p) {
      RomanPiece piece = p;
      if (!piece.roman.empty())
        piece.candidates = {{spell_roman_by_rules(piece.roman, o_.simple ? RomanEngine::Simple : RomanEngine::Full),
                             RomanOrigin::Rules, 0}};
      pieces.push_back(std::move(piece));
    });
    return pieces;
  }

  // The line with candidate k for the word at `index` and the best elsewhere.
  Bytes joined(const std::vector<RomanPiece>& pieces, std::size_t index, std::size_t k) const {
    Bytes out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (pieces[i].roman.empty()) writer_.separators(pieces[i], out);
      else if (!pieces[i].candidates.empty()) writer_.word(pieces[i].candidates[i == index ? k : 0].pivot, out);
    }
    return out;
  }

  static std::size_t only_word(const std::vector<RomanPiece>& pieces) {
    std::size_t found = npos;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (pieces[i].roman.empty()) continue;
      if (found != npos) return npos;
      found = i;
    }
    return found;
  }

  Bytes explained(const std::vector<RomanPiece>& pieces) const {
    Bytes out;
    for (const RomanPiece& p : pieces) {
      if (p.roman.empty()) continue;
      if (!out.empty()) out += '\n';
      out += p.roman;
      for (const RomanCandidate& c : p.candidates) {
        out += '\t';
        writer_.word(c.pivot, out);
        out += ' ' + std::string(origin_name(c.origin)) + ' ' + std::to_string(c.score);
      }
    }
    return out;
  }

  const Options& o_;
  const RomanData* data_;
  const OutputWriter& writer_;
  RomanWordContext context_;
};

int bad_input(const std::string& message) {
  std::fprintf(stderr, "quilm-cli roman: %s\n", message.c_str());
  return kBadInput;
}

// Reads standard input line by line and answers each line at once.
int run_lines(RomanRun& run) {
  std::string line;
  for (int c; (c = std::getc(stdin)) != EOF || !line.empty();) {
    if (c != EOF && c != '\n') {
      line += static_cast<char>(c);
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Bytes out = run.line(line);
    out += '\n';
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
      return bad_input("cannot write standard output");
    line.clear();
    if (c == EOF) break;
  }
  if (std::ferror(stdin)) return bad_input("cannot read standard input");
  return kSuccess;
}

}  // namespace

int run_roman(const Args& args) {
  Options options;
  OptionParser parser("roman", kAbout);
  declare_options(parser, options);
  if (const std::optional<int> status = parser.parse(args)) return *status;
  if (options.simple && !options.rules) return parser.usage_error("--simple goes with --rules");
  std::optional<int> font;
  if (!options.font.empty()) {
    const FontRegistry registry;
    font = resolve_font("roman", options.font, registry);
    if (!font) return kUsage;
  }
  auto data = std::make_unique<RomanData>();
  if (!options.rules) {
    std::vector<std::string> warnings;
    const std::filesystem::path folder = roman_data_folder(options.data);
    if (Status s = load_roman_data(folder, data.get(), &warnings); !s) return bad_input(s.message());
    for (const std::string& w : warnings) std::fprintf(stderr, "quilm-cli roman: warning: %s\n", w.c_str());
  }
  const OutputWriter writer(font);
  RomanRun run(options, data.get(), writer);
  return run_lines(run);
}

}  // namespace quilm::cli
