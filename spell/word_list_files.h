// The word files of the spelling checker, read and written:
//   WList.txt      the main word list: 19 counts, then sections 1 .. 19; the
//                  first byte of a word of 2 to 7 bytes is stored raised by
//                  3 (lengths 2, 4, 6) or 4 (lengths 3, 5, 7), modulo 256;
//   Dict/<name>.dic the additional dictionary: 21 counts, sections 1 .. 21;
//   Ignore.txt     one count, then words of up to 16 bytes.
// Lines end in CR LF (LF alone is read too). Words are pivot bytes.
//
// Nothing in a file is trusted: a count that is not a number or disagrees
// with the lines that follow, a section out of order or a word longer than
// its section allows is refused with a message naming the line. The store
// then holds the sections read before the fault, and the caller knows the
// load was partial.
#pragma once

#include <array>

#include "common/bytes.h"
#include "common/status.h"
#include "spell/ignore_list.h"
#include "spell/word_sections.h"

namespace quilm {

inline constexpr int kMainListSections = 21;        // in memory
inline constexpr int kMainListFileSections = 19;    // in WList.txt
inline constexpr int kAdditionalSections = 21;
inline constexpr std::size_t kMainListSlack = 5;
inline constexpr std::size_t kIgnoreWordCapacity = 16;

// How much the first byte of a main-list word of s bytes is raised in the file.
int main_list_first_byte_raise(int s);
// Room beyond the count of additional-dictionary section s.
std::size_t additional_section_slack(int s);

// Parses into a fresh store (the store is replaced even on failure and then
// holds what was read before the fault).
Status parse_main_word_list(BytesView text, WordSections* out);
Status parse_additional_dictionary(BytesView text, WordSections* out);
Status parse_ignore_list(BytesView text, IgnoreList* out);

// The files' text, CR LF line ends.
Bytes format_main_word_list(const WordSections& words);
Bytes format_additional_dictionary(const WordSections& words);
Bytes format_ignore_list(const IgnoreList& list);

// A dictionary file with no words: 21 lines "0".
Bytes empty_additional_dictionary();

}  // namespace quilm
