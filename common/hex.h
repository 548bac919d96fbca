// Hexadecimal text: the one notation in which the command-line tool, the
// generators' table files and the tests write byte strings and UTF-16 text.
//
// A byte is exactly two hexadecimal digits ("6B", "a2"), a UTF-16 code unit
// exactly four ("0A15"); blanks (space, tab, carriage return) separate them:
// "6B A2 0a". Anything else in the text is a bad token, reported by name.
// Printing writes upper-case digits separated by single spaces, which the
// parser reads back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace quilm::hex {

// One byte: exactly two hexadecimal digits, either case; nullopt otherwise.
std::optional<std::uint8_t> parse_byte(std::string_view token);

// The bytes of `text`. On a bad token returns nullopt and, when `error` is
// given, sets it to a sentence naming the token ("\"6BA\" is not a byte:
// write two hexadecimal digits").
std::optional<Bytes> parse_bytes(std::string_view text, std::string* error = nullptr);

// The UTF-16 code units of `text`, four digits each, as parse_bytes.
std::optional<std::u16string> parse_units(std::string_view text, std::string* error = nullptr);

// "6B", upper case.
std::string format_byte(std::uint8_t b);
// "6B A2 0A": the bytes, separated by single spaces; "" for no bytes.
std::string format_bytes(BytesView bytes);
void append_bytes(BytesView bytes, std::string& out);
// "0A15 0A3F": the code units, separated by single spaces.
std::string format_units(std::u16string_view units);

}  // namespace quilm::hex
