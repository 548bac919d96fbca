// quilm-cli as a whole: the subcommands it lists, the usage each prints for
// --help, and the usage errors that every subcommand reads the same way.
#include <gtest/gtest.h>

#include <set>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

// Every subcommand, with the words that reach its options (table reads
// them after a verb).
using Words = std::vector<std::string>;
const std::vector<Words> kSubcommands = {
    {"version"},      {"font-index"},    {"fonts"},     {"convert"}, {"convert-doc"},
    {"convert-file"}, {"table", "dump"}, {"normalise"}, {"type"},    {"glyph-map"},
    {"find"},         {"replace"},       {"import-table"}, {"roman"},       {"roman-table"},
    {"roman-add"},    {"pad"},
    {"dict", "pa-en"}, {"dict", "en-pa"},
    {"dict", "build"}, {"dict", "new"},   {"dict", "add"}, {"dict", "list"},
    {"affix"},         {"admin-term"},    {"options", "show"},
};

// The language tools' subcommands, whose program tests live beside their
// other tests (tests/spell, tests/sort, tests/analysis, tests/translit). They
// still read their arguments with loops of their own, so the checks of the
// common option parser below do not take them yet.
const std::vector<std::string> kLanguageToolSubcommands = {
    "spell",    "translit", "samples", "roman-exceptions", "sort-key",     "sort",
    "sort-table", "analyse", "concordance", "stats",       "count-tables", "wordlist",
};

TEST(CliSubcommands, HelpListsEverySubcommandThisTestKnows) {
  const ProgramRun run = run_cli({"--help"});
  EXPECT_EQ(run.status, kOk);
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.out.starts_with("usage: quilm-cli SUBCOMMAND")) << run.out;
  std::set<std::string> known(kLanguageToolSubcommands.begin(), kLanguageToolSubcommands.end());
  for (const Words& s : kSubcommands) known.insert(s[0]);
  // A new subcommand fails here until its program tests are added.
  EXPECT_EQ(listed_subcommands(), known);
}

TEST(CliSubcommands, EachPrintsItsUsageForHelp) {
  for (const Words& s : kSubcommands) {
    for (const char* help : {"--help", "-h"}) {
      Words args = s;
      args.push_back(help);
      SCOPED_TRACE(args[0] + " " + help);
      const ProgramRun run = run_cli(args);
      EXPECT_EQ(run.status, kOk) << run.err;
      EXPECT_TRUE(run.out.starts_with("usage: quilm-cli " + s[0])) << run.out;
      EXPECT_EQ(run.err, "");
    }
  }
}

TEST(CliSubcommands, EachRefusesAnUnknownOption) {
  TempDir dir;
  std::vector<CliCase> cases;
  for (const Words& s : kSubcommands) {
    Words args = s;
    args.push_back("--no-such-option");
    cases.push_back({.label = "unknown option", .args = args, .status = kUsage,
                     .err = "unknown option \"--no-such-option\""});
  }
  expect_cli_cases(cases, dir);
}

TEST(CliSubcommands, ArgumentsAreReadTheSameWayEverywhere) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "a value after an equals sign",
       .args = {"convert", "--from=AnmolLipi", "--to=unicode"}, .input = "pMjwbI\n",
       .out = "\u0A2A\u0A70\u0A1C\u0A3E\u0A2C\u0A40\n"},
      {.label = "--help wins over a fault before it", .args = {"convert", "--no-such-option", "--help"}},
      {.label = "after -- an argument that starts with - is a name",
       .args = {"font-index", "--", "-h"}, .out = "30\n"},
      {.label = "an option without its value", .args = {"convert", "--to", "unicode", "--from"},
       .status = kUsage, .err = "--from needs a value"},
      {.label = "an empty value after an equals sign", .args = {"convert", "--from=", "--to", "unicode"},
       .status = kUsage, .err = "--from needs a value"},
      {.label = "a value given to a flag", .args = {"normalise", "--hex=yes"}, .status = kUsage,
       .err = "--hex takes no value"},
      {.label = "a required option missing", .args = {"convert", "--from", "AnmolLipi"}, .status = kUsage,
       .err = "--to FONT is required"},
      {.label = "required options and files missing", .args = {"convert-doc"}, .status = kUsage,
       .err = "--from FONT|auto, --to FONT|unicode, IN and OUT are required"},
      {.label = "one argument too many", .args = {"fonts", "all"}, .status = kUsage,
       .err = "unexpected argument \"all\""},
      {.label = "version takes no argument", .args = {"version", "long"}, .status = kUsage,
       .err = "unexpected argument \"long\""},
      {.label = "no subcommand", .args = {}, .status = kUsage, .err = "a subcommand is needed"},
      {.label = "an unknown subcommand", .args = {"transliterate"}, .status = kUsage,
       .err = "unknown subcommand \"transliterate\""},
      {.label = "an option before the subcommand", .args = {"--verbose", "fonts"}, .status = kUsage,
       .err = "unknown subcommand \"--verbose\""},
  };
  // The usage is long; a usage error points to it instead of printing it.
  expect_cli_cases(cases, dir);
}

TEST(CliSubcommands, UsageListsTheOptionsWithTheirExplanations) {
  const ProgramRun run = run_cli({"normalise", "--help"});
  EXPECT_EQ(run.out,
            "usage: quilm-cli normalise [--hex] [--changed]\n"
            "\n"
            "Reads pivot text (font index 9) from standard input and writes each word\n"
            "in its lookup spelling (convert_for_gurmukhi). Words are separated by\n"
            "spaces; each is normalised on its own.\n"
            "\n"
            "  --hex      each line is one word as space-separated hexadecimal bytes,\n"
            "             in and out\n"
            "  --changed  after each word a tab and whether the cleaning passes changed\n"
            "             it: 1, 0, or - for a one-byte word (which they do not look at)\n");
}

}  // namespace
}  // namespace quilm::test
