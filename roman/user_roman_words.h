// The user's own Roman spellings of Gurmukhi words ("Add Word to Database"):
// a UTF-8 text file of the data folder, one pair a line, the lower-case
// Roman word, a tab and the Gurmukhi word, sorted and without repeats.
// Its words join the Punjabi Roman dictionary when the data is loaded. The
// file is rewritten whole, crash-safely, at each addition.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/bytes.h"
#include "common/status.h"
#include "roman/roman_dictionary.h"

namespace quilm {

inline constexpr std::string_view kUserRomanWordsFile = "RomanUser.txt";

// Loads the file of `folder` into `dictionary`; a missing file holds no
// words, a damaged line fails the load naming it.
Status load_user_roman_words(const std::filesystem::path& folder, RomanDictionary& dictionary);

enum class AddedWord { Added, AlreadyThere };

// Adds `roman` (the letters A-Z, a-z; kept lower-cased) spelled `gurmukhi`
// (Unicode Gurmukhi, UTF-8) to the file of `folder` and to `dictionary`
// (which may be null). Bad input is refused with a message and changes
// nothing.
Status add_user_roman_word(const std::filesystem::path& folder, std::string_view roman, std::string_view gurmukhi,
                           RomanDictionary* dictionary, AddedWord* outcome);

}  // namespace quilm
