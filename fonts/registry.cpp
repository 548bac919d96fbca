#include "fonts/registry.h"

#include <algorithm>
#include <cctype>

#include "fonts/registry_data.h"

namespace quilm {

namespace {

// Case-blind order of a sorted list box; names that differ only in case keep
// byte order so the result does not depend on the sort.
bool dropdown_less(const std::string& a, const std::string& b) {
  const auto fold = [](unsigned char c) { return std::tolower(c); };
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [&](unsigned char x, unsigned char y) { return fold(x) < fold(y); });
  const bool greater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(),
      [&](unsigned char x, unsigned char y) { return fold(x) < fold(y); });
  return less || (!greater && a < b);
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

}  // namespace

FontRegistry::FontRegistry() : slots_(registry_data::slot_capacity()), count_(registry_data::slot_count()) {
  const auto filled = registry_data::filled_slots();
  std::copy(filled.begin(), filled.end(), slots_.begin());
  for (int i = 0; i <= count_; ++i) table_names_.insert(slots_[i]);

  // get_font_index compares the shared-encoding group by slot first, then the
  // names of each encoding in table order, and the first equal name decides.
  // Filling the map in that order and never overwriting gives the same answer.
  for (const FontEncoding& e : registry_data::encodings())
    for (const SlotRange& range : e.slot_groups)
      for (int s = range.first; s <= range.last; ++s) index_by_name_.emplace(slots_[s], e.index);
  for (const FontEncoding& e : registry_data::encodings())
    for (std::string_view name : e.names) index_by_name_.emplace(std::string(name), e.index);
}

bool FontRegistry::in_font_table(std::string_view name) const {
  return table_names_.find(name) != table_names_.end();
}

bool FontRegistry::check_font_punjabi(std::string_view name) const {
  return name.size() >= 2 && in_font_table(name);
}

int FontRegistry::get_font_index(std::string_view name) const {
  const auto it = index_by_name_.find(name);
  return it == index_by_name_.end() ? font_index::kNotSupported : it->second;
}

bool FontRegistry::known_font_name(std::string_view name) const {
  const auto added = registry_data::dropdown_added();
  return !name.empty() && (index_by_name_.contains(name) || in_font_table(name) ||
                           std::find(added.begin(), added.end(), name) != added.end());
}

// The index table first, in name order, then the font-name table, then the
// names the drop-down lists add.
std::string FontRegistry::name_ignoring_case(std::string_view name) const {
  if (known_font_name(name)) return std::string(name);
  for (const auto& [known, index] : index_by_name_)
    if (equal_ignoring_case(known, name)) return known;
  for (const std::string& known : table_names_)
    if (!known.empty() && equal_ignoring_case(known, name)) return known;
  for (std::string_view known : registry_data::dropdown_added())
    if (equal_ignoring_case(known, name)) return std::string(known);
  return {};
}

std::span<const FontEncoding> FontRegistry::encodings() const { return registry_data::encodings(); }

const FontEncoding* FontRegistry::encoding(int index) const {
  for (const FontEncoding& e : encodings())
    if (e.index == index) return &e;
  return nullptr;
}

std::vector<std::string> FontRegistry::font_dropdown_names(DropdownExtras extras) const {
  const auto omitted = registry_data::dropdown_omitted();
  std::vector<std::string> names;
  for (int i = 0; i <= count_; ++i) {
    const std::string& name = slots_[i];
    if (name.empty() || std::find(omitted.begin(), omitted.end(), name) != omitted.end()) continue;
    names.push_back(name);
  }
  for (std::string_view added : registry_data::dropdown_added()) names.emplace_back(added);
  if (extras.automatic_detection) names.emplace_back(kAutomaticDetection);
  if (extras.unicode) names.emplace_back(kUnicodeChoice);

  std::sort(names.begin(), names.end(), dropdown_less);
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace quilm
