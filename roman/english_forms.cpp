#include "roman/english_forms.h"

#include <algorithm>

#include "encoding/sound_order.h"

namespace quilm {
namespace {

enum class Ending { Nasal, IngEnding, Append };

// One ending rule: the Roman word is longer than `longer_than` and ends in
// `suffix`; the stem is the word without `strip` letters plus `stem_tail`;
// each spelling g of the stem becomes g + `pivot` (or, for -ing, g with a
// sihari before its last letter and then tippi and GA).
struct EndingRule {
  std::size_t longer_than;
  std::string_view suffix;
  std::size_t strip;
  std::string_view stem_tail;
  Ending ending;
  std::string_view pivot;
};

constexpr EndingRule kRules[] = {
    {4, "ing", 3, "", Ending::IngEnding, "zr"},
    {4, "ing", 3, "e", Ending::IngEnding, "zr"},
    {6, "dding", 4, "", Ending::IngEnding, "zr"}, {6, "ffing", 4, "", Ending::IngEnding, "zr"},
    {6, "gging", 4, "", Ending::IngEnding, "zr"}, {6, "mming", 4, "", Ending::IngEnding, "zr"},
    {6, "nning", 4, "", Ending::IngEnding, "zr"}, {6, "pping", 4, "", Ending::IngEnding, "zr"},
    {6, "tting", 4, "", Ending::IngEnding, "zr"},
    {3, "ian", 3, "y", Ending::Append, "kI"},
    {3, "ian", 3, "", Ending::Append, "hkI"},
    {3, "iaan", 4, "y", Ending::Append, "kI"},
    {3, "iaan", 4, "", Ending::Append, "hkI"},
    {3, "ies", 3, "y", Ending::Append, "}"},
    {3, "s", 1, "", Ending::Append, ";"},
    {3, "d", 1, "", Ending::Append, "v"},
    {3, "es", 2, "", Ending::Append, ";"},
    {3, "ed", 2, "", Ending::Append, "v"},
    {4, "an", 2, "", Ending::Append, "kI"},
    {4, "an", 2, "e", Ending::Append, "kI"},
    {6, "aan", 3, "", Ending::Append, "kI"},
    {6, "aan", 3, "e", Ending::Append, "kI"},
};

Bytes with_ending(const Bytes& stem, const EndingRule& rule) {
  Bytes word = stem;
  if (rule.ending == Ending::IngEnding) word.insert(word.size() - 1, 1, 'f');  // sihari before the last letter
  word += rule.pivot;
  return RepairGurmukhiWord(word);
}

}  // namespace

std::vector<Bytes> CheckEnglishForms(const RomanDictionaries& dictionaries, std::string_view roman,
                                     const std::vector<Bytes>& fixed, std::size_t limit) {
  std::vector<Bytes> out;
  if (roman.size() < 4) return out;
  for (const EndingRule& rule : kRules) {
    if (roman.size() <= rule.longer_than || !roman.ends_with(rule.suffix)) continue;
    const std::string stem = std::string(roman.substr(0, roman.size() - rule.strip)) + std::string(rule.stem_tail);
    for (const Bytes& g : search_roman_word_window(dictionaries, stem)) {
      if (g.empty() || out.size() >= limit) continue;
      Bytes form = with_ending(g, rule);
      if (std::find(fixed.begin(), fixed.end(), form) == fixed.end() &&
          std::find(out.begin(), out.end(), form) == out.end())
        out.push_back(std::move(form));
    }
  }
  return out;
}

}  // namespace quilm
