// Windows code page 1252 and the way legacy glyph bytes reach us from other
// programs. A Windows word processor stores a byte typed in a legacy Gurmukhi
// font as the character code page 1252 gives it (0x93 becomes U+201C), and a
// font marked as a symbol font gets the private-use code U+F000 + byte. Inside
// runs of a legacy font both mean the byte itself.
#pragma once

#include <cstdint>
#include <optional>

#include "editor/document.h"

namespace quilm {

// The character of a byte in code page 1252. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stay U+0081 ….
char16_t cp1252_char(std::uint8_t byte);

// The code page 1252 byte of a character, when it has one.
std::optional<std::uint8_t> cp1252_byte(char16_t c);

// The glyph byte that `c` stands for inside a legacy-font run: the code page
// 1252 byte of a typographic character (U+0152 … U+2122), the low byte of a
// symbol-font code (U+F020 … U+F0FF) or of LibreOffice's code for a byte the
// code page leaves undefined (U+F181 for 0x81); nothing for any other character.
std::optional<std::uint8_t> legacy_byte_for(char16_t c);

// Turns such characters back into their bytes inside every run whose font
// `legacy` names; other runs keep their characters.
void restore_legacy_bytes(Document& doc, const LegacyFontTest& legacy);

}  // namespace quilm
