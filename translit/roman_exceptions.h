// GurRoman.db, the known transliterations: words whose Roman spelling the
// rules get wrong (names, loanwords, ik onkaar), keyed by the pivot word in
// the canonical form of roman_key.h, field "Roman" holding the spelling.
//
// The shipped table is made at build time from a UTF-8 word list: one word a
// line, its Gurmukhi in Unicode, a tab, its Roman spelling.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/status.h"
#include "fonts/conversion.h"
#include "tables/sqlite_table.h"
#include "tables/table_schema.h"
#include "translit/gurmukhi_to_roman.h"

namespace quilm {

inline constexpr const char* kRomanExceptionsFile = "GurRoman.db";
inline constexpr const char* kRomanField = "Roman";

// Lookups in an open exception table on its primary index.
class StoredRomanExceptions final : public RomanExceptionLookup {
 public:
  explicit StoredRomanExceptions(Table& table) : table_(table) {}
  std::optional<std::string> find(BytesView key) override;

 private:
  Table& table_;
};

// The canonical key of a word given in Unicode Gurmukhi.
Bytes roman_key_of_unicode(std::u16string_view word, const FontConverter& converter);

// Writes the table file `out` with `schema` from the word list `word_list`
// (UTF-8, "GURMUKHI<TAB>ROMAN" lines; blank lines and lines starting with
// '#' are skipped). A malformed line or a word given twice fails with its
// line number, and nothing is written.
Status build_roman_exceptions(const TableSchema& schema, BytesView word_list, const std::filesystem::path& out,
                              const FontConverter& converter);

}  // namespace quilm
