// Reading the text tables that the generators compile (tools/tablegen,
// tools/convgen, tools/keygen): one record a line, '#' starts a comment,
// fields are bare words or "quoted strings" (a quoted string keeps its blanks,
// so font names with a trailing blank survive). Every error names the file and
// line, so a malformed table stops the build with a message a person can act on.
//
// Every table writes a byte the same way: two upper-case hexadecimal digits
// ("5A"), the form common/hex.h prints; a range of bytes is "00-1F".
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tabletext {

// A mistake in a table file; the message starts with "file:line: ".
class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Field {
  std::string text;
  bool quoted = false;
};

struct Record {
  std::string file;
  int line = 0;
  std::vector<Field> fields;

  std::string where() const;  // "file:line: "
  // "file:line: message", thrown as TableError.
  [[noreturn]] void fail(const std::string& message) const;
  const Field& at(std::size_t i) const;  // fails when the record is shorter
};

// The non-empty records of a table file, in order.
std::vector<Record> read_records(const std::string& path);

// True when `word` is a byte as the tables write it.
bool is_byte(std::string_view word);
// Field parsers; each fails on the record when the text is not of its form.
std::uint8_t parse_byte(const Record& r, const Field& f);                          // HH
std::pair<std::uint8_t, std::uint8_t> parse_byte_range(const Record& r, const Field& f);  // HH or HH-HH
int parse_int(const Record& r, const Field& f);
char32_t parse_code_point(const Record& r, const Field& f);  // U+XXXX
bool is_code_point(const Field& f);

// "0xA8": a byte as messages and generated code name it.
std::string byte_name(std::uint8_t b);

}  // namespace tabletext
