// Small helpers for writing generated C++: literals that reproduce table
// contents exactly (bytes, code points, strings with blanks).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tablegen {

// A C++ string literal holding exactly `text` (printable ASCII kept, the rest escaped).
std::string string_literal(std::string_view text);
// A C++ string literal of arbitrary bytes, every byte as \xHH.
std::string bytes_literal(std::string_view bytes);
// A char32_t string literal, every code point as \UXXXXXXXX.
std::string u32_literal(std::u32string_view text);

// The C++ constant for a table name: iscii_to_gur -> kIsciiToGur.
std::string constant_name(std::string_view name);

// The banner at the top of every generated file.
std::string generated_banner(std::string_view sources);

// Writes the generated file; fails with TableError when it cannot.
void write_output(const std::string& path, const std::string& contents);

}  // namespace tablegen
