// Hexadecimal text: the one grammar in which bytes and UTF-16 units are
// written on the command line, in the table files and in the tests.
#include "common/hex.h"

#include <gtest/gtest.h>

namespace quilm::hex {
namespace {

TEST(HexText, ParsesBytesOrNamesTheBadToken) {
  const struct {
    const char* label;
    const char* text;
    std::optional<Bytes> bytes;
    const char* error;
  } cases[] = {
      {"spaced bytes, either case", "6B A2 0a ff", Bytes("\x6B\xA2\x0A\xFF"), ""},
      {"zero and the ends of the range", "00 7F 80", Bytes("\x00\x7F\x80", 3), ""},
      {"tabs, runs of blanks and a carriage return", "\t41  42\t43\r", Bytes("ABC"), ""},
      {"empty text", "", Bytes(), ""},
      {"only blanks", "  \t ", Bytes(), ""},
      {"one digit", "41 5 42", std::nullopt, "\"5\" is not a byte: write two hexadecimal digits"},
      {"three digits", "6BA", std::nullopt, "\"6BA\" is not a byte: write two hexadecimal digits"},
      {"two bytes run together", "6ba2", std::nullopt, "\"6ba2\" is not a byte: write two hexadecimal digits"},
      {"not a digit", "4G", std::nullopt, "\"4G\" is not a byte: write two hexadecimal digits"},
      {"a 0x prefix", "0x41", std::nullopt, "\"0x41\" is not a byte: write two hexadecimal digits"},
      {"a sign", "-1", std::nullopt, "\"-1\" is not a byte: write two hexadecimal digits"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::string error;
    EXPECT_EQ(parse_bytes(c.text, &error), c.bytes);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(parse_bytes(c.text), c.bytes) << "the error is optional";
  }
}

TEST(HexText, ParsesUtf16UnitsOfFourDigits) {
  const struct {
    const char* label;
    const char* text;
    std::optional<std::u16string> units;
    const char* error;
  } cases[] = {
      {"two units", "0A15 0a3f", u"\u0A15\u0A3F", ""},
      {"the highest unit", "FFFF", u"\uFFFF", ""},
      {"empty text", "", u"", ""},
      {"a byte where a unit belongs", "0A15 3F", std::nullopt, "\"3F\" is not a UTF-16 code unit: write four hexadecimal digits"},
      {"five digits", "0A150", std::nullopt, "\"0A150\" is not a UTF-16 code unit: write four hexadecimal digits"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::string error;
    EXPECT_EQ(parse_units(c.text, &error), c.units);
    EXPECT_EQ(error, c.error);
  }
}

TEST(HexText, ParsesOneByteToken) {
  EXPECT_EQ(parse_byte("A8"), 0xA8);
  EXPECT_EQ(parse_byte("a8"), 0xA8);
  EXPECT_EQ(parse_byte("8"), std::nullopt);
  EXPECT_EQ(parse_byte(" A8"), std::nullopt);
  EXPECT_EQ(parse_byte(""), std::nullopt);
}

TEST(HexText, PrintsWhatItReadsBack) {
  const Bytes every_byte = [] {
    Bytes b;
    for (int i = 0; i < 256; ++i) b.push_back(static_cast<char>(i));
    return b;
  }();
  EXPECT_EQ(format_bytes(Bytes("\x6B\xA2\x0A")), "6B A2 0A");
  EXPECT_EQ(format_bytes(""), "");
  EXPECT_EQ(format_byte(0x0A), "0A");
  EXPECT_EQ(parse_bytes(format_bytes(every_byte)), every_byte);
  EXPECT_EQ(format_units(u"\u0A15\u0A3F\uFFFF"), "0A15 0A3F FFFF");
  EXPECT_EQ(parse_units(format_units(u"\u0A15\u0A3F")), u"\u0A15\u0A3F");
  std::string out = "bytes: ";
  append_bytes("AB", out);
  EXPECT_EQ(out, "bytes: 41 42");
}

}  // namespace
}  // namespace quilm::hex
