#include "spell/neighbour_index.h"

#include <algorithm>

namespace quilm {
namespace {

Bytes key_of(BytesView rest, std::size_t position) {
  Bytes key;
  key.reserve(rest.size() + 1);
  key += rest;
  key.push_back(static_cast<char>(position));
  return key;
}

}  // namespace

void NeighbourIndex::add_word(BytesView word) {
  Bytes rest;
  for (std::size_t i = 0; i < word.size(); ++i) {
    rest.assign(word.substr(0, i));
    rest += word.substr(i + 1);
    Bytes& bytes = bytes_[key_of(rest, i)];
    const auto at = std::lower_bound(bytes.begin(), bytes.end(), word[i],
                                     [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); });
    if (at == bytes.end() || *at != word[i]) bytes.insert(at, word[i]);
  }
}

BytesView NeighbourIndex::bytes_at(BytesView rest, std::size_t position) const {
  thread_local Bytes key;
  key.assign(rest);
  key.push_back(static_cast<char>(position));
  const auto it = bytes_.find(BytesView(key));
  return it == bytes_.end() ? BytesView() : BytesView(it->second);
}

}  // namespace quilm
