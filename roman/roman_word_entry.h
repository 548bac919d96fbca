// "Add Word" (TAddWord): a pair (Roman spelling, Gurmukhi word) entered
// into the Roman dictionary RomanGur.dbf that the Roman dictionary lookup
// reads, and copied to RomanGur.txt when that file exists.
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

// "&Add ": `roman` lower-cased and the pivot word `gurmukhi` go into the
// table as a new record, unless either is empty (Nothing) or the pair is
// there (AlreadyPresent). After the record is posted, the line
// "roman gurmukhi" CR LF is appended to RomanGur.txt of `data_folder` when
// that file exists. A failure to post or append is the returned Status.
Status add_roman_word(Table& table, const std::filesystem::path& data_folder, std::string_view roman,
                      BytesView gurmukhi, AddWordResult* result);

}  // namespace quilm
