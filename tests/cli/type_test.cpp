// quilm-cli type as a program: lines of keys typed into an empty document
// through the keyboard layouts, and the text they leave.
#include <gtest/gtest.h>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

TEST(CliType, TypesEachLineThroughTheLayouts) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "romanised keys, a line each", .args = {"type", "--hex"}, .input = "pakka\nkh\n",
       .out = "70 53 6B\n4B\n"},
      {.label = "romanised keys as Unicode", .args = {"type", "--to", "unicode"}, .input = "pakka\n",
       .out = "\u0A2A\u0A71\u0A15\n"},
      {.label = "keys as hexadecimal bytes", .args = {"type", "--hex", "--hex-keys"}, .input = "6B 68\n",
       .out = "4B\n"},
      {.label = "the font's own layout", .args = {"type", "--layout", "default", "--font", "AnmolLipi", "--hex"},
       .input = "pMjwbI\n", .out = "70 4D 6A 77 62 49\n"},
      {.label = "a font given by its index", .args = {"type", "--layout", "default", "--font", "2", "--to", "unicode"},
       .input = "pMjwbI\n", .out = "\u0A2A\u0A70\u0A1C\u0A3E\u0A2C\u0A40\n"},
      {.label = "refused keys are counted on stderr",
       .args = {"type", "--layout", "default", "--check", "--hex"}, .input = "kwy\nkw\n", .out = "6B 77\n6B 77\n",
       .err = "quilm-cli type: line 1: 1 key(s) refused\n"},
  };
  expect_cli_cases(cases, dir);
}

TEST(CliType, BadInputAndUsageErrors) {
  TempDir dir;
  const CliCase cases[] = {
      {.label = "a key that is not a hexadecimal byte", .args = {"type", "--hex-keys"}, .input = "6B\n6B 6X\n",
       .status = kBadInput, .err = "line 2: not a list of hexadecimal bytes"},
      {.label = "--hex beside --to unicode", .args = {"type", "--hex", "--to", "unicode"}, .status = kUsage,
       .err = "--hex and --to unicode exclude each other"},
      {.label = "--to other than unicode", .args = {"type", "--to", "iscii"}, .status = kUsage,
       .err = "--to takes only \"unicode\""},
      {.label = "a font index without a font", .args = {"type", "--font", "30"}, .status = kUsage,
       .err = "30 is not the font index of a font"},
      {.label = "a layout index without an encoding", .args = {"type", "--layout", "99"}, .status = kUsage,
       .err = "99 is not a font index"},
      {.label = "a positional argument", .args = {"type", "keys.txt"}, .status = kUsage,
       .err = "unexpected argument \"keys.txt\""},
  };
  expect_cli_cases(cases, dir);
}

}  // namespace
}  // namespace quilm::test
