// Deciding which display fonts to load and which names to substitute.
#include "fonts/display/substitution_plan.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "fonts/display/glyph_map.h"

namespace quilm::display {
namespace {

std::string folded(std::string_view name) {
  std::string out(name);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

std::set<std::string> folded_set(const std::vector<std::string>& names) {
  std::set<std::string> out;
  for (const std::string& n : names) out.insert(folded(n));
  return out;
}

// The stand-in of a Gurmukhi encoding (a Devanagari stand-in is reached by
// the one name it draws for, not by its font index).
const DisplayFont* stand_in_of(const std::vector<DisplayFont>& fonts, int font_index) {
  for (const DisplayFont& f : fonts)
    if (!f.own_name && f.draws_for.empty() && f.font_index == font_index) return &f;
  return nullptr;
}

}  // namespace

DisplayFontPlan plan_display_fonts(const FontRegistry& registry, const std::vector<DisplayFont>& fonts,
                                   const std::vector<std::string>& installed, std::string_view unicode_font) {
  const std::set<std::string> present = folded_set(installed);
  DisplayFontPlan plan;
  std::set<std::string> drawn;  // names some font, installed or loaded, already draws
  for (const DisplayFont& f : fonts) {
    if (f.own_name) drawn.insert(folded(f.family));
    if (!f.own_name || !present.contains(folded(f.family))) plan.to_load.push_back(f);
  }
  for (const FontEncoding& e : registry.encodings()) {
    const DisplayFont* stand_in = stand_in_of(fonts, e.index);
    if (!stand_in) continue;
    for (const std::string& name : names_of_encoding(registry, e.index)) {
      const std::string key = folded(name);
      if (present.contains(key) || drawn.contains(key)) continue;
      plan.substitutions.push_back({name, stand_in->family});
    }
  }
  for (const DisplayFont& f : fonts) {
    if (f.draws_for.empty()) continue;
    const std::string key = folded(f.draws_for);
    if (present.contains(key) || drawn.contains(key)) continue;
    drawn.insert(key);
    plan.substitutions.push_back({f.draws_for, f.family});
  }
  if (!unicode_font.empty() && !present.contains(folded(unicode_font))) {
    plan.substitutions.push_back({std::string(unicode_font), std::string(kUnicodeStandInFamily)});
    plan.load_unicode_stand_in = !present.contains(folded(kUnicodeStandInFamily));
  }
  return plan;
}

}  // namespace quilm::display
