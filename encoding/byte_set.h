// A set of byte values (256 bits), the form in which character classes,
// word-character tables and the converter tables' byte sets are kept. Usable
// in constant expressions.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace quilm {

class ByteSet {
 public:
  constexpr ByteSet() = default;
  constexpr ByteSet(std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) insert(b);
  }

  // The set whose bit b of words[b / 64] is set for each member b: the form
  // in which generated tables write a set compactly.
  static constexpr ByteSet from_words(const std::array<std::uint64_t, 4>& words) {
    ByteSet set;
    set.words_ = words;
    return set;
  }

  constexpr void insert(std::uint8_t b) { words_[b >> 6] |= bit(b); }
  constexpr void erase(std::uint8_t b) { words_[b >> 6] &= ~bit(b); }
  constexpr bool contains(std::uint8_t b) const { return (words_[b >> 6] & bit(b)) != 0; }
  // Bytes of a byte string arrive as char; 0x80..0xFF stay themselves.
  constexpr bool contains(char c) const { return contains(static_cast<std::uint8_t>(c)); }

  constexpr std::size_t size() const {
    std::size_t n = 0;
    for (std::uint64_t w : words_) n += static_cast<std::size_t>(std::popcount(w));
    return n;
  }
  constexpr bool empty() const { return size() == 0; }

  constexpr ByteSet operator|(const ByteSet& o) const {
    ByteSet r;
    for (std::size_t i = 0; i < words_.size(); ++i) r.words_[i] = words_[i] | o.words_[i];
    return r;
  }
  constexpr ByteSet operator&(const ByteSet& o) const {
    ByteSet r;
    for (std::size_t i = 0; i < words_.size(); ++i) r.words_[i] = words_[i] & o.words_[i];
    return r;
  }
  constexpr bool operator==(const ByteSet&) const = default;

 private:
  static constexpr std::uint64_t bit(std::uint8_t b) { return std::uint64_t{1} << (b & 63); }
  std::array<std::uint64_t, 4> words_{};
};

}  // namespace quilm
