// The analysis of a formatted document: words in the detected font, other
// Gurmukhi fonts and Unicode Gurmukhi read into it, English left out of a
// Punjabi analysis, positions into the analysed text, and files that name
// their fonts read through a hidden editor.
#include <gtest/gtest.h>

#include <map>

#include "analysis/document_text.h"
#include "analysis/frequency_analysis.h"
#include "tests/convert/document_fixture.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

struct DocumentTextTest : ::testing::Test, test::DocumentFixture {
  AnalysisOutcome analyse(bool english = false) {
    const AnalysedText text = document_analysis_text(editor.Runs(), english, fonts, converter);
    AnalysisOutcome out;
    run_text_frequency_analysis(text, "doc", {}, converter, out);
    return out;
  }
  static std::map<Bytes, std::int64_t> counts(const AnalysisOutcome& out) {
    std::map<Bytes, std::int64_t> c;
    for (const WordCount& w : out.results.words) c[w.word] = w.count;
    return c;
  }
};

TEST_F(DocumentTextTest, WordsStandInTheFirstGurmukhiFontAndOtherGurmukhiIsReadIntoIt) {
  add(u"Hello ", "Arial");
  add(u"pMjwb kw ", "AnmolLipi");
  add(u"ਪੰਜਾਬ world", "Arial");
  const AnalysisOutcome out = analyse();
  EXPECT_EQ(out.font_name, "AnmolLipi");
  EXPECT_EQ(out.reading.kind, TextKind::Legacy);
  EXPECT_EQ(out.reading.font_index, fonts.get_font_index("AnmolLipi"));
  const auto c = counts(out);
  ASSERT_EQ(c.size(), 2u) << "English words are no Gurmukhi glyphs";
  EXPECT_EQ(c.at("pMjwb"), 2) << "the Unicode word counts with its AnmolLipi spelling";
  EXPECT_EQ(c.at("kw"), 1);
}

TEST_F(DocumentTextTest, ADocumentWithoutAGurmukhiFontIsReadAsUnicode) {
  add(u"ਘਰ ਘਰ ok", "Arial");
  const AnalysisOutcome out = analyse();
  EXPECT_EQ(out.font_name, kUnicodeAnalysisFont);
  EXPECT_EQ(out.reading.kind, TextKind::Utf8);
  EXPECT_EQ(counts(out), (std::map<Bytes, std::int64_t>{{"ਘਰ", 2}}));
}

TEST_F(DocumentTextTest, EnglishCountsTheLatinWordsOutsideGurmukhiFonts) {
  add(u"one two one ", "Arial");
  add(u"pMjwb", "AnmolLipi");
  const AnalysisOutcome out = analyse(true);
  EXPECT_EQ(out.font_name, kEnglishAnalysisFont);
  EXPECT_EQ(counts(out), (std::map<Bytes, std::int64_t>{{"one", 2}, {"two", 1}}));
}

TEST_F(DocumentTextTest, PositionsPointIntoTheAnalysedTextAcrossParagraphs) {
  add(u"kw\rpMjwb\rkw", "AnmolLipi");
  const AnalysisOutcome out = analyse();
  EXPECT_EQ(out.analysed_text, "kw\r\npMjwb\r\nkw");
  ASSERT_EQ(out.results.positions.size(), 3u);
  for (const PositionRow& p : out.results.positions) {
    SCOPED_TRACE(p.pos);
    EXPECT_EQ(out.analysed_text.substr(p.pos, p.word.size()), p.word);
  }
}

TEST_F(DocumentTextTest, AFileThatNamesItsFontsIsReadThroughTheEditorInItsDetectedFont) {
  add(u"Title ", "Arial");
  add(u"pMjwb pMjwb kw", "AnmolLipi");
  test::TempDir dir;
  ASSERT_TRUE(editor.SaveFile(dir / "doc.rtf", FormatCode::Rtf).ok());
  AnalysisRequest request;
  request.files = {dir / "doc.rtf"};
  request.fonts = &fonts;
  AnalysisOutcome out;
  ASSERT_TRUE(run_frequency_analysis(request, converter, out).ok());
  EXPECT_EQ(out.font_name, "AnmolLipi");
  EXPECT_EQ(out.results.stats[34], "AnmolLipi");
  EXPECT_EQ(counts(out), (std::map<Bytes, std::int64_t>{{"pMjwb", 2}, {"kw", 1}}));
}

}  // namespace
}  // namespace quilm
