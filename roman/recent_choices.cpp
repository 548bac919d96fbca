#include "roman/recent_choices.h"

#include "roman/roman_dictionary.h"

namespace quilm {

void RecentChoices::add(std::string_view roman, BytesView chosen) {
  const std::string key = lower_roman(roman);
  for (int i = 0; i < count_; ++i) {
    Choice& choice = ring_[static_cast<std::size_t>(i)];
    if (choice.roman == key) {  // a word chosen again keeps its place, with the new spelling
      choice.chosen = Bytes(chosen);
      return;
    }
  }
  write_ = (write_ + 1) % kCapacity;
  ring_[static_cast<std::size_t>(write_)] = {key, Bytes(chosen)};
  if (count_ < kCapacity) ++count_;
}

std::optional<Bytes> RecentChoices::find(std::string_view roman) const {
  const std::string key = lower_roman(roman);
  for (int i = 0; i < count_; ++i)
    if (ring_[static_cast<std::size_t>(i)].roman == key) return ring_[static_cast<std::size_t>(i)].chosen;
  return std::nullopt;
}

}  // namespace quilm
