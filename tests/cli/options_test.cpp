// quilm-cli options as a program: the settings of a data folder shown and
// changed, all or nothing.
#include <gtest/gtest.h>

#include "tests/cli/cli_cases.h"

namespace quilm::test {
namespace {

// The default settings as the settings file holds them (CR LF lines).
constexpr const char* kSettings =
    "&1\r\n&2\r\nQuilm2010\r\n16\r\nTimes New Roman\r\n12\r\n0\r\n4\r\n0\r\n3\r\n0\r\n1\r\n1\r\nExtra.dic\r\n1\r\n\r\n";

TEST(CliOptions, ShowsAndSetsTheSettings) {
  TempDir dir;
  dir.write("filearch", kSettings);
  const CliCase cases[] = {
      {.label = "set, checked and written", .args = {"options", "set", "{dir}", "punjabi-size", "20", "zoom", "250",
                                                     "layout", "0"},
       .out = ""},
      {.label = "show", .args = {"options", "show", "{dir}"},
       .out = "punjabi-font\tQuilm2010\npunjabi-size\t20\nenglish-font\tTimes New Roman\nenglish-size\t12\n"
              "zoom\t250\ndouble-click\t0\nlegal-check\t1\nsave-type\t4\nview\t0\nlayout\t0\tDefault\n"},
  };
  expect_cli_cases(cases, dir);
  const std::string written = dir.read("filearch");
  EXPECT_NE(written.find("\r\n20\r\n"), std::string::npos) << "the size in the settings file";
  EXPECT_NE(written.find("Extra.dic\r\n"), std::string::npos) << "the other lines kept";
}

TEST(CliOptions, ABadValueChangesNothing) {
  TempDir dir;
  dir.write("filearch", kSettings);
  const CliCase cases[] = {
      {.label = "a font size that is no number, after a good value",
       .args = {"options", "set", "{dir}", "english-size", "14", "punjabi-size", "1x"}, .status = kBadInput,
       .err = "font size \"1x\""},
      {.label = "a zoom off the table", .args = {"options", "set", "{dir}", "zoom", "110"}, .status = kBadInput,
       .err = "zoom"},
      {.label = "an unknown key", .args = {"options", "set", "{dir}", "colour", "red"}, .status = kBadInput,
       .err = "colour"},
      {.label = "no settings file", .args = {"options", "show", "{dir}/missing"}, .status = kBadInput,
       .err = "cannot read"},
      {.label = "a key without its value", .args = {"options", "set", "{dir}", "zoom"}, .status = kUsage,
       .err = "pairs"},
  };
  expect_cli_cases(cases, dir);
  EXPECT_EQ(dir.read("filearch"), kSettings);
}

}  // namespace
}  // namespace quilm::test
