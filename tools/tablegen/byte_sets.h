// Compiles byte-set tables (convert/tables/word_chars.txt) into a C++ constant
// array of ByteSet, one set per font index 0 to 50.
#pragma once

#include <string>

namespace tablegen {

// The generated C++ text; throws TableError for a malformed table.
std::string generate_byte_sets(const std::string& path);

}  // namespace tablegen
