// Reading the project's text tables: one record a line, '#' starts a comment,
// fields are bare words or "quoted strings" (a quoted string keeps its blanks,
// so font names with a trailing blank survive). Every error names the file and
// line, so a malformed table stops the build with a message a person can act on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tablegen {

struct Field {
  std::string text;
  bool quoted = false;
};

struct Record {
  std::string file;
  int line = 0;
  std::vector<Field> fields;

  // "file:line: message", thrown as TableError.
  [[noreturn]] void fail(const std::string& message) const;
  const Field& at(std::size_t i) const;  // fails when the record is shorter
};

class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The non-empty records of a table file, in order.
std::vector<Record> read_records(const std::string& path);

// Field parsers; each fails on the record when the text is not of its form.
int parse_int(const Record& r, const Field& f);
std::uint8_t parse_byte(const Record& r, const Field& f);      // 0xHH
char32_t parse_code_point(const Record& r, const Field& f);    // U+XXXX
bool is_code_point(const Field& f);

}  // namespace tablegen
