// quilm-cli version, fonts, font-index and glyph-map as programs: what they
// print about the program and its font encodings.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

// The lines of `text` that start with `start`.
std::vector<std::string> lines_starting(const std::string& text, const std::string& start) {
  std::vector<std::string> found;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with(start)) found.push_back(line);
  return found;
}

TEST(CliFontListing, VersionAndFontIndex) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "version", .args = {"version"}, .out = "Quilm 2010 language core 0.1\n"},
      {.label = "names compare exactly, trailing blank included",
       .args = {"font-index", "AnmolLipi", "Ekta ", "Ekta", "anmollipi"}, .out = "2\n7\n30\n30\n"},
      {.label = "no name", .args = {"font-index"}, .status = kUsage, .err = "NAME is required"},
  };
  expect_cli_cases(cases, dir);
}

TEST(CliFontListing, FontsListsEachEncodingOnce) {
  const ProgramRun run = run_cli({"fonts"});
  ASSERT_EQ(run.status, kOk) << run.err;
  EXPECT_EQ(run.err, "");
  // The index, the stem, reader, writer, what conversion does, then the font names.
  const struct {
    const char* index;
    const char* start;
  } expected[] = {
      {"2\t", "2\tanmollipi\tanmollipi_to_gur\tgur_to_anmollipi\tconverts\tAnmolLipi\tAnmolKalmi\t"},
      {"9\t", "9\t-\t-\t-\tneeds no converting\tGurmukhiLys 020\t"},
      {"30\t", "30\t-\t-\t-\tpasses unchanged\t(not supported"},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.index);
    const std::vector<std::string> lines = lines_starting(run.out, e.index);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].starts_with(e.start)) << lines[0];
  }
}

TEST(CliFontListing, GlyphMapOfOneEncoding) {
  const ProgramRun run = run_cli({"glyph-map", "2"});
  ASSERT_EQ(run.status, kOk) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(lines_starting(run.out, "encoding\t"), std::vector<std::string>{"encoding\t2\tanmollipi"});
  const std::vector<std::string> names = lines_starting(run.out, "name\t");
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), "name\t2\tAnmolLipi");
  // A is the carrier of the A-series: pivot 6E, a vowel carrier, U+0A05.
  EXPECT_EQ(lines_starting(run.out, "byte\t2\t41\t"),
            std::vector<std::string>{"byte\t2\t41\t6E\t6E\tvowel_carrier\tU+0A05"});
  EXPECT_EQ(lines_starting(run.out, "byte\t").size(), 256u);
}

TEST(CliFontListing, GlyphMapRefusesWhatIsNotAnEncoding) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "no encoding at the index", .args = {"glyph-map", "2", "99"}, .status = kUsage,
       .err = "\"99\" is not a font index"},
      {.label = "a font name", .args = {"glyph-map", "AnmolLipi"}, .status = kUsage,
       .err = "\"AnmolLipi\" is not a font index"},
  };
  expect_cli_cases(cases, dir);
}

}  // namespace
}  // namespace quilm::test
