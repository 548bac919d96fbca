// The reader engine: single bytes, units of every kind, the end at a zero
// byte, and text longer than any fixed work area.
#include "fonts/reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/fonts/conversion_hex.h"

namespace quilm {
namespace {

using test::hex;
using test::to_hex;

struct Case {
  const char* label;
  const char* reader;
  const char* input;
  const char* expected;
};

const ReaderTable& reader_named(const char* name) {
  const ReaderTable* reader = find_reader(name);
  if (!reader) throw std::runtime_error(std::string("no reader ") + name);
  return *reader;
}

TEST(ReaderEngine, ReadsSingleBytesAndUnits) {
  const Case cases[] = {
      {"empty text", "anmollipi_to_gur", "", ""},
      {"a byte with two outputs", "anmollipi_to_gur", "93", "40 40"},
      {"a unit with its own output", "anmollipi_to_gur", "59 88", "2B"},
      {"a precedence unit keeps the next byte from starting a unit", "anmollipi_to_gur", "41 59 88", "6E 3F 5F"},
      {"precedence unit before a unit's second half", "anmollipi_to_gur", "55 4D 52", "7B 7A 71"},
      {"the unit alone", "anmollipi_to_gur", "4D 52", "71 7A"},
      {"a unit at the very end", "anmollipi_to_gur", "6B 72 75", "65 57"},
      {"half a unit at the end is a single byte", "anmollipi_to_gur", "6B 72", "65 6F"},
      {"unlisted bytes are copied", "anmollipi_to_gur", "20 30 0A", "20 30 0A"},
      {"a byte that gives nothing is dropped, the text goes on", "satluj_to_gur", "D5 B2 D5", "65 65"},
      {"a zero byte ends the result", "anmollipi_to_gur", "6B 00 6B", "65"},
      {"a zero byte at the start", "anmollipi_to_gur", "00 6B", ""},
      {"a derived reader's added unit", "gurbanilipi_to_gur", "72 75", "57"},
      {"a derived reader lacks its base's unit", "gurbanilipi_to_gur", "3C 3E", "CE CF"},
      {"a derived reader's added precedence unit", "sriangad_to_gur", "61 59 88", "6E 3F 5F"},
      {"a derived reader lacks its base's precedence unit", "sriangad_to_gur", "41 59 88", "54 2B"},
      {"a reader with the same tables as its base", "prabhki_to_gur", "41 59 88", "6E 3F 5F"},
      {"the longest single output", "trail_to_gur", "BB", "42 51 7B 7A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.reader + " " + c.input + "]");
    EXPECT_EQ(to_hex(read_into_pivot(reader_named(c.reader), hex(c.input))), c.expected);
  }
}

// A made-up reader with the unit kinds that only some families use.
class LongerUnits : public ::testing::Test {
 protected:
  LongerUnits() {
    for (int b = 0; b < 256; ++b) table_.single[b] = {{static_cast<std::uint8_t>(b)}, 1};
    table_.single[0x88] = {{0x5F}, 1};
    // Units sorted by first byte, as the generator writes them.
    units_ = {
        {0x5B, 0x3F, 0x41, ReaderUnitKind::three_byte, false, {{0x51, 0x3F}, 2}},
        {0x6B, 0x3F, 0x88, ReaderUnitKind::conditional, false, {{0x51, 0x3F}, 2}},
    };
    for (const ReaderUnit& u : units_) {
      table_.flags[u.first] |= step_flag::kUnitStart;
      for (int b = u.first + 1; b <= 256; ++b) ++table_.index.begin[b];
    }
    table_.index.seconds.insert(0x3F);
    table_.units = units_;
    table_.growth = 1;
    table_.name = "made_up_to_gur";
  }
  ReaderTable table_;
  std::vector<ReaderUnit> units_;
};

TEST_F(LongerUnits, ApplyOnlyWithTheirThirdByte) {
  const struct {
    const char* label;
    const char* input;
    const char* expected;
  } cases[] = {
      {"a three-byte unit consumes all three", "5B 3F 41 41", "51 3F 41"},
      {"without its third byte it does not apply", "5B 3F 42", "5B 3F 42"},
      {"cut short at the end", "5B 3F", "5B 3F"},
      {"a conditional unit leaves its third byte to be read", "6B 3F 88", "51 3F 5F"},
      {"without the third byte it does not apply", "6B 3F 41", "6B 3F 41"},
      {"at the end it does not apply", "6B 3F", "6B 3F"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.input + "]");
    EXPECT_EQ(to_hex(read_into_pivot(table_, hex(c.input))), c.expected);
  }
}

// Lines of legacy text are not bounded: a reader's output is whole however
// long it grows (here four bytes out for each byte in).
TEST(ReaderEngine, ConvertsTextOfAnyLengthWhole) {
  const ReaderTable& trail = reader_named("trail_to_gur");
  const Bytes text(100000, static_cast<char>(0xBB));
  const Bytes out = read_into_pivot(trail, text);
  ASSERT_EQ(out.size(), 4 * text.size());
  EXPECT_EQ(to_hex(BytesView(out).substr(out.size() - 4)), "42 51 7B 7A");
}

}  // namespace
}  // namespace quilm
