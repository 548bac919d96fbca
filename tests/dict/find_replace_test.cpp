// Find and replace on the in-memory editor through the editor interface:
// the occurrences found, in which fonts, and what Replace and Replace All
// leave in the document.
#include <gtest/gtest.h>

#include "dict/find_replace.h"
#include "encoding/unicode_output.h"
#include "spell/spell_check_run.h"
#include "tests/convert/document_fixture.h"

namespace quilm {
namespace {

constexpr const char* kPivotFont = "GurmukhiLys 020";
constexpr const char* kAnmol = "AnmolLipi";
constexpr const char* kEnglish = "Arial";

class FindReplaceTest : public ::testing::Test {
 protected:
  FindReplace& search(const std::u16string& find, const std::u16string& replace, FindOptions options,
                      const std::string& font = kEnglish) {
    finder.SetSearch({find, font}, {replace, font}, options);
    return finder;
  }
  static FindOptions english() { return {.language = SearchLanguage::English}; }
  static FindOptions punjabi(bool similar = false) { return {.language = SearchLanguage::Punjabi, .similar_words = similar}; }
  std::u16string in_font(BytesView pivot, const char* font) {
    return bytes_as_chars(doc.converter.conversion(pivot, 9, doc.fonts.get_font_index(font), false));
  }
  // The places Find Next selects, one after another, until it finishes.
  std::vector<int> found_places() {
    std::vector<int> places;
    while (finder.FindNext() == FindResult::Found && places.size() < 100) places.push_back(doc.editor.SelStart());
    return places;
  }

  test::DocumentFixture doc;
  FindReplace finder{doc.editor, doc.fonts, doc.converter};
};

TEST_F(FindReplaceTest, ReplaceAllReplacesEveryOccurrenceAndEnds) {
  struct Case {
    std::u16string text, find, replace, expected;
    int count;
  };
  const Case cases[] = {
      {u"ABCDEFGH ABCDEFGH ABCDEFGH", u"ABCDEFGH", u"xyz", u"xyz xyz xyz", 3},
      {u"aa aa", u"a", u"bb", u"bbbb bbbb", 4},
      {u"word word word", u"word", u"longer word", u"longer word longer word longer word", 3},
      {u"lol lol", u"lol", u"haha lol", u"haha lol haha lol", 2},
      {u"a long phrase of more than thirty characters, twice: a long phrase of more than thirty characters",
       u"a long phrase of more than thirty characters", u"it", u"it, twice: it", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.find.begin(), c.find.end()));
    doc.editor.Clear();
    doc.add(c.text, kEnglish);
    EXPECT_EQ(search(c.find, c.replace, english()).ReplaceAll(), c.count);
    EXPECT_EQ(doc.editor.Text(), c.expected);
  }
}

TEST_F(FindReplaceTest, ReplaceOneByOneContinuesAfterEachReplacement) {
  for (const SearchDirection direction : {SearchDirection::All, SearchDirection::Down, SearchDirection::Up}) {
    SCOPED_TRACE(static_cast<int>(direction));
    doc.editor.Clear();
    doc.add(u"ABCDEFGH ABCDEFGH ABCDEFGH", kEnglish);
    doc.editor.SetSelStart(direction == SearchDirection::Up ? doc.editor.TextLength() : 0);
    FindOptions o = english();
    o.direction = direction;
    FindReplace& f = search(u"ABCDEFGH", u"xyz", o);
    ASSERT_EQ(f.FindNext(), FindResult::Found);
    int replaced = 0;
    for (ReplaceResult r; (r = f.Replace()).replaced && replaced < 10;) {
      ++replaced;
      if (r.next == FindResult::Finished) break;
    }
    EXPECT_EQ(replaced, 3);
    EXPECT_EQ(doc.editor.Text(), u"xyz xyz xyz");
  }
}

TEST_F(FindReplaceTest, UpFindsOnlyBeforeTheCaretAndDownOnlyAfterIt) {
  doc.add(u"ab ab ab ab", kEnglish);
  doc.editor.SetSelStart(5);
  FindOptions up = english();
  up.direction = SearchDirection::Up;
  search(u"ab", u"", up);
  EXPECT_EQ(found_places(), (std::vector<int>{3, 0}));
  doc.editor.SetSelStart(5);
  FindOptions down = english();
  down.direction = SearchDirection::Down;
  search(u"ab", u"x", down);
  EXPECT_EQ(found_places(), (std::vector<int>{6, 9}));
  doc.editor.SetSelStart(5);
  finder.Reset();
  EXPECT_EQ(finder.ReplaceAll(), 2);
  EXPECT_EQ(doc.editor.Text(), u"ab ab x x");
  doc.editor.SetSelStart(5);
  search(u"ab", u"y", up).ReplaceAll();
  EXPECT_EQ(doc.editor.Text(), u"y y x x");
}

TEST_F(FindReplaceTest, SearchesGoAcrossRunsOfOtherFontsBothWays) {
  doc.add(u"ab ", kEnglish);
  doc.add(u"ab", kPivotFont);
  doc.add(u" ab ", kEnglish);
  doc.editor.Select(7, 1);
  doc.editor.SetFontBold(true);  // the b of the second English ab is a run of its own
  doc.add(u"ab", kEnglish);
  FindOptions up = english();
  up.direction = SearchDirection::Up;
  doc.editor.SetSelStart(doc.editor.TextLength());
  search(u"ab", u"", up);
  EXPECT_EQ(found_places(), (std::vector<int>{9, 6, 0}));
  search(u"ab", u"", english());
  EXPECT_EQ(found_places(), (std::vector<int>{0, 6, 9}));
}

TEST_F(FindReplaceTest, FinishingStartsTheNextSearchAfresh) {
  doc.add(u"one two one", kEnglish);
  search(u"one", u"", english());
  EXPECT_EQ(found_places(), (std::vector<int>{0, 8}));
  EXPECT_FALSE(finder.Initialised());
  EXPECT_EQ(finder.FindNext(), FindResult::Found);
  EXPECT_EQ(doc.editor.SelStart(), 0);
}

TEST_F(FindReplaceTest, WholeWordsEndAtCharactersThatDoNotFormWords) {
  // In the pivot font ';' is the letter SA: `gk;` is one word, not `gk` and a mark.
  doc.add(u"gk gk; gk, agk gk", kPivotFont);
  FindOptions o = punjabi();
  o.whole_words = true;
  search(u"gk", u"", o, kPivotFont);
  EXPECT_EQ(found_places(), (std::vector<int>{0, 7, 15}));
  o.whole_words = false;
  search(u"gk", u"", o, kPivotFont);
  EXPECT_EQ(found_places(), (std::vector<int>{0, 3, 7, 12, 15}));
}

TEST_F(FindReplaceTest, EnglishSearchesOtherFontsAndCaseCountsOnlyWhenAsked) {
  doc.add(u"Go go ", kEnglish);
  doc.add(u"go", kPivotFont);
  search(u"go", u"", english());
  EXPECT_EQ(found_places(), (std::vector<int>{0, 3})) << "the pivot font's `go` is Gurmukhi, not English";
  FindOptions exact = english();
  exact.match_case = true;
  search(u"go", u"", exact);
  EXPECT_EQ(found_places(), (std::vector<int>{3}));
  search(u"go", u"", punjabi(), kPivotFont);
  EXPECT_EQ(found_places(), (std::vector<int>{6}));
}

TEST_F(FindReplaceTest, SimilarWordsAreFoundInEveryGurmukhiFontOfTheDocument) {
  // `kr`, its nukta form and its bindi form, in the pivot font and in
  // AnmolLipi, and once as Unicode text in a font that is not Gurmukhi.
  doc.add(u"kr k\u007C kIr ", kPivotFont);
  const std::u16string anmol = in_font("kr kIr", kAnmol);
  doc.add(anmol, kAnmol);
  const std::u16string unicode = GurToUnicode("kr");
  doc.add(u" " + unicode, kEnglish);
  const int anmol_start = 10;
  const int anmol_second = anmol_start + static_cast<int>(in_font("kr ", kAnmol).size());
  const int unicode_start = anmol_start + static_cast<int>(anmol.size()) + 1;
  search(u"kr", u"", punjabi(true), kPivotFont);
  EXPECT_EQ(found_places(), (std::vector<int>{0, 3, 6, anmol_start, anmol_second, unicode_start}));
  search(u"kr", u"", punjabi(false), kPivotFont);
  EXPECT_EQ(found_places(), (std::vector<int>{0, anmol_start, unicode_start}));
}

TEST_F(FindReplaceTest, ReplacementsAreWrittenInTheFontOfEachOccurrence) {
  doc.add(u"kr ", kPivotFont);
  doc.add(in_font("kIr", kAnmol), kAnmol);
  const int count = search(u"kr", u"ek", punjabi(true), kPivotFont).ReplaceAll();
  EXPECT_EQ(count, 2);
  const std::vector<TextRun> runs = doc.editor.Runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, u"ek ");
  EXPECT_EQ(runs[1].text, in_font("ek", kAnmol));
  EXPECT_EQ(runs[1].format.font_name, kAnmol);
}

TEST_F(FindReplaceTest, VariantsCanBeReplacedByTheWordItself) {
  doc.add(u"kr kIr k\u007C", kPivotFont);
  EXPECT_EQ(search(u"kr", u"kr", punjabi(true), kPivotFont).ReplaceAll(), 2) << "the word itself is left alone";
  EXPECT_EQ(doc.editor.Text(), u"kr kr kr");
}

TEST_F(FindReplaceTest, EqualFindAndReplaceTextsChangeNothing) {
  doc.add(u"same same", kEnglish);
  FindReplace& f = search(u"same", u"same", english());
  ASSERT_EQ(f.FindNext(), FindResult::Found);
  const ReplaceResult r = f.Replace();
  EXPECT_TRUE(r.same_texts);
  EXPECT_FALSE(r.replaced);
  EXPECT_EQ(f.ReplaceAll(), 0);
  EXPECT_EQ(doc.editor.Text(), u"same same");
}

TEST_F(FindReplaceTest, ReplaceAllIsOneUndoStepAndKeepsTheFormatOfEachPlace) {
  doc.add(u"cat ", kEnglish);
  doc.editor.Select(0, 3);
  doc.editor.SetFontBold(true);
  doc.editor.SetSelStart(doc.editor.TextLength());
  doc.add(u"cat", kEnglish);
  EXPECT_EQ(search(u"cat", u"dog", english()).ReplaceAll(), 2);
  EXPECT_EQ(doc.editor.Text(), u"dog dog");
  doc.editor.Select(0, 1);
  EXPECT_TRUE(doc.editor.FontBold());
  doc.editor.Select(5, 1);
  EXPECT_FALSE(doc.editor.FontBold());
  doc.editor.Undo();
  EXPECT_EQ(doc.editor.Text(), u"cat cat");
}

TEST_F(FindReplaceTest, ReplaceWithoutAFoundOccurrenceFindsFirst) {
  doc.add(u"x a x", kEnglish);
  doc.editor.Select(2, 1);
  FindReplace& f = search(u"x", u"y", english());
  const ReplaceResult r = f.Replace();
  EXPECT_FALSE(r.replaced) << "the selection was not found by the search";
  EXPECT_EQ(r.next, FindResult::Found);
  EXPECT_EQ(doc.editor.SelStart(), 0);
  EXPECT_TRUE(f.Replace().replaced);
  EXPECT_EQ(doc.editor.Text(), u"y a x");
}

}  // namespace
}  // namespace quilm
