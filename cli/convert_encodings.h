// The endpoints of quilm-cli convert that are not fonts: "unicode" (UTF-8
// on the terminal, or the program's UTF-16LE files with --utf16), "iscii",
// and "devanagari" (Devanagari Unicode, a destination only).
#pragma once

#include <string>

namespace quilm::cli {

bool is_encoding_endpoint(const std::string& name);

struct EncodingConversion {
  std::string from, to;  // endpoint names, font names or font indices
  int from_font = -1, to_font = -1;  // the font indices where the side is a font
  bool hex = false;    // byte sides (fonts, ISCII) as hexadecimal lines
  bool utf16 = false;  // Unicode sides as UTF-16LE with a byte-order mark
  bool gurmukhi_digits = false;  // a font's digits into Unicode as Gurmukhi numerals
};

// Converts standard input into standard output; returns the exit status.
int run_encoding_conversion(const EncodingConversion& c);

}  // namespace quilm::cli
