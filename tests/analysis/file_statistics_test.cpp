// "File Statistics" over plain 8-bit text, and the concordance's context.
#include <gtest/gtest.h>

#include "analysis/concordance.h"
#include "analysis/file_statistics.h"
#include "editors/memory_editor.h"

namespace quilm {
namespace {

TEST(FileStatistics, CountsOfText) {
  struct Case {
    const char* label;
    Bytes text;
    std::int64_t with_spaces, without_spaces, words;
  };
  const Case cases[] = {
      {"empty document", "", 0, 0, 0},
      {"two words", "ab cd", 5, 4, 2},
      {"a leading blank", " ab", 3, 2, 1},
      {"blanks only", "   ", 3, 0, 0},
      {"a tab does not separate words", "ab\tcd", 5, 4, 1},
      {"CR LF separates words and counts with spaces", "ab\r\ncd", 6, 4, 2},
      {"glyph bytes are characters", "\xE6\xEB \x6B", 4, 3, 2},
      {"a zero byte ends the text", Bytes("ab\0cd", 5), 2, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const TextCounts counts = count_text(c.text);
    EXPECT_EQ(counts.characters, c.with_spaces);
    EXPECT_EQ(counts.characters_no_spaces, c.without_spaces);
    EXPECT_EQ(counts.words, c.words);
  }
}

TEST(FileStatistics, LinesAndPagesComeFromTheEditor) {
  MemoryEditor editor;
  ASSERT_TRUE(editor.LoadFromMemory("ab\r\ncd", FormatCode::PlainText).ok());
  const FileStatistics s = count_file_statistics(editor);
  EXPECT_EQ(s.text.words, 2);
  EXPECT_EQ(s.lines, editor.LineCount());
  EXPECT_EQ(s.pages, 1);
}

TEST(Concordance, ContextOnEachSideCutAtTheText) {
  const Bytes text = "0123456789WORD tail\r\nnext";
  const auto lines = concordance(text, "WORD", {10}, false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].first, "0123456789");
  EXPECT_EQ(lines[0].third, " tailnext");  // line breaks left out
  EXPECT_FALSE(lines[0].stale);
}

TEST(Concordance, AChangedTextIsNeverReadPastItsEnd) {
  const auto lines = concordance("short WORD", "WORD", {6, 8, 500}, false);
  ASSERT_EQ(lines.size(), 2u);  // 500 lies past the end
  EXPECT_FALSE(lines[0].stale);
  EXPECT_TRUE(lines[1].stale);  // the bytes at 8 are no longer the word
  EXPECT_EQ(lines[1].third, "");
}

TEST(Concordance, Utf8CharactersAreNotCut) {
  Bytes text;
  for (int i = 0; i < 30; ++i) text += "ਕ";  // 90 bytes before the word
  text += "ਘਰ";
  const auto lines = concordance(text, "ਘਰ", {90}, true);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].first.size(), 75u);  // 25 whole letters
}

}  // namespace
}  // namespace quilm
