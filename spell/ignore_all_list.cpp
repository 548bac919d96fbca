#include "spell/ignore_all_list.h"

namespace quilm {

Bytes ascii_upper(BytesView word) {
  Bytes out(word);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

void IgnoreAllList::add(BytesView word, LookupMode mode) {
  if (mode == LookupMode::Punjabi) punjabi_.insert(Bytes(word));
  else english_.insert(ascii_upper(word));
}

bool IgnoreAllList::holds(BytesView word, LookupMode mode) const {
  if (mode == LookupMode::Punjabi) return punjabi_.find(word) != punjabi_.end();
  return english_.find(ascii_upper(word)) != english_.end();
}

}  // namespace quilm
