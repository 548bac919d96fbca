#include "tools/tablegen/pivot_table.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "tools/tablegen/cpp_output.h"
#include "tools/tabletext/table_text.h"

namespace tablegen {

using namespace tabletext;

namespace {

constexpr std::size_t kMaxCodePoints = 3;

// Role words of the table and the enumerators of quilm::pivot::Role.
struct RoleWord {
  const char* word;
  const char* enumerator;
  bool has_unicode;  // whether rows of this role must give their characters
};
constexpr RoleWord kRoles[] = {
    {"none", "NoMeaning", false},
    {"control", "Control", true},
    {"consonant", "Consonant", true},
    {"nukta_consonant", "NuktaConsonant", true},
    {"vowel_carrier", "VowelCarrier", true},
    {"independent_vowel", "IndependentVowel", true},
    {"vowel_sign", "VowelSign", true},
    {"nasal_sign", "NasalSign", true},
    {"gemination_sign", "GeminationSign", true},
    {"nukta", "Nukta", true},
    {"subjoined_letter", "SubjoinedLetter", true},
    {"ligature", "Ligature", true},
    {"sign_combination", "SignCombination", true},
    {"other_sign", "OtherSign", true},
    {"digit", "Digit", true},
    {"punctuation", "Punctuation", true},
    {"alternate_glyph", "AlternateGlyph", false},
    {"ignored_glyph", "IgnoredGlyph", false},
};

struct ByteRow {
  const RoleWord* role = nullptr;
  std::u32string unicode;
  std::string name;
};

struct Sequence {
  std::string bytes;
  std::u32string unicode;
  std::string name;
};

struct PivotTable {
  std::array<std::optional<ByteRow>, 256> bytes;
  std::array<std::optional<std::string>, 256> alternates;
  std::vector<Sequence> sequences;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> classes;
};

const RoleWord& find_role(const Record& r, const Field& f) {
  for (const RoleWord& role : kRoles)
    if (!f.quoted && f.text == role.word) return role;
  r.fail("unknown role \"" + f.text + "\"");
}

// Code points from field `i` on, up to a field that is not one; "-" is none.
std::u32string read_code_points(const Record& r, std::size_t& i) {
  std::u32string out;
  if (i < r.fields.size() && !r.fields[i].quoted && r.fields[i].text == "-") {
    ++i;
    return out;
  }
  while (i < r.fields.size() && is_code_point(r.fields[i])) out += parse_code_point(r, r.fields[i++]);
  if (out.empty()) r.fail("expected code points U+XXXX or -");
  if (out.size() > kMaxCodePoints) r.fail("at most three code points");
  return out;
}

std::string read_quoted_name(const Record& r, std::size_t i) {
  if (i + 1 != r.fields.size() || !r.fields[i].quoted) r.fail("expected the name in quotes, last");
  return r.fields[i].text;
}

void read_byte_row(const Record& r, PivotTable& t, int& next_byte) {
  const std::uint8_t b = parse_byte(r, r.at(0));
  if (b != next_byte) r.fail("byte " + byte_name(b) + " out of order, expected " + byte_name(next_byte));
  ++next_byte;
  ByteRow row;
  row.role = &find_role(r, r.at(1));
  std::size_t i = 2;
  row.unicode = read_code_points(r, i);
  row.name = read_quoted_name(r, i);
  if (row.role->has_unicode == row.unicode.empty())
    r.fail(std::string("role ") + row.role->word +
           (row.role->has_unicode ? " needs its characters" : " has no characters: write -"));
  const bool is_control = std::string(row.role->word) == "control";
  if (is_control != (b < 0x20)) r.fail("control bytes are exactly 0x00 to 0x1F");
  if (is_control && row.unicode != std::u32string(1, b)) r.fail("control bytes keep their ASCII meaning");
  t.bytes[b] = std::move(row);
}

void read_alternate(const Record& r, PivotTable& t) {
  const std::uint8_t b = parse_byte(r, r.at(0));
  if (t.alternates[b]) r.fail("alternate " + byte_name(b) + " given twice");
  std::string standard;
  for (std::size_t i = 1; i < r.fields.size(); ++i) standard += static_cast<char>(parse_byte(r, r.fields[i]));
  if (standard.empty() || standard.size() > 3) r.fail("one to three standard bytes");
  t.alternates[b] = standard;
}

void read_sequence(const Record& r, PivotTable& t) {
  Sequence s;
  std::size_t i = 0;
  while (i < r.fields.size() && r.fields[i].text != "->") s.bytes += static_cast<char>(parse_byte(r, r.fields[i++]));
  if (i == r.fields.size()) r.fail("expected BYTES... -> UNICODE... \"name\"");
  if (s.bytes.size() < 2 || s.bytes.size() > 3) r.fail("a sequence has two or three bytes");
  ++i;
  s.unicode = read_code_points(r, i);
  s.name = read_quoted_name(r, i);
  for (const Sequence& other : t.sequences)
    if (other.bytes == s.bytes) r.fail("sequence given twice");
  t.sequences.push_back(std::move(s));
}

void read_class_bytes(const Record& r, PivotTable& t) {
  auto& bytes = t.classes.back().second;
  for (const Field& f : r.fields) {
    const std::uint8_t b = parse_byte(r, f);
    for (std::uint8_t seen : bytes)
      if (seen == b) r.fail(byte_name(b) + " listed twice in the class");
    bytes.push_back(b);
  }
}

// Every alternate glyph has its standard bytes, and those are standard glyphs.
void check_alternates(const std::string& path, const PivotTable& t) {
  for (int b = 0; b < 256; ++b) {
    const bool role_says = std::string(t.bytes[b]->role->word) == "alternate_glyph";
    if (role_says && !t.alternates[b])
      throw TableError(path + ": " + byte_name(b) + " is an alternate glyph without standard bytes");
    if (!t.alternates[b]) continue;
    for (unsigned char s : *t.alternates[b])
      if (t.alternates[s] || std::string(t.bytes[s]->role->word) == "none")
        throw TableError(path + ": standard bytes of " + byte_name(b) + " must be standard glyphs");
  }
}

PivotTable read_pivot_table(const std::string& path) {
  PivotTable t;
  std::string section;
  int next_byte = 0;
  std::set<std::string> class_names;
  for (const Record& r : read_records(path)) {
    const Field& first = r.at(0);
    if (!first.quoted && first.text.starts_with("@")) {
      section = first.text;
      if (section == "@class") {
        if (r.fields.size() != 2) r.fail("expected: @class NAME");
        if (!class_names.insert(r.at(1).text).second) r.fail("class given twice");
        t.classes.push_back({r.at(1).text, {}});
      } else if (r.fields.size() != 1 ||
                 (section != "@bytes" && section != "@alternates" && section != "@sequences")) {
        r.fail("unknown section \"" + section + "\"");
      }
      continue;
    }
    if (section == "@bytes") read_byte_row(r, t, next_byte);
    else if (section == "@alternates") read_alternate(r, t);
    else if (section == "@sequences") read_sequence(r, t);
    else if (section == "@class") read_class_bytes(r, t);
    else r.fail("a row before the first section");
  }
  if (next_byte != 256) throw TableError(path + ": @bytes must list every byte 0x00 to 0xFF");
  check_alternates(path, t);
  return t;
}

std::string u32_view(const std::u32string& s) {
  return "{" + u32_literal(s) + ", " + std::to_string(s.size()) + "}";
}
std::string bytes_view(const std::string& s) {
  return "{" + bytes_literal(s) + ", " + std::to_string(s.size()) + "}";
}

std::string emit(const PivotTable& t) {
  std::ostringstream out;
  out << generated_banner("encoding/tables/pivot.txt") << "namespace {\n\n"
      << "constexpr std::array<ByteMeaning, 256> kByteMeanings = {{\n";
  for (int b = 0; b < 256; ++b) {
    const ByteRow& row = *t.bytes[b];
    out << "    {Role::" << row.role->enumerator << ", " << u32_view(row.unicode) << ", "
        << string_literal(row.name) << "},  // " << byte_name(static_cast<std::uint8_t>(b)) << "\n";
  }
  out << "}};\n\nconstexpr std::array<std::string_view, 256> kAlternates = {{\n";
  for (int b = 0; b < 256; ++b)
    if (t.alternates[b])
      out << "    /* " << byte_name(static_cast<std::uint8_t>(b)) << " */ " << bytes_view(*t.alternates[b]) << ",\n";
    else
      out << "    {},\n";
  out << "}};\n\nconstexpr std::array<PivotSequence, " << t.sequences.size() << "> kSequences = {{\n";
  for (const Sequence& s : t.sequences)
    out << "    {" << bytes_view(s.bytes) << ", " << u32_view(s.unicode) << ", " << string_literal(s.name) << "},\n";
  out << "}};\n\n}  // namespace\n\n";
  for (const auto& [name, bytes] : t.classes) {
    out << "// @class " << name << "\nconst ByteSet " << constant_name(name) << "{";
    for (std::size_t i = 0; i < bytes.size(); ++i) out << (i ? ", " : "") << byte_name(bytes[i]);
    out << "};\n";
  }
  return out.str();
}

}  // namespace

std::string generate_pivot_table(const std::string& path) { return emit(read_pivot_table(path)); }

}  // namespace tablegen
