// The conversions out of the pivot encoding over a table of dense random
// words (tests/encoding/fixtures/export_words.txt): every sign, carrier,
// ligature and further glyph that the export preparation cleans and
// reorders, in every neighbourhood. The preparation runs a pass only when a
// word holds a byte that the pass acts on; the table was recorded from the
// conversion that ran every pass on every word.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "encoding/devanagari.h"
#include "fonts/text_conversion.h"
#include "encoding/export_preparation.h"
#include "encoding/unicode_output.h"
#include "tests/support/hex_text.h"

namespace quilm {
namespace {

namespace hex = test::hex_text;

constexpr int kPivotFont = 9;

struct ExportWord {
  Bytes pivot;
  std::u16string unicode, devanagari;
};

std::vector<ExportWord> export_words() {
  std::ifstream in(std::string(QUILM_SOURCE_DIR) + "/tests/encoding/fixtures/export_words.txt");
  std::vector<ExportWord> words;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t first = line.find('|'), second = line.find('|', first + 1);
    words.push_back({hex::bytes(line.substr(0, first)), hex::units(line.substr(first + 1, second - first - 1)),
                     hex::units(line.substr(second + 1))});
  }
  return words;
}

TEST(ExportWordsTest, EachWordConvertsAsRecorded) {
  const std::vector<ExportWord> words = export_words();
  ASSERT_GT(words.size(), 2000u);
  for (const ExportWord& w : words) {
    SCOPED_TRACE(hex::hex(w.pivot));
    EXPECT_EQ(hex::hex(GurToUnicode(w.pivot)), hex::hex(w.unicode));
    EXPECT_EQ(hex::hex(GurToHindiUnicode(w.pivot)), hex::hex(w.devanagari));
  }
}

// A word that the quick test lets through unprepared must be one that the
// preparation would leave as it is.
TEST(ExportWordsTest, WordsLetThroughUnpreparedAreAlreadyPrepared) {
  std::size_t let_through = 0;
  for (const ExportWord& w : export_words()) {
    if (needs_preparation_for_export(w.pivot)) continue;
    ++let_through;
    EXPECT_EQ(hex::hex(prepare_for_export(w.pivot)), hex::hex(w.pivot));
  }
  EXPECT_GT(let_through, 0u);
}

// The text conversion shares one reading buffer and one output buffer among
// the words of a line; a line of all the words gives each word's conversion.
TEST(ExportWordsTest, ALineOfWordsConvertsWordByWord) {
  Bytes line;
  std::u16string unicode, devanagari;
  for (const ExportWord& w : export_words()) {
    line += w.pivot + " ";
    unicode += w.unicode + u" ";
    devanagari += w.devanagari + u" ";
  }
  ConversionContext context;
  const FontConverter converter(context);
  EXPECT_EQ(legacy_text_to_unicode(line, kPivotFont, converter, UnicodeScript::Gurmukhi), unicode);
  EXPECT_EQ(legacy_text_to_unicode(line, kPivotFont, converter, UnicodeScript::Devanagari), devanagari);
}

}  // namespace
}  // namespace quilm
