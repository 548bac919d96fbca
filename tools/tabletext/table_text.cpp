// Reading the generators' text tables.
#include "tools/tabletext/table_text.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <optional>

#include "common/hex.h"

namespace tabletext {

std::string Record::where() const { return file + ":" + std::to_string(line) + ": "; }

void Record::fail(const std::string& message) const { throw TableError(where() + message); }

const Field& Record::at(std::size_t i) const {
  if (i >= fields.size()) fail("missing field " + std::to_string(i + 1));
  return fields[i];
}

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits one line into fields; none for a blank or comment line.
std::vector<Field> split_fields(const Record& r, const std::string& text) {
  std::vector<Field> fields;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (is_blank(c)) {
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
      while (end < text.size() && !is_blank(text[end]) && text[end] != '#') ++end;
      fields.push_back({text.substr(i, end - i), false});
      i = end;
    }
  }
  return fields;
}

template <typename T>
bool parse_number(std::string_view text, int base, T& out) {
  const char* first = text.data();
  const char* last = first + text.size();
  auto [ptr, ec] = std::from_chars(first, last, out, base);
  return ec == std::errc() && ptr == last && first != last;
}

// A byte of a table: what quilm::hex reads, written as quilm::hex prints it.
std::optional<std::uint8_t> table_byte(std::string_view word) {
  const std::optional<std::uint8_t> b = quilm::hex::parse_byte(word);
  if (!b || quilm::hex::format_byte(*b) != word) return std::nullopt;
  return b;
}

[[noreturn]] void not_a_byte(const Record& r, std::string_view word) {
  r.fail("\"" + std::string(word) + "\" is not a byte: write two upper-case hexadecimal digits");
}

}  // namespace

std::vector<Record> read_records(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TableError(path + ": cannot read the file");
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

bool is_byte(std::string_view word) { return table_byte(word).has_value(); }

std::uint8_t parse_byte(const Record& r, const Field& f) {
  const std::optional<std::uint8_t> b = f.quoted ? std::nullopt : table_byte(f.text);
  if (!b) not_a_byte(r, f.text);
  return *b;
}

std::pair<std::uint8_t, std::uint8_t> parse_byte_range(const Record& r, const Field& f) {
  const std::size_t dash = f.text.find('-');
  const std::string_view text = f.text;
  const std::string_view first_word = text.substr(0, dash);
  const std::string_view last_word = dash == std::string::npos ? first_word : text.substr(dash + 1);
  const std::optional<std::uint8_t> first = f.quoted ? std::nullopt : table_byte(first_word);
  const std::optional<std::uint8_t> last = f.quoted ? std::nullopt : table_byte(last_word);
  if (!first || !last)
    r.fail("\"" + f.text + "\" is neither a byte HH nor a range HH-HH (two upper-case hexadecimal digits each)");
  if (*last < *first) r.fail("the range " + f.text + " runs backwards");
  return {*first, *last};
}

int parse_int(const Record& r, const Field& f) {
  int value = 0;
  if (f.quoted || !parse_number(f.text, 10, value)) r.fail("expected a number, found \"" + f.text + "\"");
  return value;
}

bool is_code_point(const Field& f) { return !f.quoted && f.text.compare(0, 2, "U+") == 0; }

char32_t parse_code_point(const Record& r, const Field& f) {
  unsigned long value = 0;
  if (!is_code_point(f) || f.text.size() < 6 || f.text.size() > 8 ||
      !parse_number(std::string_view(f.text).substr(2), 16, value) || value > 0x10FFFF)
    r.fail("expected a code point written U+XXXX, found \"" + f.text + "\"");
  return static_cast<char32_t>(value);
}

std::string byte_name(std::uint8_t b) { return "0x" + quilm::hex::format_byte(b); }

}  // namespace tabletext
