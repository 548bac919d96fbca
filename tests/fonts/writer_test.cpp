// The writer engine: units, the nukta after a joining consonant, context
// rules, the writer context that outlives a call, the typing patterns, and
// the Quilm writer's own rules.
#include "fonts/writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/fonts/conversion_hex.h"

namespace quilm {
namespace {

using test::hex;
using test::to_hex;

const WriterTable& writer_named(const std::string& name) {
  const WriterTable* writer = find_writer(name);
  if (!writer) throw std::runtime_error("no writer " + name);
  return *writer;
}

// One writer call on a context that holds what earlier calls left.
struct Case {
  const char* label;
  const char* writer;
  const char* earlier;  // pivot text of an earlier call of the same writer, or ""
  const char* input;
  const char* expected;
};

std::string write(const Case& c, bool typing, int* erased = nullptr) {
  ConversionContext context;
  const WriterTable& writer = writer_named(std::string("gur_to_") + c.writer);
  write_from_pivot(writer, hex(c.earlier), context);
  context.typing = typing;
  const std::string out = to_hex(write_from_pivot(writer, hex(c.input), context));
  if (erased) *erased = context.erase_before_caret;
  return out;
}

TEST(WriterEngine, WritesConvertedText) {
  const Case cases[] = {
      {"empty text", "anmollipi", "", "", ""},
      {"a unit", "anmollipi", "", "6B 49", "57"},
      {"a byte with two outputs", "anmollipi", "", "2B", "59 88"},
      {"a zero byte ends the text", "anmollipi", "", "6B 00 6B", "77"},
      {"nukta after a joining consonant: the unit", "anmollipi", "", "3B 61", "53"},
      {"a second nukta, plain: nothing", "anmollipi", "", "3B 61 61", "53"},
      {"a second nukta, joined while not typing: appended", "amrlipi", "", "3B 61 61", "53 53"},
      {"a second nukta, drop: rewrites the same glyph", "satluj", "", "3B 61 61", "F4"},
      {"drop with nothing written in this call leaves the result", "satluj", "3B", "61", ""},
      {"bindi after kanna of an earlier call, not typing", "anmollipi", "6B", "49", "4E"},
      {"shared rule: addak alone", "anmollipi", "", "5A", "60"},
      {"shared rule: addak after the AI sign", "anmollipi", "", "3F 5A", "59 7E"},
      {"shared rule: addak two after ura", "anmollipi", "", "54 42 5A", "61 6E 7E"},
      {"shared rule of a derived writer", "samtol", "", "3F 5A", "59 57"},
      {"a writer without context rules", "billi", "", "5A", "7E"},
      {"set rule: dulainkar alone", "satluj", "", "7B", "C8"},
      {"set rule: dulainkar after TTHA", "satluj", "", "6D 7B", "E1 B1"},
      {"set rule: after a unit the context is its first byte", "satluj", "", "62 61 7A", "FF A7"},
      {"set rule across calls", "satluj", "6D", "7B", "B1"},
      {"set rule: aunkar after SA", "satluj", "", "3B 5B", "C3 B9"},
      {"the rules apply in a family member", "jhelum", "", "6D 7B", "E1 B1"},
      {"a family member without rules", "sarovar", "", "6D 7B", "E1 C8"},
      {"EK ONKAR as digit one and oora", "samtol", "", "83 55 65", "C3 6B"},
      {"EK ONKAR as digit one and oora", "amritboli", "", "83 55", "31 45"},
      {"digit one and oora one by one", "amrlipi", "", "83 55 65", "31 45 6B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [gur_to_" + c.writer + " " + c.input + "]");
    EXPECT_EQ(write(c, false), c.expected);
  }
}

// The glyphs a key joins are already in the editor; the writer says how
// many characters before the insertion point the result replaces.
TEST(WriterEngine, TypingPatterns) {
  const struct {
    Case c;
    int erased;
  } cases[] = {
      {{"bindi after kanna, drop", "anmollipi", "6B", "49", ""}, 0},
      {{"bindi after kanna, join", "amrlipi", "6B", "49", "57"}, 1},
      {{"bindi after kanna, plain", "baljit", "6B", "49", "41"}, 0},
      {{"nukta after a joiner, join", "amrlipi", "3B", "61", "53"}, 1},
      {{"nukta after a joiner, drop (nothing of this call to rewrite)", "satluj", "3B", "61", ""}, 0},
      {{"tippi completing NA + dulainkar", "amrlipi", "42 7B", "7A", "83"}, 2},
      {{"dulainkar completing NA + tippi", "amrlipi", "42 7A", "7B", "83"}, 2},
      {{"NA + dulainkar + tippi, drop", "anmollipi", "42 7B", "7A", ""}, 0},
      {{"NA + dulainkar + tippi, plain", "sarovar", "42 7B", "7A", "B3"}, 0},
      {{"the earlier glyphs are in this call: taken back here", "amrlipi", "", "42 7B 7A", "83"}, 0},
      {{"no pattern: written as usual", "amrlipi", "65", "49", "4E"}, 0},
  };
  for (const auto& [c, erased] : cases) {
    SCOPED_TRACE(std::string(c.label) + " [gur_to_" + c.writer + " " + c.input + "]");
    int got_erased = -1;
    EXPECT_EQ(write(c, true, &got_erased), c.expected);
    EXPECT_EQ(got_erased, erased);
  }
}

TEST(WriterEngine, EmptyTextLeavesTheContext) {
  ConversionContext context;
  context.writer = {0x6B, 0x42};
  EXPECT_EQ(write_from_pivot(writer_named("gur_to_satluj"), "", context), "");
  EXPECT_EQ(context.writer.previous, 0x6B);
  EXPECT_EQ(context.writer.before_previous, 0x42);
}

// Every writer reads and updates the one context: the last call decides,
// whichever writer made it.
TEST(WriterEngine, ContextIsSharedByAllWriters) {
  ConversionContext context;
  write_from_pivot(writer_named("gur_to_anmollipi"), hex("65 3F"), context);
  EXPECT_EQ(to_hex(write_from_pivot(writer_named("gur_to_satluj"), hex("5A"), context)), "B5");
  EXPECT_EQ(context.writer.previous, 0x5A);
  EXPECT_EQ(context.writer.before_previous, 0x3F);
}

// In the Quilm writer AU with bindi does not change the context, so a nukta
// after it still finds the consonant before and rewrites the glyph there.
TEST(QuilmWriter, NuktaAcrossAuBindi) {
  const Case cases[] = {
      {"SA", "quilmp", "", "3B D8 61", "73 4F C8"}, {"LA", "quilmp", "", "62 D8 61", "6C 4F DC"},
      {"PHA", "quilmp", "", "63 D8 61", "50 4F CC"}, {"JA", "quilmp", "", "69 D8 61", "6A 4F CB"},
      {"GA", "quilmp", "", "72 D8 61", "67 4F CA"}, {"KHA", "quilmp", "", "79 D8 61", "4B 4F C9"},
      {"AU with bindi alone", "quilmp", "", "D8", "4F 4E"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.input + "]");
    EXPECT_EQ(write(c, false), c.expected);
  }
  ConversionContext context;
  write_from_pivot(writer_named("gur_to_quilmp"), hex("3B D8"), context);
  EXPECT_EQ(context.writer.previous, 0x3B);
}

TEST(QuilmWriter, FinishesWithFormatForQuilm) {
  const Case cases[] = {
      {"SA and the nukta glyph become SA with nukta", "quilmp", "", "3B 41", "C8"},
      {"LA and the nukta glyph become LA with nukta", "quilmp", "", "62 5F", "DC"},
      {"other letters keep the nukta glyph", "quilmp", "", "65 41", "6B 4C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.input + "]");
    EXPECT_EQ(write(c, false), c.expected);
  }
}

TEST(WriterEngine, ConvertsTextOfAnyLengthWhole) {
  ConversionContext context;
  const Bytes pivot(100000, static_cast<char>(0xC6));  // three glyphs each
  const Bytes out = write_from_pivot(writer_named("gur_to_anmollipi"), pivot, context);
  ASSERT_EQ(out.size(), 3 * pivot.size());
  EXPECT_EQ(to_hex(BytesView(out).substr(out.size() - 3)), "48 59 88");
}

}  // namespace
}  // namespace quilm
