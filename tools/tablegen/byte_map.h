// Compiles byte-map tables (encoding/tables/iscii.txt, unicode_to_gur.txt,
// devanagari.txt) into C++ constant arrays: for each map, 256 entries of one
// to three output bytes or code points, empty where the table lists nothing.
#pragma once

#include <string>

namespace tablegen {

// The generated C++ text; throws TableError for a malformed table.
std::string generate_byte_maps(const std::string& path);

}  // namespace tablegen
