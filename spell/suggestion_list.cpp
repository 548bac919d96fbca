#include "spell/suggestion_list.h"

namespace quilm {

int SuggestionList::FindString(BytesView text) const {
  if (!contains(text)) return -1;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i] == text) return static_cast<int>(i);
  }
  return -1;
}

bool SuggestionList::add_new(BytesView text) {
  if (!members_.insert(Bytes(text)).second) return false;
  entries_.emplace_back(text);
  return true;
}

void SuggestionList::add_always(BytesView text) {
  members_.insert(Bytes(text));
  entries_.emplace_back(text);
}

}  // namespace quilm
