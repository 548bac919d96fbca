// The writers of Punjabi-01, CPPL and KHALSA JI are derived from their
// readers: whatever pivot text one glyph (or one unit of glyphs) of the
// font reads as, the writer writes in glyphs that read back as the same
// pivot text.
#include <gtest/gtest.h>

#include <string>

#include "fonts/reader.h"
#include "fonts/writer.h"
#include "tests/fonts/conversion_hex.h"

namespace quilm {
namespace {

using test::to_hex;

// Pivot -> legacy -> pivot for the pivot text that `legacy` reads as.
void expect_round_trip(const ReaderTable& reader, const WriterTable& writer, const Bytes& legacy) {
  const Bytes pivot = read_into_pivot(reader, legacy);
  if (pivot.empty()) return;  // a glyph that stands for nothing
  ConversionContext context;
  const Bytes written = write_from_pivot(writer, pivot, context);
  EXPECT_EQ(to_hex(read_into_pivot(reader, written)), to_hex(pivot))
      << "glyphs " << to_hex(legacy) << " read as " << to_hex(pivot) << ", written as " << to_hex(written);
}

Bytes bytes_of(std::initializer_list<std::uint8_t> values) {
  Bytes b;
  for (std::uint8_t v : values) b.push_back(static_cast<char>(v));
  return b;
}

TEST(DerivedWriters, WriteBackEveryPivotTextTheirReaderGives) {
  for (const char* stem : {"punjabi01", "cppl", "khalsa"}) {
    SCOPED_TRACE(stem);
    const ReaderTable* reader = find_reader(std::string(stem) + "_to_gur");
    const WriterTable* writer = find_writer(std::string("gur_to_") + stem);
    ASSERT_NE(reader, nullptr);
    ASSERT_NE(writer, nullptr);
    for (int b = 1; b < 256; ++b) expect_round_trip(*reader, *writer, bytes_of({static_cast<std::uint8_t>(b)}));
    for (const ReaderUnit& unit : reader->units) {
      if (unit.kind == ReaderUnitKind::three_byte) expect_round_trip(*reader, *writer, bytes_of({unit.first, unit.second, unit.third}));
      else expect_round_trip(*reader, *writer, bytes_of({unit.first, unit.second}));
    }
  }
}

TEST(DerivedWriters, AreSelectedByTheirFontIndices) {
  EXPECT_EQ(writer_for_font(0), find_writer("gur_to_punjabi01"));
  EXPECT_EQ(writer_for_font(20), find_writer("gur_to_cppl"));
  EXPECT_EQ(writer_for_font(37), find_writer("gur_to_khalsa"));
}

}  // namespace
}  // namespace quilm
