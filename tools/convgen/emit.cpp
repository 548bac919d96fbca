// C++ source of the compiled converter tables.
#include "tools/convgen/emit.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "fonts/conversion_tables.h"
#include "tools/tabletext/table_text.h"

namespace convgen {
namespace {

using quilm::kFontIndexSlots;

std::string glyphs(const ByteString& bytes) {
  std::string s = "{{";
  for (std::size_t i = 0; i < bytes.size(); ++i) s += (i ? ", " : "") + tabletext::byte_name(bytes[i]);
  return s + "}, " + std::to_string(bytes.size()) + "}";
}

// The step_flag bits of every byte (values as in fonts/conversion_tables.h).
void write_flags(const Member& m, std::ostream& out) {
  std::vector<int> flags(256, 0);
  for (const auto& [pair, unit] : m.units) flags[pair.first] |= 1;
  for (const auto& [byte, rule] : m.rules) flags[byte] |= 2;
  for (std::uint8_t b : m.keep_context) flags[b] |= 4;
  out << "    {{";
  for (int b = 0; b < 256; ++b) out << (b ? "," : "") << flags[b];
  out << "}},\n";
}

std::string byte_set(const std::vector<std::uint8_t>& bytes) {
  unsigned long long words[4] = {0, 0, 0, 0};
  for (std::uint8_t b : bytes) words[b >> 6] |= 1ull << (b & 63);
  std::string s = "ByteSet::from_words({";
  for (int i = 0; i < 4; ++i) s += (i ? ", " : "") + std::to_string(words[i]) + "ull";
  return s + "})";
}

void write_singles(const Member& m, std::ostream& out) {
  out << "    {{\n";
  for (int b = 0; b < 256; ++b) out << (b % 8 == 0 ? "      " : " ") << glyphs(m.single[b]) << (b % 8 == 7 ? ",\n" : ",");
  out << "    }},\n";
}

// begin[b]: position of the first unit that starts with byte b (units sorted by first byte).
void write_unit_index(const Member& m, std::ostream& out) {
  std::vector<int> begin(257, 0);
  for (const auto& [pair, unit] : m.units) ++begin[pair.first + 1];
  for (int b = 1; b <= 256; ++b) begin[b] += begin[b - 1];
  std::vector<std::uint8_t> seconds;
  for (const auto& [pair, unit] : m.units) seconds.push_back(pair.second);
  out << "    {{{";
  for (int b = 0; b <= 256; ++b) out << (b ? "," : "") << begin[b];
  out << "}}, " << byte_set(seconds) << "},\n";
}

ByteString precedence_output(const Member& m, const UnitLine& unit) {
  ByteString out = m.single[unit.first];
  out.insert(out.end(), m.single[unit.second].begin(), m.single[unit.second].end());
  return out;
}

std::size_t longest_single(const Member& m) {
  std::size_t longest = 1;
  for (const ByteString& s : m.single) longest = std::max(longest, s.size());
  return longest;
}

unsigned reader_growth(const Member& m) {
  std::size_t growth = longest_single(m);
  for (const auto& [pair, unit] : m.units) {
    const std::size_t consumed = unit.third ? 3 : 2;
    const std::size_t size = unit.precedence ? precedence_output(m, unit).size() : unit.output.size();
    growth = std::max(growth, (size + consumed - 1) / consumed);
  }
  return static_cast<unsigned>(growth);
}

unsigned writer_growth(const Member& m) {
  std::size_t growth = longest_single(m);
  for (const auto& [pair, unit] : m.units)
    growth = std::max(growth, unit.precedence ? precedence_output(m, unit).size() : unit.output.size());
  for (const auto& [consonant, output] : m.joined) growth = std::max(growth, output.size());
  for (const auto& [byte, rule] : m.rules) growth = std::max(growth, rule.alternate.size());
  return static_cast<unsigned>(growth);
}

void write_reader(const Member& m, std::ostream& out) {
  const std::string units = m.name + "_units";
  if (!m.units.empty()) {
    out << "constexpr ReaderUnit " << units << "[] = {\n";
    for (const auto& [pair, unit] : m.units) {
      const char* kind = unit.third ? "three_byte" : unit.when ? "conditional" : "pair";
      const unsigned third = unit.third ? *unit.third : unit.when ? *unit.when : 0;
      out << "    {" << tabletext::byte_name(unit.first) << ", " << tabletext::byte_name(unit.second) << ", " << tabletext::byte_name(third)
          << ", ReaderUnitKind::" << kind << ", " << (unit.precedence ? "true" : "false") << ", "
          << glyphs(unit.precedence ? precedence_output(m, unit) : unit.output) << "},\n";
    }
    out << "};\n";
  }
  out << "constexpr ReaderTable " << m.name << "{\n    \"" << m.name << "\",\n";
  write_singles(m, out);
  write_flags(m, out);
  write_unit_index(m, out);
  out << "    " << (m.units.empty() ? "{}" : units) << ",\n    " << reader_growth(m) << "};\n\n";
}

const char* action_name(Action action) {
  switch (action) {
    case Action::plain: return "plain";
    case Action::drop: return "drop";
    case Action::append: return "append";
    case Action::join: return "join";
  }
  return "plain";
}

void write_writer(const Member& m, std::ostream& out) {
  const std::string units = m.name + "_units";
  const std::string rules = m.name + "_rules";
  const std::string joined = m.name + "_joined";
  if (!m.units.empty()) {
    out << "constexpr WriterUnit " << units << "[] = {\n";
    for (const auto& [pair, unit] : m.units)
      out << "    {" << tabletext::byte_name(unit.first) << ", " << tabletext::byte_name(unit.second) << ", " << (unit.precedence ? "true" : "false")
          << ", " << glyphs(unit.precedence ? precedence_output(m, unit) : unit.output) << "},\n";
    out << "};\n";
  }
  if (!m.joined.empty()) {
    out << "constexpr WriterUnit " << joined << "[] = {\n";
    for (const auto& [consonant, output] : m.joined)
      out << "    {" << tabletext::byte_name(consonant) << ", 0x61, false, " << glyphs(output) << "},\n";
    out << "};\n";
  }
  std::vector<int> rule_of(256, 0);
  if (!m.rules.empty()) {
    out << "constexpr ContextRule " << rules << "[] = {\n";
    int position = 0;
    for (const auto& [byte, rule] : m.rules) {
      rule_of[byte] = ++position;
      out << "    {" << glyphs(rule.alternate) << ", " << byte_set(rule.previous) << ", "
          << byte_set(rule.before_previous) << "},\n";
    }
    out << "};\n";
  }
  out << "constexpr WriterTable " << m.name << "{\n    \"" << m.name << "\",\n";
  write_singles(m, out);
  write_flags(m, out);
  write_unit_index(m, out);
  out << "    " << (m.units.empty() ? "{}" : units) << ",\n    {{";
  for (int b = 0; b < 256; ++b) out << (b ? "," : "") << rule_of[b];
  out << "}},\n    " << (m.rules.empty() ? "{}" : rules) << ",\n    " << byte_set(m.keep_context) << ",\n";
  for (const PatternLine& p : m.patterns)
    out << "    {PatternAction::" << action_name(p.action) << ", " << tabletext::byte_name(p.glyph) << "},\n";
  out << "    PostPass::" << (m.format_for_quilm ? "format_for_quilm" : "none") << ",\n    " << writer_growth(m)
      << ",\n    " << (m.joined.empty() ? "{}" : joined) << ",\n    PrePass::"
      << (m.sa_nukta_as_sha ? "sa_nukta_as_sha" : "none") << "};\n\n";
}

void write_lookup(const std::vector<Member>& members, Kind kind, const char* type, const char* list,
                  const char* by_font, std::ostream& out) {
  out << "constexpr const " << type << "* " << list << "[] = {\n";
  std::vector<std::string> slots(kFontIndexSlots, "nullptr");
  for (const Member& m : members) {
    if (m.kind != kind) continue;
    out << "    &" << m.name << ",\n";
    for (int font : m.fonts) slots[font] = "&" + m.name;
  }
  out << "};\nconstexpr std::array<const " << type << "*, kFontIndexSlots> " << by_font << " = {\n";
  for (int f = 0; f < kFontIndexSlots; ++f) out << "    " << slots[f] << ",  // " << f << "\n";
  out << "};\n\n";
}

}  // namespace

void write_tables_source(const std::vector<Member>& members, std::ostream& out) {
  out << "// Generated by tools/convgen from fonts/tables/*.tbl; edit the tables, not this file.\n"
         "#include \"fonts/conversion_tables.h\"\n\nnamespace quilm {\nnamespace {\n\n";
  for (const Member& m : members) {
    if (m.kind == Kind::reader) write_reader(m, out);
    else write_writer(m, out);
  }
  write_lookup(members, Kind::reader, "ReaderTable", "kReaders", "kReaderByFont", out);
  write_lookup(members, Kind::writer, "WriterTable", "kWriters", "kWriterByFont", out);
  out << "}  // namespace\n\n"
         "std::span<const ReaderTable* const> all_readers() { return kReaders; }\n"
         "std::span<const WriterTable* const> all_writers() { return kWriters; }\n\n"
         "const ReaderTable* reader_for_font(int font_index) {\n"
         "  return font_index >= 0 && font_index < kFontIndexSlots ? kReaderByFont[font_index] : nullptr;\n}\n\n"
         "const WriterTable* writer_for_font(int font_index) {\n"
         "  return font_index >= 0 && font_index < kFontIndexSlots ? kWriterByFont[font_index] : nullptr;\n}\n\n"
         "}  // namespace quilm\n";
}

}  // namespace convgen
