// UTF-8 for the formats that store text that way (HTML, CSS, XML, .pbi).
// The editor holds UTF-16; a surrogate without its partner has no UTF-8
// form, so writers escape it themselves before they get here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quilm {

// Appends the UTF-8 form of the code point `cp` (below 0x110000).
void append_utf8(std::string& out, char32_t cp);

// The UTF-16 text of UTF-8 bytes; nullopt when they are not UTF-8 (a bad
// sequence, an overlong form, a surrogate code). `bad_offset` gets the byte
// offset of the first fault.
std::optional<std::u16string> utf16_from_utf8(std::string_view bytes, std::size_t* bad_offset = nullptr);

// The UTF-8 bytes of UTF-16 text, a surrogate pair as one code point;
// nullopt when a surrogate lacks its partner.
std::optional<std::string> utf8_from_utf16(std::u16string_view text);

// Appends a code point to UTF-16 text.
void append_utf16(std::u16string& out, char32_t cp);

}  // namespace quilm
