// Small helpers for the rules that rewrite a pivot word in place: reading a
// position that may lie beyond the end (it reads as 0x00, as past the end of
// a zero-terminated word), testing membership of a set of characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "encoding/byte_set.h"

namespace quilm::translit_detail {

inline std::uint8_t at(BytesView w, std::size_t i) { return i < w.size() ? byte_at(w, i) : 0; }

// A set written as the characters it holds: chars("?/'") .
constexpr ByteSet chars(std::string_view s) {
  ByteSet set;
  for (char c : s) set.insert(static_cast<std::uint8_t>(c));
  return set;
}

inline bool in(const ByteSet& set, std::uint8_t b) { return b != 0 && set.contains(b); }

inline void swap_at(Bytes& w, std::size_t i, std::size_t j) { std::swap(w[i], w[j]); }

}  // namespace quilm::translit_detail
