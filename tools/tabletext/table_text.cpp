#include "tools/tablegen/text_table.h"

#include <charconv>
#include <fstream>

namespace tablegen {

void Record::fail(const std::string& message) const {
  throw TableError(file + ":" + std::to_string(line) + ": " + message);
}

const Field& Record::at(std::size_t i) const {
  if (i >= fields.size()) fail("missing field " + std::to_string(i + 1));
  return fields[i];
}

namespace {

// Splits one line into fields; returns false for a blank or comment line.
std::vector<Field> split_fields(const Record& r, const std::string& text) {
  std::vector<Field> fields;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string::npos) r.fail("unterminated quoted string");
      fields.push_back({text.substr(i + 1, close - i - 1), true});
      i = close + 1;
    } else {
      std::size_t end = i;
      while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != '\r' &&
             text[end] != '#')
        ++end;
      fields.push_back({text.substr(i, end - i), false});
      i = end;
    }
  }
  return fields;
}

template <typename T>
bool parse_number(const std::string& text, int base, T& out) {
  const char* first = text.data();
  const char* last = first + text.size();
  auto [ptr, ec] = std::from_chars(first, last, out, base);
  return ec == std::errc() && ptr == last && first != last;
}

}  // namespace

std::vector<Record> read_records(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TableError(path + ": cannot open");
  std::vector<Record> records;
  std::string text;
  int line = 0;
  while (std::getline(in, text)) {
    ++line;
    Record r{path, line, {}};
    r.fields = split_fields(r, text);
    if (!r.fields.empty()) records.push_back(std::move(r));
  }
  return records;
}

int parse_int(const Record& r, const Field& f) {
  int value = 0;
  if (f.quoted || !parse_number(f.text, 10, value)) r.fail("expected a number, found \"" + f.text + "\"");
  return value;
}

std::uint8_t parse_byte(const Record& r, const Field& f) {
  unsigned value = 0;
  if (f.quoted || f.text.size() != 4 || f.text.compare(0, 2, "0x") != 0 ||
      !parse_number(f.text.substr(2), 16, value))
    r.fail("expected a byte written 0xHH, found \"" + f.text + "\"");
  return static_cast<std::uint8_t>(value);
}

bool is_code_point(const Field& f) { return !f.quoted && f.text.compare(0, 2, "U+") == 0; }

char32_t parse_code_point(const Record& r, const Field& f) {
  unsigned long value = 0;
  if (!is_code_point(f) || f.text.size() < 6 || f.text.size() > 8 ||
      !parse_number(f.text.substr(2), 16, value) || value > 0x10FFFF)
    r.fail("expected a code point written U+XXXX, found \"" + f.text + "\"");
  return static_cast<char32_t>(value);
}

}  // namespace tablegen
