#include "dict/affix_list.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "sort/sort_key.h"

namespace quilm {
namespace {

Bytes reversed(BytesView text) { return Bytes(text.rbegin(), text.rend()); }

std::vector<Bytes> in_collation_order(std::vector<Bytes> words) {
  std::vector<std::pair<Bytes, std::size_t>> keyed;
  keyed.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) keyed.emplace_back(ConvertGurmukhiToSort(words[i]), i);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Bytes> out;
  out.reserve(words.size());
  for (const auto& [key, i] : keyed) out.push_back(std::move(words[i]));
  return out;
}

}  // namespace

std::vector<Bytes> affix_list(Table& wordlist, BytesView text, AffixSide side) {
  if (text.empty()) return {};
  const bool suffix = side == AffixSide::Suffix;
  if (!wordlist.SetIndexName(suffix ? "SORTWORD" : "WORD")) return {};
  const Bytes wanted = suffix ? reversed(text) : Bytes(text);
  const char* field = suffix ? "SortWord" : "Word";
  std::vector<Bytes> words;
  if (!wordlist.FindNearest({FieldValue(wanted)})) return {};
  for (; !wordlist.Eof(); wordlist.Next()) {
    if (!wordlist.FieldByName(field).as_text().starts_with(wanted)) break;
    words.push_back(wordlist.FieldByName("Word").as_text());
  }
  if (words.size() < kAffixSortLimit) return in_collation_order(std::move(words));
  return words;
}

}  // namespace quilm
