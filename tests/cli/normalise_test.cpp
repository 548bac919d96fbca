// quilm-cli normalise as a program: pivot words brought to their lookup
// spelling, as text or as hexadecimal lines.
#include <gtest/gtest.h>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

TEST(CliNormalise, WritesEachWordInItsLookupSpelling) {
  TempDir dir;
  const CliCase cases[] = {
      // 2D 65 6B and 65 6B 2D 2D are "-ek" and "ek--" as bytes: the hyphens go.
      {.label = "every word of a line, spaces kept", .args = {"normalise"}, .input = "-ek  ek--\r\nek\n",
       .out = "ek  ek\nek\n"},
      {.label = "a word a line in hexadecimal, with the changed flag", .args = {"normalise", "--hex", "--changed"},
       .input = "65 6B 49 49\n65 6B\n41\n", .out = "65 6B 49\t1\n65 6B\t0\n49\t-\n"},
      {.label = "no line end at the end", .args = {"normalise", "--hex"}, .input = "3B 61 6B", .out = "46 6B"},
  };
  expect_cli_cases(cases, dir);
}

TEST(CliNormalise, BadInputAndUsageErrors) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "a line that is not hexadecimal bytes", .args = {"normalise", "--hex"}, .input = "65\n6B 6K\n",
       .status = kBadInput, .out = "", .err = "line 2: not a list of hexadecimal bytes"},
      {.label = "a positional argument", .args = {"normalise", "words.txt"}, .status = kUsage,
       .err = "unexpected argument \"words.txt\""},
  };
  expect_cli_cases(cases, dir);
}

}  // namespace
}  // namespace quilm::test
