// quilm-cli analyse, concordance and stats, run as programs.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/support/cli_run.h"

namespace quilm::test {
namespace {

ProgramRun cli(const TempDir& dir, const std::string& arguments) { return run_program(dir, QUILM_CLI, arguments); }

TEST(AnalysisCli, TablesAsTabSeparatedRows) {
  TempDir dir;
  dir.write("t.txt", "ਕਰ ਘਰ ਕਰ\n");
  const std::string file = (dir / "t.txt").string();
  struct Case {
    const char* label;
    std::string arguments;
    const char* output;
  };
  const Case cases[] = {
      {"words by default", "analyse " + file,
       "Word\tSortKey\tLength\tFrequency\toccurance\tpercentage\n"
       "ਕਰ\t9E BC\t2\t2\t1\t66.666667\nਘਰ\tA3 BC\t2\t1\t2\t33.333333\n"},
      {"pairs, then triples", "analyse --bigrams --trigrams " + file,
       "Count\tword\tpword\tsortw\tpsortw\n1\tਘਰ\tਕਰ\tA3 BC\t9E BC\n1\tਕਰ\tਘਰ\t9E BC\tA3 BC\n\n"
       "Count\tword\tpword\tppword\tsortw\tpsortw\tppsortw\n1\tਕਰ\tਘਰ\tਕਰ\t9E BC\tA3 BC\t9E BC\n"},
      {"positions", "analyse --positions " + file,
       "Word\tPos\tWIndex\tFileIndex\nਕਰ\t0\t1\t1\nਘਰ\t7\t1\t1\nਕਰ\t14\t2\t1\n"},
      {"concordance", "concordance ਘਰ " + file, "7\tਕਰ \tਘਰ\t ਕਰ\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ProgramRun run = cli(dir, c.arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.output);
  }
}

TEST(AnalysisCli, LengthAndCountBoundsFilterThePrintedWordsOnly) {
  TempDir dir;
  dir.write("t.txt", "ਕਰ ਘਰ ਕਰ ਜਲਥਲ ਕਰ ਘਰ\n");
  const std::string file = (dir / "t.txt").string();
  struct Case {
    const char* label;
    std::string arguments;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"no bound: every word", "", {"ਕਰ", "ਘਰ", "ਜਲਥਲ"}},
      {"at least twice", "--min-count 2", {"ਕਰ", "ਘਰ"}},
      {"both count bounds", "--min-count 2 --max-count 2", {"ਘਰ"}},
      {"longer words", "--min-length 3", {"ਜਲਥਲ"}},
      {"shorter words", "--max-length 2", {"ਕਰ", "ਘਰ"}},
      {"nothing left", "--min-length 5 --max-length 9", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ProgramRun run = cli(dir, "analyse --words --stats " + c.arguments + " " + file);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> words;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line) && !line.empty()) words.push_back(line.substr(0, line.find('\t')));
    EXPECT_EQ(words, c.words);
    EXPECT_NE(run.out.find("Distinct Words\t3\n"), std::string::npos) << "the statistics count every word";
  }
}

TEST(AnalysisCli, PairAndTripleThresholds) {
  TempDir dir;
  dir.write("t.txt", "ਕਰ ਘਰ ਕਰ ਘਰ ਕਰ ਜਲ\n");  // ਕਰ ਜਲ, ਘਰ ਕਰ ਘਰ and ਘਰ ਕਰ ਜਲ are seen once
  const std::string file = (dir / "t.txt").string();
  const ProgramRun run = cli(dir, "analyse --bigrams --trigrams --bigram-threshold 1 --trigram-threshold 1 " + file);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Count\tword\tpword\tsortw\tpsortw\n2\tਘਰ\tਕਰ\tA3 BC\t9E BC\n2\tਕਰ\tਘਰ\t9E BC\tA3 BC\n\n"
            "Count\tword\tpword\tppword\tsortw\tpsortw\tppsortw\n2\tਕਰ\tਘਰ\tਕਰ\t9E BC\tA3 BC\t9E BC\n");
}

TEST(AnalysisCli, AnRtfFileIsReadByItsRunsInItsGurmukhiFont) {
  TempDir dir;
  dir.write("t.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 AnmolLipi;}{\\f1 Arial;}}\\f1 Hello \\f0 pMjwb kw pMjwb\\par}");
  const ProgramRun run = cli(dir, "analyse --stats " + (dir / "t.rtf").string());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Total Words\t3\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Font\tAnmolLipi\n"), std::string::npos) << "Hello is no Gurmukhi word";
}

TEST(AnalysisCli, WordListCsvOfAFolderAndOfADamagedTable) {
  TempDir dir;
  const ProgramRun empty = cli(dir, "wordlist csv " + dir.path().string());
  EXPECT_EQ(empty.status, 0) << empty.err;
  EXPECT_EQ(empty.out,
            "Word,Frequency,Percentage Frequency\r\n\r\n\r\n"
            "BIGRAM ANALYSIS\r\n---------------\r\nFirstWord,SecondWord,Count\r\n\r\n\r\n"
            "TRIGRAM ANALYSIS\r\n---------------\r\nFirstWord,SecondWord,ThirdWord,Count\r\n");
  dir.write("WordFreq.db", "not a table");
  const ProgramRun damaged = cli(dir, "wordlist csv " + dir.path().string());
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.err.find("WordFreq.db"), std::string::npos) << damaged.err;
  EXPECT_TRUE(damaged.out.empty());
}

TEST(AnalysisCli, StatsOfAnEmptyFileAreZero) {
  TempDir dir;
  dir.write("e.txt", "");
  const ProgramRun run = cli(dir, "stats " + (dir / "e.txt").string());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Characters (Including spaces)\t0\nCharacters (Excluding spaces)\t0\nWords\t0\nLines\t1\nPages\t1\n");
}

TEST(AnalysisCli, ExitStatus) {
  TempDir dir;
  const std::string missing = (dir / "none.txt").string();
  struct Case {
    const char* label;
    std::string arguments;
    int status;
  };
  const Case cases[] = {
      {"missing file", "analyse " + missing, 1},
      {"missing file of stats", "stats " + missing, 1},
      {"missing file of concordance", "concordance ਘਰ " + missing, 1},
      {"no file", "analyse --words", 2},
      {"threshold not a number", "analyse --bigram-threshold x " + missing, 2},
      {"empty bound", "analyse --min-count '' " + missing, 2},
      {"negative bound", "analyse --max-length -3 " + missing, 2},
      {"bounds crossed", "analyse --min-length 9 --max-length 2 " + missing, 2},
      {"help", "analyse --help", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(cli(dir, c.arguments).status, c.status);
  }
}

}  // namespace
}  // namespace quilm::test
