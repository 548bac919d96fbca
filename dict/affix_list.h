// The prefix and suffix lists: the words of the affix word list
// (wordlist1a.dbf) that begin or end with a Gurmukhi string, in Gurmukhi
// order. Words are glyph bytes of font index 31; the table's SortWord holds
// each word reversed, so the words ending in a string are a range of it.
#pragma once

#include <cstddef>
#include <vector>

#include "common/bytes.h"
#include "tables/table.h"

namespace quilm {

enum class AffixSide { Prefix, Suffix };

// Lists longer than this are shown in the table's order, unsorted.
inline constexpr std::size_t kAffixSortLimit = 2400;

// The words of `wordlist` (wordlist1a.dbf, with its indexes WORD and
// SORTWORD) that begin (Prefix) or end (Suffix) with `text`. Fewer than
// kAffixSortLimit words come in the order of their collation keys, equal
// keys in table order; more in table order. An empty `text` gives none.
std::vector<Bytes> affix_list(Table& wordlist, BytesView text, AffixSide side);

}  // namespace quilm
