// quilm-cli count-tables: the statistics tables of the data folder made from
// their compact UTF-8 sources (data/romangur/): WordFreq.db, BiGram.db and
// TriGram.db in the form the text analysis writes, and the trigram table of
// the Roman-to-Gurmukhi ranking.
#include <cstdio>
#include <optional>
#include <string>

#include "analysis/count_sources.h"
#include "analysis/result_tables.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "common/file_io.h"
#include "tables/schema_text.h"

namespace quilm::cli {
namespace {

constexpr char kUsageText[] =
    "usage: quilm-cli count-tables SOURCES TEMPLATES OUT TRIGRAM_SCHEMA TRIGRAM_TABLE\n"
    "\n"
    "Reads SOURCES/words.txt, pairs.txt and triples.txt (lines of UTF-8 words\n"
    "separated by blanks, a tab and a count) and writes OUT/WordFreq.db,\n"
    "OUT/BiGram.db and OUT/TriGram.db from the empty templates in TEMPLATES, the\n"
    "words in the pivot encoding with their collation keys, and TRIGRAM_TABLE\n"
    "(ppword, pword, word, Count) as a table of TRIGRAM_SCHEMA.\n";

int fail(const std::string& message) {
  std::fprintf(stderr, "quilm-cli count-tables: %s\n", message.c_str());
  return kBadInput;
}

}  // namespace

int run_count_tables(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kUsageText, stdout);
    return kSuccess;
  }
  if (args.size() != 5) {
    std::fputs(kUsageText, stderr);
    return kUsage;
  }
  const std::filesystem::path sources = args[0];
  std::vector<CountedWords> counted[3];
  const char* files[3] = {"words.txt", "pairs.txt", "triples.txt"};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::optional<Bytes> text = read_file(sources / files[i]);
    if (!text) return fail("cannot read " + (sources / files[i]).string());
    if (const Status read = read_counts(*text, i + 1, counted[i]); !read.ok())
      return fail((sources / files[i]).string() + ": " + read.message());
  }
  const FrequencyResults results = results_from_counts(counted[0], counted[1], counted[2]);
  std::filesystem::create_directories(args[2]);
  if (const Status written = write_result_tables(
          results, {ResultTable::WordFreq, ResultTable::BiGram, ResultTable::TriGram}, args[1], args[2]);
      !written.ok())
    return fail(written.message());
  const std::optional<Bytes> schema_text = read_file(args[3]);
  TableSchema schema;
  if (!schema_text) return fail("cannot read " + args[3]);
  if (const Status parsed = parse_table_schema(*schema_text, &schema); !parsed.ok())
    return fail(args[3] + ": " + parsed.message());
  if (const Status written = write_trigram_table(results, schema, args[4]); !written.ok()) return fail(written.message());
  return kSuccess;
}

}  // namespace quilm::cli
