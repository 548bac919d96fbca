// Lookups over the compiled keystroke tables.
#include "typing/key_tables.h"

#include <algorithm>

namespace quilm::typing {

std::uint8_t second_of(std::span<const GlyphPair> pairs, std::uint8_t first) {
  const auto it = std::find_if(pairs.begin(), pairs.end(), [&](const GlyphPair& p) { return p.first == first; });
  return it == pairs.end() ? 0 : it->second;
}

bool contains_pair(std::span<const GlyphPair> pairs, std::uint8_t first, std::uint8_t second) {
  return std::any_of(pairs.begin(), pairs.end(),
                     [&](const GlyphPair& p) { return p.first == first && p.second == second; });
}

}  // namespace quilm::typing
