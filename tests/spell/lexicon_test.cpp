// Lookups in the word collections, and the additional dictionary's save.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "spell/lexicon.h"
#include "spell/lookup_form.h"
#include "spell/word_list_build.h"
#include "spell/word_list_files.h"
#include "tests/support/temp_dir.h"

namespace quilm {
namespace {

WordSections sections_of(int count, const std::vector<Bytes>& words) {
  WordSections s(count);
  std::vector<Bytes> sorted = words;
  std::sort(sorted.begin(), sorted.end());
  for (const Bytes& w : sorted) s.append_loaded(std::min<int>(static_cast<int>(w.size()), count), w);
  for (int i = 1; i <= count; ++i) s.set_capacity(i, s.section(i).size() + additional_section_slack(i));
  return s;
}

class LexiconTest : public ::testing::Test {
 protected:
  LexiconTest() {
    lexicon.set_main_list(sections_of(21, {"ek", "gk", "go", "ezk", "gkI"}));
    lexicon.set_additional_dictionary(sections_of(21, {"to", Bytes(20, 'v'), Bytes(22, 'w')}), "", true);
    IgnoreList ignore;
    ignore.append_loaded("gk");
    lexicon.set_ignore_list(std::move(ignore));
    lexicon.english().insert("back");
  }
  SpellLexicon lexicon;
};

TEST_F(LexiconTest, PunjabiWordsAreLookedUpByLength) {
  struct Case {
    Bytes word;
    bool known;
  };
  const Case cases[] = {
      {"", true},                      // no lookup for the empty word
      {"Q", true},                     // nor for one letter
      {"ek", true},                    // main list
      {"to", true},                    // additional dictionary
      {"ezk", true},
      {"xy", false},
      {"gk", false},                   // in the ignore list too
      {Bytes(20, 'v'), true},          // 20 bytes: additional dictionary only
      {Bytes(22, 'w'), true},          // 22 bytes: section 21's records of 22 bytes
      {Bytes(23, 'w'), false},         // 23 to 100 bytes are never known
      {Bytes(101, 'w'), true},         // beyond 100 bytes: accepted
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(lexicon.Lookup_dictionaries(c.word, LookupMode::Punjabi), c.known);
  }
}

TEST_F(LexiconTest, EnglishWordsAreLookedUpInLowerCaseWithoutOuterMarks) {
  EXPECT_EQ(english_dic_format("'Back-"), "back");
  EXPECT_EQ(english_dic_format("-"), "-");
  EXPECT_TRUE(lexicon.Lookup_dictionaries(english_dic_format("BACK"), LookupMode::English));
  EXPECT_TRUE(lexicon.Lookup_dictionaries("x", LookupMode::English));
  EXPECT_FALSE(lexicon.Lookup_dictionaries("bcak", LookupMode::English));
  // Ignore.txt holds pivot glyphs, which must not hit English words.
  lexicon.english().insert("gk");
  EXPECT_TRUE(lexicon.Lookup_dictionaries("gk", LookupMode::English));
}

TEST_F(LexiconTest, IgnoreAllFoldsCaseOnlyForEnglish) {
  lexicon.ignore_all().add("ek", LookupMode::Punjabi);
  lexicon.ignore_all().add("Teh", LookupMode::English);
  EXPECT_TRUE(lexicon.search_ignorelist("ek", LookupMode::Punjabi));
  EXPECT_FALSE(lexicon.search_ignorelist("EK", LookupMode::Punjabi));  // another Gurmukhi word
  EXPECT_TRUE(lexicon.search_ignorelist("TEH", LookupMode::English));
  EXPECT_FALSE(lexicon.search_ignorelist("teh", LookupMode::Punjabi));
  for (int i = 0; i < 2000; ++i) lexicon.ignore_all().add("w" + std::to_string(i), LookupMode::Punjabi);
  EXPECT_TRUE(lexicon.search_ignorelist("w5", LookupMode::Punjabi));  // nothing is overwritten
  lexicon.ignore_all().add(Bytes(60, 'z'), LookupMode::Punjabi);  // long words are kept whole
  EXPECT_TRUE(lexicon.search_ignorelist(Bytes(60, 'z'), LookupMode::Punjabi));
  EXPECT_FALSE(lexicon.search_ignorelist(Bytes(59, 'z'), LookupMode::Punjabi));
}

TEST_F(LexiconTest, HyphenatedWordsOfTwoKnownPartsAreKnown) {
  struct Case {
    Bytes word;
    bool known;
  };
  const Case cases[] = {{"ek-go", true}, {"ek-xy", false}, {"-ek", false}, {"ek-", false},
                        {"ek-go-to", false}, {"ek", false}, {"e-k", true}};  // one letter is always known
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(lexicon.search_hyphenlist(c.word, LookupMode::Punjabi), c.known);
  }
}

TEST_F(LexiconTest, AddedWordsGoInOrderUntilTheSectionIsFull) {
  EXPECT_EQ(lexicon.add_punjabi_word("ab"), AddResult::Added);
  EXPECT_TRUE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));
  EXPECT_EQ(lexicon.additional_dictionary().section(2), (std::vector<Bytes>{"ab", "to"}));
  EXPECT_EQ(lexicon.add_punjabi_word("a"), AddResult::NotAdded);
  EXPECT_EQ(lexicon.add_punjabi_word(Bytes(22, 'a')), AddResult::NotAdded);
  AddResult last = AddResult::Added;
  for (int i = 0; i < 20 && last == AddResult::Added; ++i) last = lexicon.add_punjabi_word(Bytes(19, 'a' + i));
  EXPECT_EQ(last, AddResult::SectionFull);  // section 19: room for 0 + 20 records less one
}

TEST(AdditionalDictionarySave, IsAtomicAndRefusedAfterAPartialLoad) {
  test::TempDir dir;
  Bytes good = empty_additional_dictionary();
  dir.write("good.dic", good);
  SpellLexicon lexicon;
  ASSERT_TRUE(lexicon.LoadExtraDictionary(dir / "good.dic"));
  ASSERT_EQ(lexicon.add_punjabi_word("ab"), AddResult::Added);
  ASSERT_TRUE(lexicon.save_additional_dictionary());
  EXPECT_NE(dir.read("good.dic"), good);
  ASSERT_TRUE(lexicon.LoadExtraDictionary(dir / "good.dic"));
  EXPECT_TRUE(lexicon.Lookup_dictionaries("ab", LookupMode::Punjabi));

  // Damaged after its first section: what was read is used, nothing is written.
  const Bytes damaged = "1\r\n5\r\n" + Bytes("0\r\n") + "x\r\n";
  dir.write("bad.dic", damaged);
  const Status st = lexicon.LoadExtraDictionary(dir / "bad.dic");
  ASSERT_FALSE(st);
  EXPECT_EQ(st.message().rfind("Problem in additional dictionary", 0), 0u) << st.message();
  lexicon.add_punjabi_word("cd");
  EXPECT_FALSE(lexicon.save_additional_dictionary());
  EXPECT_EQ(dir.read("bad.dic"), damaged);
}

TEST(LookupForm, PrecomposedAndDecomposedNuktaGiveOneWord) {
  struct Case {
    std::u16string precomposed, decomposed;
  };
  const Case cases[] = {
      {u"\u0A36\u0A47\u0A30", u"\u0A38\u0A3C\u0A47\u0A30"},  // ਸ਼ੇਰ
      {u"\u0A59\u0A3E\u0A38", u"\u0A16\u0A3C\u0A3E\u0A38"},  // ਖ਼ਾਸ
      {u"\u0A59\u0A41\u0A38\u0A3C", u"\u0A16\u0A3C\u0A41\u0A38\u0A3C"},
      {u"\u0A5B\u0A3F\u0A70\u0A26", u"\u0A1C\u0A3C\u0A3F\u0A70\u0A26"},
      {u"\u0A5E\u0A30\u0A15", u"\u0A2B\u0A3C\u0A30\u0A15"},  // ਫ਼ਰਕ
      {u"\u0A33", u"\u0A32\u0A3C"},
      {u"\u0A5A\u0A32\u0A24", u"\u0A17\u0A3C\u0A32\u0A24"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.decomposed.size()));
    EXPECT_EQ(lookup_form_of_unicode(c.precomposed), lookup_form_of_unicode(c.decomposed));
    EXPECT_FALSE(lookup_form_of_unicode(c.precomposed).empty());
  }
}

}  // namespace
}  // namespace quilm
