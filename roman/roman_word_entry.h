// "Add Word" (TAddWord): a pair (Roman spelling, Gurmukhi word) entered
// among the user's own Roman spellings (user_roman_words.h), which the Roman
// dictionary lookup reads beside RomanGur.dbf, and copied to RomanGur.txt
// when that file exists.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "common/status.h"
#include "tables/table.h"

namespace quilm {

inline constexpr std::string_view kWordAlreadyPresent = "Word already present";
inline constexpr std::string_view kRomanWordCopyFile = "RomanGur.txt";

// The first run of ASCII letters in `source`, case kept ("Ab12cd" gives
// "Ab"); empty when it has none. What the Roman box takes from the preset
// word or the editor's selection.
std::string first_roman_letters(std::u16string_view source);

// SearchWord: whether the table (open on its index ROMAN) holds a record
// with both spellings. Every record of the Roman spelling is examined.
bool SearchWord(Table& table, std::string_view roman, BytesView gurmukhi);

enum class AddWordResult { Added, AlreadyPresent, Nothing };

// "&Add ": `roman` lower-cased and the pivot word `gurmukhi` go among the
// user's Roman spellings of `data_folder`, unless either is empty (Nothing)
// or the pair is there already, in those or in the shipped table `shipped`
// (open on its index ROMAN; may be null) (AlreadyPresent). After the pair is
// added, the line "roman gurmukhi" CR LF is appended to RomanGur.txt of
// `data_folder` when that file exists. A failure to add or append is the
// returned Status.
Status add_roman_word(Table* shipped, const std::filesystem::path& data_folder, std::string_view roman,
                      BytesView gurmukhi, AddWordResult* result);

}  // namespace quilm
