// Whole numbers typed into digit-only boxes.
#include <gtest/gtest.h>

#include "common/whole_number.h"

namespace quilm {
namespace {

TEST(WholeNumber, OnlyDigitsWithinTheRange) {
  struct Case {
    const char* typed;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"1", 1},
      {"0042", 42},
      {"999999999", 999999999},
      {"", std::nullopt},
      {"-1", std::nullopt},
      {"+3", std::nullopt},
      {" 3", std::nullopt},
      {"3 ", std::nullopt},
      {"3a", std::nullopt},
      {"1234567890", std::nullopt},           // more than nine digits
      {"\xE0\xA9\xA7", std::nullopt},         // the Gurmukhi digit one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
    EXPECT_EQ(parse_whole_number(c.typed, 0, 999999999), c.expected);
  }
  EXPECT_EQ(parse_whole_number("5", 6, 9), std::nullopt) << "below the range";
  EXPECT_EQ(parse_whole_number("10", 6, 9), std::nullopt) << "above the range";
  EXPECT_EQ(parse_whole_number("6", 6, 9), 6);
}

}  // namespace
}  // namespace quilm
