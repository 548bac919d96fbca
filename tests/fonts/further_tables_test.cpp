// The readers and writers whose tables need more than single bytes and
// pairs: three-byte and conditional units, units that reorder glyphs,
// writer precedence units, nukta glyphs joined without a unit, and a writer
// derived from the Quilm writer without its post-pass.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "fonts/conversion.h"
#include "fonts/reader.h"
#include "fonts/writer.h"
#include "tests/fonts/conversion_hex.h"

namespace quilm {
namespace {

using test::hex;
using test::to_hex;

struct Case {
  const char* label;
  const char* converter;
  const char* input;
  const char* expected;
};

std::string convert(const Case& c, bool typing = false, const char* earlier = "") {
  if (const ReaderTable* reader = find_reader(c.converter)) return to_hex(read_into_pivot(*reader, hex(c.input)));
  const WriterTable* writer = find_writer(c.converter);
  if (!writer) throw std::runtime_error(std::string("no converter ") + c.converter);
  ConversionContext context;
  write_from_pivot(*writer, hex(earlier), context);
  context.typing = typing;
  return to_hex(write_from_pivot(*writer, hex(c.input), context));
}

TEST(FurtherReaders, LongerAndReorderingUnits) {
  const Case cases[] = {
      {"conditional unit before its third byte", "asees_to_gur", "5B 3F 88", "51 3F 5F"},
      {"conditional unit: another third byte reads alone", "asees_to_gur", "5B 3F 41", "5B 3F 49"},
      {"the pair that the conditional unit's third byte forms", "asees_to_gur", "3F 88", "2B"},
      {"conditional unit at the end of the text", "asees_to_gur", "5B 3F", "5B 3F"},
      {"inherited conditional unit", "gurugranthlipi_to_gur", "5B 3F 88", "51 3F 5F"},
      {"three-byte unit", "cppl_to_gur", "5B 3F 41", "51 3F"},
      {"three-byte unit, then a byte of its own", "cppl_to_gur", "5B 3F 41 41", "51 3F 49"},
      {"a unit that swaps two glyphs", "joy_to_gur", "7A 71", "71 7A"},
      {"a precedence unit keeps the swap from starting inside it", "joy_to_gur", "5B 7A 71", "5B 7A 71"},
      {"precedence before a unit", "samtol_to_gur", "55 4D 52", "7B 7A 71"},
      {"the unit alone", "samtol_to_gur", "4D 52", "71 7A"},
      {"NA + UU + TIPPI as one three-byte unit", "punjabi_to_gur", "6E 3C 2A", "7E"},
      {"three-byte unit, then a letter", "punjabi_to_gur", "6E 3C 2A 42", "7E 47"},
      {"its last two bytes alone", "punjabi_to_gur", "3C 2A", "7B 7A"},
      {"three bytes read as one unit", "ekta_to_gur", "51 3F 41", "51 3F"},
      {"their last two alone", "ekta_to_gur", "3F 41", "2B"},
      {"three-byte unit of Amrit-Lipi2", "amrit_lipi2_to_gur", "48 59 4E 42", "51 3F 47"},
      {"a byte that gives nothing", "khalsa_to_gur", "6E 26 6E", "52 52"},
      {"a glyph of four letters", "morvendp_to_gur", "CC", "42 6A 68 49"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.converter + ": " + c.input + "]");
    EXPECT_EQ(convert(c), c.expected);
  }
}

TEST(FurtherWriters, UnitsJoinedNuktaAndPrecedence) {
  const Case cases[] = {
      {"SA + nukta as one glyph", "gur_to_asees", "3B 61", "50"},
      {"digit one and oora as two glyphs", "gur_to_asees", "83 55", "F1 55"},
      {"no joining units: both glyphs", "gur_to_joy", "3B 61", "3B 61"},
      {"a unit", "gur_to_guruji", "3B 71", "A1"},
      {"a nukta after the unit rewrites its glyph", "gur_to_guruji", "3B 71 61", "B5"},
      {"a unit", "gur_to_prime_ga", "2F 49", "C9"},
      {"a precedence unit consumes the byte the unit would start at", "gur_to_prime_ga", "62 2F 49", "62 2F 49"},
      {"the joined nukta glyph after the consonant", "gur_to_ekta", "3B 61", "3B 46"},
      {"a consonant without a nukta glyph", "gur_to_ekta", "62 61", "62 61"},
      {"a second nukta does not join again", "gur_to_ekta", "3B 61 61", "3B 46 61"},
      {"append: the second nukta adds the glyph again", "gur_to_anandpur_sahib", "3B 61 61", "53 53"},
      {"a unit", "gur_to_jasmine", "6B 49", "4B"},
      {"no joining units", "gur_to_jasmine", "3B 61", "3B 61"},
      {"D8 updates the context: no joining over it", "gur_to_chatrik", "3B D8 61", "73 4F 4E 4C"},
      {"where the Quilm writer keeps the context over D8", "gur_to_quilmp", "3B D8 61", "73 4F C8"},
      {"the Chatrik writer's own addak rule", "gur_to_chatrik", "3F 5A", "59 57"},
      {"no Format_for_Quilm after the Chatrik writer", "gur_to_chatrik", "77 49", "6D 4E"},
      {"the PNB-TTAmar writer's EK ONKAR", "gur_to_cdac", "83 55", "A3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.converter + ": " + c.input + "]");
    EXPECT_EQ(convert(c), c.expected);
  }
}

TEST(KrutiDevWriter, TransliteratesIntoDevanagari) {
  const Case cases[] = {
      {"SA + nukta is SHA", "gur_to_kruti", "3B 61", "27 6B"},
      {"SA + nukta before subjoined HA is SHA before it", "gur_to_kruti", "3B 61 51", "27 67"},
      {"addak doubles the consonant after it", "gur_to_kruti", "5A 6D", "CE"},
      {"and so does its second glyph", "gur_to_kruti", "60 6D", "CE"},
      {"addak doubles SHA read from SA + nukta", "gur_to_kruti", "5A 3B 61", "27 27 6B"},
      {"addak at the end", "gur_to_kruti", "5A", "57"},
      {"addak before a vowel sign", "gur_to_kruti", "5A 6B", "57 6B"},
      {"tippi before MA is the doubled MA", "gur_to_kruti", "7A 77", "45 65"},
      {"tippi elsewhere", "gur_to_kruti", "7A 6B", "61 6B"},
      {"a byte that gives nothing", "gur_to_kruti", "6B 26 6B", "6B 6B"},
      {"RRA keeps its nukta before a subjoined HA", "gur_to_kruti", "56 51", "4D 2B 7E 67"},
      {"LA + nukta is the letter LLA", "gur_to_kruti", "62 61", "47"},
      {"and so is LLA", "gur_to_kruti", "E6", "47"},
      {"a subjoined letter Kruti Dev lacks is the virama and the letter", "gur_to_kruti", "65 EA", "64 7E 3B"},
      {"the visarga", "gur_to_kruti", "65 FE", "64 25"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + c.converter + ": " + c.input + "]");
    EXPECT_EQ(convert(c), c.expected);
  }
}

TEST(FurtherWriters, TypedNuktaAfterTheConsonant) {
  // The consonant was typed before (`earlier`); the nukta key gives the
  // font's nukta glyph for that consonant, and the typing pattern's glyph
  // 46 after a consonant that has none.
  const struct {
    const char* earlier;
    const char* expected;
  } cases[] = {{"3B", "46"}, {"63", "5C"}, {"79", "5D"}, {"62", "46"}, {"6B", "61"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("Ekta, nukta typed after ") + c.earlier);
    EXPECT_EQ(convert({"", "gur_to_ekta", "61", c.expected}, true, c.earlier), c.expected);
  }
}

TEST(ConversionSupport, SaysWhichEncodingsConvert) {
  const struct {
    int font_index;
    bool reads, writes;
  } cases[] = {
      {0, true, true},     // a writer derived from its reader
      {9, true, true},     // the pivot encoding needs no converting
      {8, true, true},     // nor does the identity encoding
      {44, true, true},    // Nanak, written with the Satluj writer
      {30, false, false},  // not supported
      {43, false, false},  // DhunGuruNanak: recognised, no tables yet
      {47, false, false},  // GOLD: recognised, no tables yet
      {70, false, true},   // Devanagari: a destination only
      {99, false, false},  // outside the table
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.font_index);
    const ConversionSupport support = conversion_support(c.font_index);
    EXPECT_EQ(support.reads, c.reads);
    EXPECT_EQ(support.writes, c.writes);
    EXPECT_EQ(convertible(c.font_index), c.reads && c.writes);
  }
}

TEST(ConversionSupport, EveryNamedEncodingButTwoConverts) {
  for (int index = 0; index <= 50; ++index) {
    if (index == 30 || index == 43 || index == 47) continue;
    EXPECT_TRUE(convertible(index)) << index;
  }
}

}  // namespace
}  // namespace quilm
