// The user's own Roman spellings of Gurmukhi words ("Add Word to Database",
// "Add Word"): a UTF-8 text file of the data folder, kept apart from the
// shipped RomanGur.dbf so that a newer program can refresh that table
// without losing them; one pair a line, the lower-case Roman word, a tab
// and the Gurmukhi word, sorted and without repeats. Its words join the
// Punjabi Roman dictionary when the data is loaded. The file is rewritten
// whole, crash-safely, at each addition.
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
// (which may be null), unless the file or the dictionary holds the pair
// already (AlreadyThere). Bad input is refused with a message and changes
// nothing. Every way of adding a Roman spelling ends here: the typing pad,
// the "Add Word" window and `quilm-cli roman-add`.
Status add_user_roman_word(const std::filesystem::path& folder, std::string_view roman, std::string_view gurmukhi,
                           RomanDictionary* dictionary, AddedWord* outcome);

}  // namespace quilm
