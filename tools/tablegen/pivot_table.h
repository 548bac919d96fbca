// Compiles the pivot-encoding table (encoding/tables/pivot.txt) into C++
// constant arrays: the meaning of every byte, the alternate glyphs, the byte
// pairs that form one character, and the byte classes.
#pragma once

#include <string>

namespace tablegen {

// The generated C++ text; throws TableError for a malformed table.
std::string generate_pivot_table(const std::string& path);

}  // namespace tablegen
