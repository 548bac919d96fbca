// The conversion driver: when text passes unchanged, when it goes through
// reader, clean-up and writer, and which converters a font index selects.
#include "fonts/conversion.h"

#include <gtest/gtest.h>

#include "fonts/registry.h"
#include "tests/fonts/conversion_hex.h"

namespace quilm {
namespace {

using test::hex;
using test::to_hex;

TEST(Conversion, ConvertsBetweenFontIndices) {
  const struct {
    const char* label;
    int source, destination;
    bool format;
    const char* input;
    const char* expected;
  } cases[] = {
      {"same index, format off: unchanged", 2, 2, false, "41 59 88", "41 59 88"},
      {"same index, format off: unchanged even after a zero", 2, 2, false, "41 00 59", "41 00 59"},
      {"not supported to itself: unchanged", 30, 30, false, "5F 41 50", "5F 41 50"},
      {"same index, format on: reader, clean-up, writer", 2, 2, true, "41 59 88", "41 59 4E"},
      {"into the pivot encoding", 2, 9, false, "41 59 88", "6E 3F 5F"},
      {"into the pivot encoding, tidied", 2, 9, true, "41 59 88", "6E 3F 49"},
      {"out of the pivot encoding", 9, 22, false, "6D 7B", "E1 B1"},
      {"font to font", 2, 22, false, "6B 77", "D5 C5"},
      {"pivot to pivot, format on: the clean-up alone", 9, 9, true, "41 50", "50 41"},
      {"not supported is never tidied", 30, 9, true, "5F 41 50", "5F 41 50"},
      {"Nanak to Nanak goes through its reader and the Satluj writer", 44, 44, true, "87", "D7"},
      {"an encoding that cannot be converted yet passes unchanged", 43, 9, false, "41 3D", "41 3D"},
      {"a destination without a writer gets the pivot text", 2, 47, false, "6B", "65"},
      {"the Devanagari destination", 2, 70, false, "6B", "64"},
      {"an index outside the table passes unchanged", 99, 9, false, "6B", "6B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.label) + " [" + std::to_string(c.source) + " -> " + std::to_string(c.destination) +
                 (c.format ? " format" : "") + ": " + c.input + "]");
    ConversionContext context;
    const FontConverter converter(context);
    EXPECT_EQ(to_hex(converter.conversion(hex(c.input), c.source, c.destination, c.format)), c.expected);
  }
}

TEST(Conversion, ConvertersByName) {
  ConversionContext context;
  const FontConverter converter(context);
  Bytes out;
  ASSERT_TRUE(converter.convert_with("anmollipi_to_gur", hex("59 88"), out));
  EXPECT_EQ(to_hex(out), "2B");
  ASSERT_TRUE(converter.convert_with("gur_to_satluj", hex("6D 7B"), out));
  EXPECT_EQ(to_hex(out), "E1 B1");
  out = "kept";
  EXPECT_FALSE(converter.convert_with("gur_to_nowhere", hex("6D"), out));
  EXPECT_EQ(out, "kept");
}

// The writer context belongs to the workspace that owns the context object.
TEST(Conversion, ContextsOfTwoWorkspacesAreApart) {
  ConversionContext first, second;
  const FontConverter a(first), b(second);
  a.conversion(hex("6D"), 9, 22, false);
  EXPECT_EQ(to_hex(b.conversion(hex("7B"), 9, 22, false)), "C8");
  EXPECT_EQ(to_hex(a.conversion(hex("7B"), 9, 22, false)), "B1");
}

// Each encoding of the font-index table selects the converters it names,
// and no converter serves an index that names another.
TEST(Conversion, FontIndicesSelectTheRegistrysConverters) {
  const FontRegistry registry;
  for (const FontEncoding& encoding : registry.encodings()) {
    SCOPED_TRACE("font index " + std::to_string(encoding.index));
    if (const ReaderTable* reader = reader_for_font(encoding.index)) {
      EXPECT_EQ(reader->name, encoding.reader);
    }
    if (const WriterTable* writer = writer_for_font(encoding.index)) {
      EXPECT_EQ(writer->name, encoding.writer);
    }
    if (!encoding.reader.empty() && find_reader(encoding.reader)) {
      EXPECT_EQ(reader_for_font(encoding.index), find_reader(encoding.reader));
    }
    if (!encoding.writer.empty() && find_writer(encoding.writer)) {
      EXPECT_EQ(writer_for_font(encoding.index), find_writer(encoding.writer));
    }
  }
  for (int identity : {8, 9, 30}) {
    EXPECT_EQ(reader_for_font(identity), nullptr);
    EXPECT_EQ(writer_for_font(identity), nullptr);
  }
}

}  // namespace
}  // namespace quilm
