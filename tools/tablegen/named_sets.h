// Named byte-set tables (dict/tables/similar_word_sets.txt): each set is a
// C++ constant ByteSet under its own name.
#pragma once

#include <string>

namespace tablegen {

// The generated C++ text; throws TableError for a malformed table.
std::string generate_named_sets(const std::string& path);

}  // namespace tablegen
