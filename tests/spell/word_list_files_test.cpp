// The word files: WList.txt with its raised first bytes, the additional
// dictionary and Ignore.txt, read and written, and refused with a message
// naming the line when they do not hold what their counts say.
#include <gtest/gtest.h>

#include "spell/word_list_files.h"

namespace quilm {
namespace {

Bytes counts_then(const std::vector<int>& counts, int lines, const std::vector<Bytes>& words) {
  Bytes text;
  for (int s = 0; s < lines; ++s) text += std::to_string(s < static_cast<int>(counts.size()) ? counts[s] : 0) + "\r\n";
  for (const Bytes& w : words) text += w + "\r\n";
  return text;
}

TEST(MainWordList, FirstBytesOfLengthsTwoToSevenAreLoweredOnLoading) {
  // "ek" stored as "hk" (raised by 3), "ezk" as "izk" (by 4), a first byte
  // 0xFD of length 3 stored wrapped as 0x01 (and sorted by 0xFD), length 8
  // stored as it is.
  const Bytes text = counts_then({1, 1, 2, 0, 0, 0, 0, 1}, 19, {"a", "hk", "izk", "\x01xy", "abcdefgh"});
  WordSections words;
  ASSERT_TRUE(parse_main_word_list(text, &words)) << parse_main_word_list(text, &words).message();
  EXPECT_EQ(words.section(2), std::vector<Bytes>{"ek"});
  EXPECT_EQ(words.section(3), (std::vector<Bytes>{"ezk", "\xFDxy"}));
  EXPECT_EQ(words.section(8), std::vector<Bytes>{"abcdefgh"});
  EXPECT_EQ(words.section_count(), 21);
  EXPECT_TRUE(words.findable("\xFDxy"));
  EXPECT_EQ(format_main_word_list(words), text);
}

TEST(MainWordList, LfLineEndsAndBlanksBeforeCountsAreRead) {
  Bytes text;
  for (int s = 1; s <= 19; ++s) text += s == 2 ? "  1 words\n" : "0\n";
  text += "hk\n";
  WordSections words;
  ASSERT_TRUE(parse_main_word_list(text, &words));
  EXPECT_TRUE(words.findable("ek"));
}

TEST(WordFiles, DamageIsRefusedWithTheLineAndTheSectionsBeforeItKept) {
  struct Case {
    const char* what;
    Bytes text;
    const char* message;
  };
  const Case cases[] = {
      {"count not a number", counts_then({1}, 2, {}) + Bytes("x\r\n"), "line 3: a word count must be a number"},
      {"header cut short", "0\r\n0\r\n", "ends inside the header"},
      {"fewer words than counted", counts_then({0, 3}, 21, {"ab", "cd"}), "gives 3 words of length 2, but the file ends after 2"},
      {"more lines than counted", counts_then({0, 1}, 21, {"ab", "cd"}), "line 23: more lines than"},
      {"out of order", counts_then({0, 2}, 21, {"cd", "ab"}), "line 23: the words of length 2 are not in ascending order"},
      {"word too long", counts_then({0, 1}, 21, {"abc"}), "line 22: a word of 3 bytes in the section of length 2"},
      {"word too short", counts_then({0, 1}, 21, {"a"}), "line 22: a word of 1 bytes in the section of length 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WordSections words;
    const Status st = parse_additional_dictionary(c.text, &words);
    ASSERT_FALSE(st);
    EXPECT_NE(st.message().find(c.message), std::string::npos) << st.message();
  }
  // A count that moves words into the wrong section is caught: two words
  // of length 2 counted as three, then one of length 3.
  WordSections words;
  const Status st = parse_additional_dictionary(counts_then({0, 3, 1}, 21, {"ab", "cd", "efg", "hij"}), &words);
  ASSERT_FALSE(st);
  EXPECT_EQ(words.section(2), (std::vector<Bytes>{"ab", "cd"}));  // read before the fault
}

TEST(AdditionalDictionary, RoundTripsByteForByteAndKeepsRoomPerSection) {
  const Bytes text = counts_then({1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 21,
                                 {"a", "ab", "cd", Bytes(22, 'x')});
  WordSections words;
  ASSERT_TRUE(parse_additional_dictionary(text, &words));
  EXPECT_EQ(format_additional_dictionary(words), text);
  EXPECT_EQ(words.capacity(1), 1u + 50);
  EXPECT_EQ(words.capacity(2), 2u + 150);
  EXPECT_EQ(words.capacity(8), 0u + 220);
  EXPECT_EQ(words.capacity(21), 1u + 10);
  EXPECT_TRUE(words.findable(Bytes(22, 'x')));  // words of 22 bytes are looked for in section 21
  EXPECT_EQ(empty_additional_dictionary(), counts_then({}, 21, {}));
}

TEST(IgnoreList, ReadsSortedWordsOfUpTo16Bytes) {
  IgnoreList list;
  ASSERT_TRUE(parse_ignore_list("2\r\nab\r\ncd\r\n", &list));
  EXPECT_TRUE(list.holds("cd"));
  EXPECT_FALSE(list.holds("ef"));
  EXPECT_EQ(format_ignore_list(list), "2\r\nab\r\ncd\r\n");
  EXPECT_FALSE(parse_ignore_list("1\r\n" + Bytes(17, 'a') + "\r\n", &list));
  EXPECT_FALSE(parse_ignore_list("2\r\ncd\r\nab\r\n", &list));
  EXPECT_FALSE(parse_ignore_list("3\r\nab\r\n", &list));
}

}  // namespace
}  // namespace quilm
