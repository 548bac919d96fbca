// Merging of derived table files with their bases, and the checks that need
// the whole set of members.
#include "tools/convgen/member.h"

#include <algorithm>
#include <functional>
#include <set>

#include "fonts/conversion_tables.h"
#include "fonts/font_index.h"

namespace convgen {
namespace {

using quilm::kFontIndexSlots;
using quilm::kMaxGlyphs;

bool is_identity_font(int font) {
  namespace index = quilm::font_index;
  return font == index::kIdentity || font == index::kPivot || font == index::kNotSupported;
}

Member identity_member(const TableFile& file) {
  Member m;
  m.kind = file.kind;
  m.name = file.name;
  m.file = file.at.file;
  for (int b = 0; b < 256; ++b) m.single[b] = {static_cast<std::uint8_t>(b)};
  return m;
}

void apply_units(const TableFile& file, Member& m) {
  for (const BytePair& pair : file.removed_units) {
    if (m.units.erase(pair) == 0)
      throw TableError(file.at.where() + "removes a unit that its base does not have");
  }
  std::set<BytePair> listed_here;
  for (const UnitLine& unit : file.units) {
    const BytePair pair{unit.first, unit.second};
    if (!listed_here.insert(pair).second)
      throw TableError(unit.at.where() + "two units begin with the same two bytes");
    m.units[pair] = unit;
  }
}

void apply_rules(const TableFile& file, Member& m) {
  if (file.remove_rules) m.rules.clear();
  std::set<std::uint8_t> listed_here;
  for (const RuleLine& rule : file.rules) {
    if (!listed_here.insert(rule.byte).second) throw TableError(rule.at.where() + "a second rule for one byte");
    m.rules[rule.byte] = rule;
  }
}

void apply_patterns(const TableFile& file, Member& m) {
  for (std::size_t i = 0; i < m.patterns.size(); ++i) {
    const auto found = file.patterns.find(kPatternNames[i]);
    if (found != file.patterns.end()) m.patterns[i] = found->second;
  }
}

// Applies one file on top of what its base gave.
void apply_file(const TableFile& file, Member& m) {
  m.name = file.name;
  m.file = file.at.file;
  m.fonts = file.fonts;
  for (const auto& [byte, output] : file.singles) m.single[byte] = output;
  apply_units(file, m);
  apply_rules(file, m);
  if (file.remove_keep_context) m.keep_context.clear();
  if (file.keep_context) m.keep_context = *file.keep_context;
  for (const auto& [consonant, output] : file.joined) m.joined[consonant] = output;
  apply_patterns(file, m);
  if (file.remove_post_pass) m.format_for_quilm = false;
  if (file.post_pass) m.format_for_quilm = true;
  if (file.pre_pass) m.sa_nukta_as_sha = true;
}

void check_sizes(const Member& m) {
  const std::string where = m.file + ": ";
  for (int b = 0; b < 256; ++b)
    if (m.single[b].size() > kMaxGlyphs) throw TableError(where + "an output longer than 7 bytes");
  for (const auto& [pair, unit] : m.units) {
    const std::size_t size =
        unit.precedence ? m.single[pair.first].size() + m.single[pair.second].size() : unit.output.size();
    if (size > kMaxGlyphs) throw TableError(unit.at.where() + "an output longer than 7 bytes");
  }
  for (const auto& [consonant, output] : m.joined)
    if (output.size() > kMaxGlyphs) throw TableError(where + "a joined output longer than 7 bytes");
  for (const auto& [byte, rule] : m.rules)
    if (rule.alternate.size() > kMaxGlyphs) throw TableError(rule.at.where() + "an output longer than 7 bytes");
}

void check_fonts(const std::vector<Member>& members) {
  std::map<std::pair<Kind, int>, std::string> owner;
  for (const Member& m : members) {
    for (int font : m.fonts) {
      if (font < 0 || font >= kFontIndexSlots || is_identity_font(font))
        throw TableError(m.file + ": font index " + std::to_string(font) + " cannot have a converter");
      const auto [it, fresh] = owner.emplace(std::make_pair(m.kind, font), m.name);
      if (!fresh)
        throw TableError(m.file + ": font index " + std::to_string(font) + " is already served by " + it->second);
    }
  }
}

}  // namespace

std::vector<Member> resolve_members(const std::vector<TableFile>& files) {
  std::map<std::string, const TableFile*> by_name;
  for (const TableFile& file : files) {
    if (!by_name.emplace(file.name, &file).second) throw TableError(file.at.where() + "a second file for " + file.name);
  }
  std::map<std::string, Member> done;
  std::set<std::string> in_progress;
  std::function<const Member&(const TableFile&)> resolve = [&](const TableFile& file) -> const Member& {
    if (auto it = done.find(file.name); it != done.end()) return it->second;
    if (!in_progress.insert(file.name).second) throw TableError(file.at.where() + "its bases form a cycle");
    Member m = identity_member(file);
    if (!file.base.empty()) {
      const auto base = by_name.find(file.base);
      if (base == by_name.end()) throw TableError(file.at.where() + "unknown base " + file.base);
      if (base->second->kind != file.kind) throw TableError(file.at.where() + "a reader and a writer cannot derive from each other");
      m = resolve(*base->second);
    }
    apply_file(file, m);
    check_sizes(m);
    in_progress.erase(file.name);
    return done.emplace(file.name, std::move(m)).first->second;
  };
  std::vector<Member> members;
  for (const TableFile& file : files) members.push_back(resolve(file));
  std::sort(members.begin(), members.end(), [](const Member& a, const Member& b) { return a.name < b.name; });
  check_fonts(members);
  return members;
}

}  // namespace convgen
