// Field values read as text and numbers, and stored into typed fields.
#include <gtest/gtest.h>

#include "tables/field_value.h"

namespace quilm {
namespace {

TEST(FieldValue, ReadsAsTextAndNumbers) {
  struct Case {
    const char* label;
    FieldValue value;
    Bytes text;
    std::int64_t integer;
    double real;
  };
  const Case cases[] = {
      {"blank", FieldValue(), "", 0, 0.0},
      {"integer", FieldValue(42), "42", 42, 42.0},
      {"negative integer", FieldValue(std::int64_t{-7}), "-7", -7, -7.0},
      {"real", FieldValue(0.25), "0.25", 0, 0.25},
      {"real rounds to nearest", FieldValue(2.75), "2.75", 3, 2.75},
      {"decimal text", FieldValue(" 12 "), " 12 ", 12, 12.0},
      {"text with plus sign", FieldValue("+5"), "+5", 5, 5.0},
      {"real text", FieldValue("1.5"), "1.5", 2, 1.5},
      {"text that is no number", FieldValue("ab"), "ab", 0, 0.0},
      {"glyph bytes", FieldValue(Bytes("\x80\xFF", 2)), Bytes("\x80\xFF", 2), 0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(c.value.as_text(), c.text);
    EXPECT_EQ(c.value.as_integer(), c.integer);
    EXPECT_DOUBLE_EQ(c.value.as_real(), c.real);
  }
}

TEST(FieldValue, ConvertsForTheFieldItIsStoredIn) {
  struct Case {
    const char* label;
    FieldValue value;
    FieldType type;
    std::optional<FieldValue> stored;
  };
  const Case cases[] = {
      {"number into text field", FieldValue(42), FieldType::Text, FieldValue("42")},
      {"bytes into text field", FieldValue(Bytes("\x00\x9F", 2)), FieldType::Text, FieldValue(Bytes("\x00\x9F", 2))},
      {"decimal text into integer field", FieldValue("17"), FieldType::Integer, FieldValue(17)},
      {"blank text into integer field", FieldValue("  "), FieldType::Integer, FieldValue()},
      {"word into integer field", FieldValue("abc"), FieldType::Integer, std::nullopt},
      {"real into integer field", FieldValue(2.5), FieldType::Integer, FieldValue(2)},
      {"integer into real field", FieldValue(3), FieldType::Real, FieldValue(3.0)},
      {"word into real field", FieldValue("x1"), FieldType::Real, std::nullopt},
      {"blank stays blank", FieldValue(), FieldType::Text, FieldValue()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(convert_for_field(c.value, c.type), c.stored);
  }
}

}  // namespace
}  // namespace quilm
