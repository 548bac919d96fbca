// The checking run over the editor: words asked about in order, with their
// places kept in step with the replacements made from the dialog.
#include <gtest/gtest.h>

#include <algorithm>

#include "spell/lookup_form.h"
#include "spell/spell_check_run.h"
#include "spell/word_list_files.h"
#include "tests/convert/document_fixture.h"

namespace quilm {
namespace {

constexpr const char* kPivotFont = "GurmukhiLys 020";

WordSections sections_of(const std::vector<Bytes>& words) {
  WordSections s(21);
  std::vector<Bytes> forms;
  for (const Bytes& w : words) forms.push_back(punjabi_lookup_word(w).word);
  std::sort(forms.begin(), forms.end());
  for (const Bytes& w : forms) s.append_loaded(std::min<int>(static_cast<int>(w.size()), 21), w);
  for (int i = 1; i <= 21; ++i) s.set_capacity(i, s.section(i).size() + additional_section_slack(i));
  return s;
}

class SpellRun : public ::testing::Test {
 protected:
  SpellRun() {
    data.lexicon.set_main_list(sections_of({"ek", "ekw", "gk;", "go"}));
    data.lexicon.set_additional_dictionary(sections_of({}), "", true);
    data.lexicon.english().insert("back");
  }
  // Runs the check; each question is answered by the next answer.
  SpellRunResult run(std::vector<SpellAnswer> answers) {
    std::size_t next = 0;
    SpellCheckRun check(doc.editor, data, doc.fonts, doc.converter, doc.prompter);
    return check.CheckSpelling([&](const SpellQuestion& q) {
      asked.push_back(q);
      colour_while_asked.push_back(doc.editor.ForeColor());
      return next < answers.size() ? answers[next++] : SpellAnswer{SpellAnswer::Kind::Ignore, {}, false};
    });
  }
  std::u16string text() const { return doc.editor.Text(); }

  test::DocumentFixture doc;
  SpellData data;
  std::vector<SpellQuestion> asked;
  std::vector<Color> colour_while_asked;
};

TEST_F(SpellRun, ALongerReplacementMovesTheWordsAfterIt) {
  doc.add(u"xx ek xx go", kPivotFont);
  doc.editor.SetSelStart(0);
  const SpellRunResult r = run({{SpellAnswer::Kind::Change, u"ekw", false}});
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].start, 0);
  EXPECT_EQ(asked[1].word, u"xx");
  EXPECT_EQ(asked[1].start, 7);  // after "ekw ek "
  EXPECT_EQ(text(), u"ekw ek xx go");
  EXPECT_EQ(colour_while_asked[0], kMisspeltColor);
  EXPECT_EQ(doc.editor.Runs().size(), 1u);  // every colour given back
  EXPECT_EQ(r.reported, 2);
  EXPECT_EQ(doc.prompter.messages.back(), "Spell check complete");
}

TEST_F(SpellRun, ChangeAllReplacesWholeWordsOfTheFontOnly) {
  // In the pivot font ';' is SA: "gk;" is another word that holds "gk".
  data.lexicon.set_main_list(sections_of({"ek", "gk;"}));
  doc.add(u"gk gk; gk ", kPivotFont);
  doc.add(u"gk", "Arial");
  doc.editor.SetSelStart(0);
  run({{SpellAnswer::Kind::ChangeAll, u"ek", false}});
  EXPECT_EQ(text(), u"ek gk; ek gk");
  EXPECT_EQ(asked.size(), 2u);  // the English "gk" is asked about too
}

TEST_F(SpellRun, IgnoreAllAndAddSilenceLaterOccuyyences) {
  doc.add(u"xx yy xx yy", kPivotFont);
  doc.editor.SetSelStart(0);
  run({{SpellAnswer::Kind::IgnoreAll, {}, false}, {SpellAnswer::Kind::Add, {}, false}});
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].word, u"yy");
  EXPECT_TRUE(data.lexicon.Lookup_dictionaries(punjabi_lookup_word("yy").word, LookupMode::Punjabi));
  EXPECT_FALSE(data.lexicon.Lookup_dictionaries(punjabi_lookup_word("xx").word, LookupMode::Punjabi));
}

TEST_F(SpellRun, CancelEndsTheRunAndGivesTheColourBack) {
  doc.add(u"xx yy", kPivotFont);
  doc.editor.SetSelStart(0);
  const SpellRunResult r = run({{SpellAnswer::Kind::Cancel, {}, false}});
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(doc.editor.Runs().size(), 1u);
  EXPECT_FALSE(doc.editor.LockWindowUpdate());
  EXPECT_EQ(doc.prompter.progress_ends, 1);
}

TEST_F(SpellRun, WordsInAnUnsupportedFontAreCountedAndTheRunGoesOn) {
  doc.add(u"xx ", "Arial Unicode Gurmukhi Test");  // not a Gurmukhi font: English
  doc.add(u"yy", kPivotFont);
  doc.editor.SetSelStart(0);
  run({});
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(SpellRun, TheRepairKeepsATrailingHyphen) {
  // A doubled bindi is the only fault of "ekII-": it becomes "ekI-".
  data.lexicon.set_main_list(sections_of({"ekI"}));
  doc.add(u"ekII- ekI", kPivotFont);
  doc.editor.SetSelStart(0);
  const SpellRunResult r = run({});
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(r.repaired, 1);
  EXPECT_EQ(text(), u"ekI- ekI");
}

TEST_F(SpellRun, EnglishChangesKeepTheCapitals) {
  doc.add(u"Bcak BCAK", "Arial");
  doc.editor.SetSelStart(0);
  run({{SpellAnswer::Kind::Change, u"back", false}, {SpellAnswer::Kind::Change, u"back", false}});
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_NE(std::find(asked[0].suggestions.begin(), asked[0].suggestions.end(), u"back"), asked[0].suggestions.end());
  EXPECT_EQ(text(), u"Back BACK");
}

}  // namespace
}  // namespace quilm
