// The font box's names: families and substituted names, less the stand-ins.
#include "fonts/display/font_choice.h"

#include <algorithm>
#include <cctype>

#include "fonts/display/glyph_map.h"

namespace quilm::display {
namespace {

int compare_folded(const std::string& a, const std::string& b) {
  const auto lower = [](unsigned char c) { return std::tolower(c); };
  const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char x, char y) { return lower(x) == lower(y); });
  if (ia == a.end()) return ib == b.end() ? 0 : -1;
  if (ib == b.end()) return 1;
  return lower(*ia) < lower(*ib) ? -1 : 1;
}

bool is_stand_in(const std::string& family, const std::vector<Substitution>& substitutions) {
  return std::any_of(substitutions.begin(), substitutions.end(),
                     [&](const Substitution& s) { return compare_folded(s.family, family) == 0; });
}

// The font name as the registry spells it, or as given when it has no such name.
std::string registry_spelling(const FontRegistry& registry, const std::string& name) {
  for (const FontEncoding& e : registry.encodings())
    for (const std::string& known : names_of_encoding(registry, e.index))
      if (compare_folded(known, name) == 0) return known;
  return name;
}

}  // namespace

std::vector<std::string> font_choice_names(const std::vector<std::string>& families,
                                           const std::vector<Substitution>& substitutions,
                                           const FontRegistry& registry) {
  std::vector<std::string> names;
  for (const std::string& family : families)
    if (!is_stand_in(family, substitutions)) names.push_back(family);
  for (const Substitution& s : substitutions) names.push_back(registry_spelling(registry, s.font_name));
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return compare_folded(a, b) < 0; });
  names.erase(std::unique(names.begin(), names.end(),
                          [](const std::string& a, const std::string& b) { return compare_folded(a, b) == 0; }),
              names.end());
  return names;
}

}  // namespace quilm::display
