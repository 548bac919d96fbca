// The typing pad's word table through typing, deleting, selecting,
// pasting and choosing, on a few dictionary words (the others spelled by
// the rules), and the user's Roman words.
#include <gtest/gtest.h>

#include "encoding/utf16.h"
#include "roman/pad_script.h"
#include "roman/typing_pad.h"
#include "roman/user_roman_words.h"
#include "tests/roman/roman_fixture.h"
#include "tests/support/temp_dir.h"

namespace quilm::test {
namespace {

// Each word as "roman|separators|gurmukhi", the separators escaped.
std::vector<std::string> table(const TypingPad& pad) {
  std::vector<std::string> out;
  for (const PadWord& w : pad.words()) out.push_back(w.roman + '|' + to_utf8(w.separators) + '|' + to_utf8(w.shown));
  return out;
}

class Pad : public ::testing::Test {
 protected:
  Pad() {
    for (const char* s : {"ਸਤਿ", "ਸੱਤ", "ਸਤ"}) data_.dictionaries.punjabi.add("sat", pivot(s));
    for (const char* s : {"ਕਿ", "ਕੀ"}) data_.dictionaries.punjabi.add("ki", pivot(s));
    data_.dictionaries.punjabi.add("ghar", pivot("ਘਰ"));
  }
  void run(std::string_view script) {
    std::vector<std::string> notes;
    ASSERT_TRUE(replay_pad_script(pad_, script, &notes)) << script;
  }
  // The pad's table is what a full retransliteration of its text gives.
  void expect_in_step() {
    TypingPad full(data_);
    ASSERT_TRUE(full.paste(pad_.roman()));
    EXPECT_TRUE(same_word_table(pad_, full)) << to_utf8(pad_.roman());
  }
  RomanData data_;
  TypingPad pad_{data_};
};

struct ScriptCase {
  const char* label;
  const char* script;
  std::vector<std::string> words;
  const char* gurmukhi;
};

TEST_F(Pad, EditsKeepEveryWordWithItsOwnSeparators) {
  const ScriptCase cases[] = {
      {"a word and its blank", "type ki ", {"ki| |ਕਿ"}, "ਕਿ "},
      {"a letter after the blank starts a word", "type ki g", {"ki| |ਕਿ", "g||ਗ"}, "ਕਿ ਗ"},
      {"a blank inside a word splits it", "type ghsat\nmove 2\ntype  ", {"gh| |ਘ", "sat||ਸਤਿ"}, "ਘ ਸਤਿ"},
      {"backspace over the blank joins", "type gh sat\nmove 3\nbackspace", {"ghsat||ਘਸਤ"}, "ਘਸਤ"},
      {"delete over the blank joins", "type gh sat\nmove 2\ndelete", {"ghsat||ਘਸਤ"}, "ਘਸਤ"},
      {"a one-letter word deleted keeps its blanks", "type ki g sat\nmove 4\nbackspace",
       {"ki|  |ਕਿ", "sat||ਸਤਿ"}, "ਕਿ  ਸਤਿ"},
      {"the last one-letter word deleted", "type ki g\nbackspace", {"ki| |ਕਿ"}, "ਕਿ "},
      {"a comma goes where it is typed", "type ki sat\nmove 2\ntype ,", {"ki|, |ਕਿ", "sat||ਸਤਿ"}, "ਕਿ, ਸਤਿ"},
      {"every other character separates", "type ki\\tsat+ki_ghar~ki|sat`ki\\\\ghar\xC3\xA9ki",
       {"ki|\t|ਕਿ", "sat|+|ਸਤਿ", "ki|_|ਕਿ", "ghar|~|ਘਰ", "ki|||ਕਿ", "sat|`|ਸਤਿ", "ki|\\|ਕਿ", "ghar|\xC3\xA9|ਘਰ",
        "ki||ਕਿ"},
       "ਕਿ\tਸਤਿ+ਕਿ_ਘਰ~ਕਿ|ਸਤਿ`ਕਿ\\ਘਰ\xC3\xA9ਕਿ"},
      {"leading separators stay apart", "type  , ki", {"ki||ਕਿ"}, " , ਕਿ"},
      {"a letter typed into the leading separators", "type   ki\nmove 1\ntype g", {"g| |ਗ", "ki||ਕਿ"}, " ਗ ਕਿ"},
      {"a full stop after a word is a danda", "type ghar. ki", {"ghar|. |ਘਰ", "ki||ਕਿ"}, "ਘਰ। ਕਿ"},
      {"everything deleted", "type ki sat\nbackspace\nbackspace\nbackspace\nbackspace\nbackspace\nbackspace", {},
       ""},
      {"a selection typed over", "type ki sat ghar\nselect 1 8\ntype i", {"kihar||ਕਿਹਰ"}, "ਕਿਹਰ"},
      {"a selection deleted", "type ki sat ghar\nselect 2 6\nbackspace", {"ki| |ਕਿ", "ghar||ਘਰ"}, "ਕਿ ਘਰ"},
      {"a paste of several words", "type kighar\nmove 2\npaste  sat, ", {"ki| |ਕਿ", "sat|, |ਸਤਿ", "ghar||ਘਰ"},
       "ਕਿ ਸਤਿ, ਘਰ"},
      {"lines", "type ki\\nsat\\r\\nghar", {"ki|\n|ਕਿ", "sat|\r\n|ਸਤਿ", "ghar||ਘਰ"}, "ਕਿ\nਸਤਿ\r\nਘਰ"},
  };
  for (const ScriptCase& c : cases) {
    SCOPED_TRACE(c.label);
    pad_.clear();
    run(c.script);
    EXPECT_EQ(table(pad_), c.words);
    EXPECT_EQ(to_utf8(pad_.gurmukhi()), c.gurmukhi);
    expect_in_step();
  }
}

TEST_F(Pad, ChoosingTwiceBringsBackTheFormerSpelling) {
  run("type sat ki\nmove 1");
  ASSERT_EQ(pad_.current_word(), 0u);
  const std::vector<std::u16string> before = pad_.alternatives();
  ASSERT_EQ(before.size(), 2u);
  EXPECT_TRUE(pad_.choose(2));
  EXPECT_EQ(to_utf8(pad_.words()[0].shown), "ਸਤ");
  EXPECT_EQ(to_utf8(pad_.alternatives()[1]), "ਸਤਿ");
  EXPECT_TRUE(pad_.choose(2));
  EXPECT_EQ(to_utf8(pad_.words()[0].shown), "ਸਤਿ");
  EXPECT_EQ(pad_.alternatives(), before);
}

TEST_F(Pad, AChoiceHoldsForTheWordWhereverItIsWritten) {
  run("type ki sat ki\nmove 0\nchoose 1");
  EXPECT_EQ(to_utf8(pad_.gurmukhi()), "ਕੀ ਸਤਿ ਕੀ");
  run("move 14\ntype  ki");
  EXPECT_EQ(to_utf8(pad_.gurmukhi()), "ਕੀ ਸਤਿ ਕੀ ਕੀ");
  expect_in_step();
}

TEST_F(Pad, NoChoiceOutsideTheTable) {
  EXPECT_FALSE(pad_.current_word());
  EXPECT_FALSE(pad_.choose(1));  // an empty pad has no current word
  run("type sat ");
  EXPECT_FALSE(pad_.current_word());  // a separator typed: no alternatives shown
  EXPECT_FALSE(pad_.choose(1));
  run("move 1");
  EXPECT_EQ(pad_.current_word(), 0u);
  EXPECT_FALSE(pad_.choose(0));
  EXPECT_FALSE(pad_.choose(3));  // two alternatives only
  EXPECT_EQ(to_utf8(pad_.gurmukhi()), "ਸਤਿ ");
  run("move 999");
  EXPECT_EQ(pad_.current_word(), 0u);
  EXPECT_EQ(pad_.caret(), 4u);
}

TEST_F(Pad, WordsFoundFromEitherPane) {
  run("type  ki, ghar");
  const std::vector<PadWordPlace> places = pad_.places();
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[1].roman_start, 5u);
  EXPECT_EQ(places[1].gurmukhi_start, 5u);
  EXPECT_EQ(places[1].gurmukhi_length, 2u);
  EXPECT_EQ(pad_.word_at_roman(0), 0u);
  EXPECT_EQ(pad_.word_at_roman(4), 0u);
  EXPECT_EQ(pad_.word_at_roman(5), 1u);
  EXPECT_EQ(pad_.word_at_gurmukhi(6), 1u);
}

TEST_F(Pad, TheWindowsTextChangesAreFoundByComparison) {
  struct Step {
    const char* label;
    const char16_t* text;
    std::size_t caret;
    const char* gurmukhi;
  };
  const Step steps[] = {
      {"a key", u"k", 1, "ਕ"},       {"another", u"ki", 2, "ਕਿ"},      {"a blank", u"ki ", 3, "ਕਿ "},
      {"a paste", u"ki sat ghar", 11, "ਕਿ ਸਤਿ ਘਰ"}, {"an undo", u"ki ", 3, "ਕਿ "},
      {"a letter doubled", u"kii ", 3, "ਕੀ "},  {"nothing changed", u"kii ", 1, "ਕੀ "},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.label);
    ASSERT_TRUE(pad_.set_text(s.text, s.caret));
    EXPECT_EQ(to_utf8(pad_.gurmukhi()), s.gurmukhi);
    EXPECT_EQ(pad_.caret(), s.caret);
    expect_in_step();
  }
}

TEST_F(Pad, TheWordLimitRefusesAndChangesNothing) {
  std::u16string many;
  for (std::size_t k = 0; k < TypingPad::kMostWords; ++k) many += u"ki ";
  ASSERT_TRUE(pad_.paste(many));
  const Status refused = pad_.type(u'g');
  EXPECT_FALSE(refused);
  EXPECT_EQ(refused.message(), kTooManyWordsMessage);
  EXPECT_EQ(pad_.roman(), many);
  EXPECT_EQ(pad_.words().size(), TypingPad::kMostWords);
  EXPECT_TRUE(pad_.backspace());
  EXPECT_TRUE(pad_.type(u'i'));  // a letter that makes no new word is taken
  EXPECT_EQ(pad_.words().back().roman, "kii");
}

TEST_F(Pad, IgnoreCaseLowersTheWords) {
  run("type Sat");
  EXPECT_EQ(to_utf8(pad_.gurmukhi()), "ਸਤਿ");
  pad_.set_ignore_case(false);
  EXPECT_EQ(pad_.words()[0].roman, "Sat");
  expect_in_step();
}

TEST_F(Pad, ScriptLinesThatAreNoEvents) {
  for (const char* script : {"typo ki", "move", "move x", "select 1", "choose -1", "backspace 2"}) {
    SCOPED_TRACE(script);
    std::vector<std::string> notes;
    const Status s = replay_pad_script(pad_, script, &notes);
    EXPECT_FALSE(s);
    EXPECT_TRUE(s.message().starts_with("line 1: ")) << s.message();
  }
  std::vector<std::string> notes;
  EXPECT_TRUE(replay_pad_script(pad_, "# a comment\n\ntype sat\nchoose 7\n", &notes));
  EXPECT_EQ(notes, (std::vector<std::string>{"no alternative 7"}));
}

TEST(PaneChanges, TheCommonStartAndEndAreKept) {
  struct Case {
    const char16_t *before, *after;
    std::size_t at, removed;
    const char16_t* inserted;
  };
  const Case cases[] = {{u"", u"ਕ", 0, 0, u"ਕ"},          {u"ਕਿ ਘਰ", u"ਕੀ ਘਰ", 1, 1, u"ੀ"},
                        {u"ਕਿ ਘਰ", u"ਕਿ ਘਰ", 5, 0, u""},    {u"ਕਿ ਘਰ", u"", 0, 5, u""},
                        {u"aaa", u"aa", 2, 1, u""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(to_utf8(c.before) + " -> " + to_utf8(c.after));
    const PaneChange change = pane_change(c.before, c.after);
    EXPECT_EQ(change.at, c.at);
    EXPECT_EQ(change.removed, c.removed);
    EXPECT_EQ(change.inserted, c.inserted);
  }
}

TEST(UserRomanWords, AddedPairsAreKeptSortedAndLoadedBack) {
  TempDir dir;
  RomanDictionary dictionary;
  AddedWord outcome{};
  ASSERT_TRUE(add_user_roman_word(dir.path(), "Kitaab", "ਕਿਤਾਬ", &dictionary, &outcome));
  EXPECT_EQ(outcome, AddedWord::Added);
  ASSERT_TRUE(add_user_roman_word(dir.path(), "ghar", "ਘਰ", nullptr, &outcome));
  ASSERT_TRUE(add_user_roman_word(dir.path(), "kitaab", "ਕਿਤਾਬ", nullptr, &outcome));
  EXPECT_EQ(outcome, AddedWord::AlreadyThere);
  EXPECT_EQ(dir.read(std::string(kUserRomanWordsFile)), "ghar\tਘਰ\nkitaab\tਕਿਤਾਬ\n");
  EXPECT_EQ(utf8_all({dictionary.find("kitaab").begin(), dictionary.find("kitaab").end()}),
            (std::vector<std::string>{"ਕਿਤਾਬ"}));
  RomanDictionary loaded;
  ASSERT_TRUE(load_user_roman_words(dir.path(), loaded));
  EXPECT_EQ(loaded.spelling_count(), 2u);
}

TEST(UserRomanWords, BadInputChangesNothing) {
  TempDir dir;
  const std::pair<const char*, const char*> bad[] = {{"", "ਘਰ"}, {"gh ar", "ਘਰ"}, {"ghar", ""}, {"ghar", "ghar"},
                                                     {"ghar", "ਘਰ ਘਰ"}, {"ghar", "\xff"}};
  for (const auto& [roman, gurmukhi] : bad) {
    SCOPED_TRACE(std::string(roman) + "/" + gurmukhi);
    EXPECT_FALSE(add_user_roman_word(dir.path(), roman, gurmukhi, nullptr, nullptr));
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  dir.write(std::string(kUserRomanWordsFile), "ghar\tਘਰ\nnot a pair\n");
  RomanDictionary loaded;
  const Status s = load_user_roman_words(dir.path(), loaded);
  EXPECT_FALSE(s);
  EXPECT_NE(s.message().find("line 2"), std::string::npos);
  EXPECT_FALSE(add_user_roman_word(dir.path(), "sat", "ਸਤ", nullptr, nullptr));
  EXPECT_EQ(dir.read(std::string(kUserRomanWordsFile)), "ghar\tਘਰ\nnot a pair\n");
}

}  // namespace
}  // namespace quilm::test
