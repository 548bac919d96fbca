#include "roman/pad_transliterator.h"

#include <algorithm>

#include "roman/roman_dictionary.h"

namespace quilm {
namespace {

void append_part(std::string& key, std::string_view part) {
  key += std::to_string(part.size());
  key += ':';
  key += part;
}

std::string cache_key(std::string_view word, const RomanWordContext& context) {
  std::string key;
  append_part(key, word);
  append_part(key, context.previous);
  append_part(key, context.before_previous);
  key += context.before_full_stop ? '.' : '-';
  return key;
}

// The recent choice for the word, when it is one of the candidates, first.
void put_recent_choice_first(const RecentChoices& recent, std::string_view word,
                             std::vector<RomanCandidate>& candidates) {
  const std::optional<Bytes> chosen = recent.find(lower_roman(word));
  if (!chosen) return;
  const auto at = std::find_if(candidates.begin(), candidates.end(),
                               [&](const RomanCandidate& c) { return c.pivot == *chosen; });
  if (at != candidates.end()) std::rotate(candidates.begin(), at, at + 1);
}

}  // namespace

std::vector<RomanCandidate> PadTransliterator::candidates(std::string_view word, const RomanWordContext& context,
                                                          bool ignore_case) {
  if (word.empty()) return {};
  const std::string asked = ignore_case ? lower_roman(word) : std::string(word);
  const std::string key = cache_key(asked, context);
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    if (cache_.size() >= kMostRemembered) cache_.clear();
    it = cache_.emplace(key, roman_word_candidates(data_, asked, context)).first;
  }
  std::vector<RomanCandidate> out = it->second;
  put_recent_choice_first(data_.recent, asked, out);
  return out;
}

}  // namespace quilm
