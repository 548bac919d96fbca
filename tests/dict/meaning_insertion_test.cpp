// A meaning put into the document from a dictionary window: once, and at
// every later occurrence of the word as a whole word in the same font.
#include <gtest/gtest.h>

#include "dict/meaning_insertion.h"
#include "tests/convert/document_fixture.h"

namespace quilm {
namespace {

constexpr const char* kAnmol = "AnmolLipi";  // ਕਰ is "kr", ਕਰਨਾ "krnw"
constexpr const char* kEnglish = "Arial";

TEST(MeaningInsertion, TheChosenPhraseLosesItsTrailingSeparators) {
  struct Case {
    std::u16string chosen, dropped, expected;
  };
  const Case cases[] = {
      {u"to do, ", u",;", u"to do"},
      {u"city; ", u",;", u"city"},
      {u"a, b", u",;", u"a, b"},
      {u"krnw l", u",l", u"krnw"},
      {u" ,;", u",;", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.chosen.begin(), c.chosen.end()));
    EXPECT_EQ(trimmed_meaning(c.chosen, c.dropped), c.expected);
  }
}

TEST(MeaningInsertion, AClickChoosesThePhraseBetweenSeparators) {
  struct Case {
    std::size_t position;
    std::u16string phrase;
  };
  const std::u16string meanings = u"boy, young lad; son";
  const Case cases[] = {{0, u"boy"}, {3, u"boy"}, {4, u"young lad"}, {9, u"young lad"}, {16, u"son"}, {99, u"son"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_EQ(phrase_around(meanings, c.position), c.phrase);
  }
}

TEST(MeaningInsertion, ReplaceAllTakesWholeWordsOfTheSameFontOnly) {
  test::DocumentFixture doc;
  doc.add(u"kr krnw kr ", kAnmol);
  doc.add(u"kr ", kEnglish);
  doc.add(u"kr", kAnmol);
  doc.editor.SetSelStart(0);
  doc.editor.SetSelLength(2);
  const MeaningText meaning{u"do", kEnglish, 11};
  EXPECT_EQ(insert_meaning_everywhere(doc.editor, u"kr", kAnmol, meaning, doc.fonts), 3);
  EXPECT_EQ(doc.editor.Text(), u"do krnw do kr do") << "krnw holds kr but is another word";
  EXPECT_EQ(doc.editor.SelStart(), 0);
  for (const TextRun& run : doc.editor.Runs()) {
    SCOPED_TRACE(std::string(run.text.begin(), run.text.end()));
    if (run.text.find(u"do") != std::u16string::npos) {
      EXPECT_EQ(run.format.font_name, kEnglish);
      EXPECT_EQ(run.format.font_size, 11);
    }
  }
  doc.editor.Undo();
  EXPECT_EQ(doc.editor.Text(), u"kr krnw kr kr kr") << "one undo step";
}

TEST(MeaningInsertion, AMeaningThatHoldsTheWordIsNotSearchedAgain) {
  test::DocumentFixture doc;
  doc.add(u"kr kr", kAnmol);
  doc.editor.SetSelStart(0);
  doc.editor.SetSelLength(2);
  EXPECT_EQ(insert_meaning_everywhere(doc.editor, u"kr", kAnmol, {u"kr kr", kAnmol, 12}, doc.fonts), 2);
  EXPECT_EQ(doc.editor.Text(), u"kr kr kr kr");
}

TEST(MeaningInsertion, ReplaceOncePutsTheMeaningInItsFont) {
  test::DocumentFixture doc;
  doc.add(u"kr kr", kAnmol);
  doc.editor.SetSelStart(3);
  doc.editor.SetSelLength(2);
  insert_meaning(doc.editor, {u"do", kEnglish, 12});
  EXPECT_EQ(doc.editor.Text(), u"kr do");
  EXPECT_EQ(doc.editor.Runs().back().format.font_name, kEnglish);
}

}  // namespace
}  // namespace quilm
