// quilm-cli analyse: the frequency analysis of files ("Generate Word
// Lists"): words, characters, word pairs and triples, statistics and word
// positions as tab-separated rows in the fields' order of their tables.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "analysis/frequency_analysis.h"
#include "analysis/frequency_options.h"
#include "analysis/result_rows.h"
#include "analysis/result_tables.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/font_option.h"
#include "common/hex.h"
#include "cli/input_output.h"
#include "fonts/registry.h"

namespace quilm::cli {
namespace {

void print_analyse_usage(std::FILE* out) {
  std::fprintf(out,
               "usage: quilm-cli analyse [TABLES] [--font FONT | --iscii] [--english]\n"
               "                         [--bigram-threshold N] [--trigram-threshold N]\n"
               "                         [--min-length N] [--max-length N] [--min-count N] [--max-count N]\n"
               "                         FILE...\n"
               "\n"
               "Counts the words of the files (UTF-8 unless --font or --iscii) and prints\n"
               "the tables asked for, each as a header line of its field names and one\n"
               "tab-separated line per row; collation keys are printed in hexadecimal.\n"
               "Words are counted as they stand; words whose Gurmukhi collation keys are\n"
               "equal count as one. Past 100000 words, pairs and triples seen once are\n"
               "dropped. Tables are separated by an empty line. Files that name their\n"
               "fonts (.pbi, .rtf, .htm, .doc) are read run by run, their words in the\n"
               "first Gurmukhi font of the first file (or --font).\n"
               "\n"
               "TABLES (--words when none is given):\n"
               "  --words       WordFreq: Word SortKey Length Frequency occurance percentage\n"
               "  --chars       CharFreq: Character SortKey Frequency percentage\n"
               "  --bigrams     BiGram: Count word pword sortw psortw\n"
               "  --trigrams    TriGram: Count word pword ppword sortw psortw ppsortw\n"
               "  --positions   WordPos: Word Pos WIndex FileIndex (a single file only)\n"
               "  --stats       Stats: Label Stats\n"
               "\n"
               "  --font FONT   the files are in a legacy font (a font name or index)\n"
               "  --iscii       the files are ISCII\n"
               "  --english     English text: Latin letters, keyed by their bytes\n"
               "  --bigram-threshold N, --trigram-threshold N\n"
               "                write only pairs (triples) seen more than N times (0)\n"
               "  --min-length N, --max-length N, --min-count N, --max-count N\n"
               "                print only the words of this length and frequency, as\n"
               "                \"Frequency Options\" filters the word table; a bound not\n"
               "                given is the window's (1, 30, 1, 100000). The written\n"
               "                tables and the statistics keep every word\n"
               "  --tables DIR  also write the program's result tables (WordFreq.db,\n"
               "                CharFreq.db, BiGram.db, TriGram.db, WordPos.db, Stats.db)\n"
               "                into DIR, each from its empty template in DIR/Dict/\n"
               "                (or in --templates DIR2); nothing is written when a\n"
               "                template is damaged\n");
}

struct Options {
  std::vector<ResultTable> tables;
  std::vector<std::filesystem::path> files;
  std::string font;
  std::filesystem::path tables_folder, templates;
  bool iscii = false, english = false, help = false;
  bool filtered = false;  // a length or count bound was given
  FrequencyOptions settings;
};

// The options that set a box of "Frequency Options".
constexpr std::pair<const char*, FrequencyOption> kSettingOptions[] = {
    {"--min-length", FrequencyOption::MinLength},
    {"--max-length", FrequencyOption::MaxLength},
    {"--min-count", FrequencyOption::MinFrequency},
    {"--max-count", FrequencyOption::MaxFrequency},
    {"--bigram-threshold", FrequencyOption::BigramThreshold},
    {"--trigram-threshold", FrequencyOption::TrigramThreshold}};

std::optional<FrequencyOption> setting_option(const std::string& argument) {
  for (const auto& [name, option] : kSettingOptions)
    if (argument == name) return option;
  return std::nullopt;
}

bool is_filter_option(FrequencyOption option) {
  return option != FrequencyOption::BigramThreshold && option != FrequencyOption::TrigramThreshold;
}

std::optional<Options> parse_options(const Args& args) {
  static const std::pair<const char*, ResultTable> kTableOptions[] = {
      {"--words", ResultTable::WordFreq}, {"--chars", ResultTable::CharFreq},  {"--bigrams", ResultTable::BiGram},
      {"--trigrams", ResultTable::TriGram}, {"--positions", ResultTable::WordPos}, {"--stats", ResultTable::Stats}};
  Options o;
  FrequencyOptionTexts settings = frequency_option_texts(o.settings);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool known = false;
    for (const auto& [name, table] : kTableOptions)
      if (a == name) {
        o.tables.push_back(table);
        known = true;
      }
    if (known) continue;
    if (a == "--help" || a == "-h") o.help = true;
    else if (a == "--iscii") o.iscii = true;
    else if (a == "--english") o.english = true;
    else if (a == "--font" && i + 1 < args.size()) o.font = args[++i];
    else if (a == "--tables" && i + 1 < args.size()) o.tables_folder = args[++i];
    else if (a == "--templates" && i + 1 < args.size()) o.templates = args[++i];
    else if (const std::optional<FrequencyOption> setting = setting_option(a); setting && i + 1 < args.size()) {
      settings[static_cast<std::size_t>(*setting)] = args[++i];
      o.filtered = o.filtered || is_filter_option(*setting);
    } else if (!a.empty() && a[0] != '-') o.files.emplace_back(a);
    else {
      std::fprintf(stderr, "quilm-cli analyse: unexpected argument \"%s\"\n", a.c_str());
      return std::nullopt;
    }
  }
  if (const Status read = read_frequency_options(settings, o.settings); !read.ok()) {
    std::fprintf(stderr, "quilm-cli analyse: %s\n", read.message().c_str());
    return std::nullopt;
  }
  if (!o.help && o.files.empty()) {
    std::fprintf(stderr, "quilm-cli analyse: no file to analyse\n");
    return std::nullopt;
  }
  if (o.tables.empty()) o.tables.push_back(ResultTable::WordFreq);
  return o;
}

void append_field(const FieldValue& value, bool key, Bytes& out) {
  if (key) hex::append_bytes(value.as_text(), out);
  else out += value.as_text();
}

void append_table(const FrequencyResults& results, ResultTable table, Bytes& out) {
  const ResultTableShape& shape = result_table_shape(table);
  for (std::size_t i = 0; i < shape.fields.size(); ++i) (out += i ? "\t" : "") += shape.fields[i].name;
  out.push_back('\n');
  for_each_result_row(results, table, [&](const ResultRow& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i) out.push_back('\t');
      append_field(row[i], shape.fields[i].key, out);
    }
    out.push_back('\n');
  });
}

}  // namespace

int run_analyse(const Args& args) {
  const std::optional<Options> options = parse_options(args);
  if (!options || options->help) {
    print_analyse_usage(options ? stdout : stderr);
    return options ? kSuccess : kUsage;
  }
  AnalysisRequest request;
  request.files = options->files;
  request.thresholds = options->settings.thresholds;
  request.reading.english = options->english;
  request.font_name = options->english ? "Arial" : "Unicode";
  const FontRegistry registry;
  request.fonts = &registry;  // files that name their fonts are read through an editor
  if (options->iscii) {
    request.reading.kind = TextKind::Iscii;
    request.font_name = "Quilm2010R";
  } else if (!options->font.empty()) {
    const std::optional<int> font = resolve_font("analyse", options->font, registry);
    if (!font) return kBadInput;
    request.reading = {TextKind::Legacy, *font, options->english};
    request.font_name = options->font;
    request.font_chosen = true;
  }
  ConversionContext context;
  const FontConverter converter(context);
  AnalysisOutcome outcome;
  if (const Status status = run_frequency_analysis(request, converter, outcome); !status.ok()) {
    std::fprintf(stderr, "quilm-cli analyse: %s\n", status.message().c_str());
    return kBadInput;
  }
  if (!options->tables_folder.empty()) {
    const std::filesystem::path templates =
        options->templates.empty() ? options->tables_folder / "Dict" : options->templates;
    // WordPos.db is written empty when positions were not kept, so that no
    // earlier analysis's positions stay beside these tables.
    const std::vector<ResultTable> tables(kResultTables.begin(), kResultTables.end());
    if (const Status written = write_result_tables(outcome.results, tables, templates, options->tables_folder);
        !written.ok()) {
      std::fprintf(stderr, "quilm-cli analyse: %s\n", written.message().c_str());
      return kBadInput;
    }
  }
  if (options->filtered) filter_words(outcome.results, options->settings.filter);
  Bytes out;
  for (std::size_t i = 0; i < options->tables.size(); ++i) {
    if (i) out.push_back('\n');
    append_table(outcome.results, options->tables[i], out);
  }
  return write_output("analyse", out) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli
