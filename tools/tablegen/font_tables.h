// Compiles the font registry's tables (fonts/data/font_names.txt,
// font_index.txt, font_dropdown.txt) into C++ constant arrays.
#pragma once

#include <string>

namespace tablegen {

struct FontTableSources {
  std::string names;     // the Gurmukhi font-name table
  std::string index;     // the font-index table
  std::string dropdown;  // omissions and additions of the drop-down lists
};

// The generated C++ text; throws TableError for a malformed table.
std::string generate_font_tables(const FontTableSources& sources);

}  // namespace tablegen
