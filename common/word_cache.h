// A cache of word conversions, for converting long texts whose words
// repeat (a scripture of some five million bytes has about a million words
// but under a hundred thousand different ones, most of them short). A word
// of up to kLongestKey bytes is its key; its conversion, a string of Unit, is kept in one arena.
// Only conversions that depend on nothing but the word may be kept.
//
// The table has a fixed number of slots and stops taking words when three
// quarters are used, so memory stays bounded however long the text; a word
// it does not hold is simply converted again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quilm {

template <typename Unit>
class WordCache {
 public:
  static constexpr std::size_t kLongestKey = 8;
  // A conversion is copied in pieces of this many units; the arena and the
  // caller's room have that much to spare after the end.
  static constexpr std::size_t kCopyPiece = 16 / sizeof(Unit);

  // `slots_log2`: the table has 2^slots_log2 slots.
  explicit WordCache(unsigned slots_log2)
      : shift_(64 - slots_log2), slots_(std::size_t{1} << slots_log2),
        room_left_(slots_.size() * 3 / 4) {
    arena_.resize(kCopyPiece);
  }

  // A key: the bytes of a word of up to kLongestKey bytes, padded with zeros.
  struct Key {
    std::uint64_t bytes = 0;
    std::uint8_t size = 0;
  };
  static Key key_of(std::string_view word) {
    Key key;
    for (std::size_t i = 0; i < word.size(); ++i)
      key.bytes |= std::uint64_t{static_cast<unsigned char>(word[i])} << (8 * i);
    key.size = static_cast<std::uint8_t>(word.size());
    return key;
  }

  // The conversion kept for `key`; a null view when there is none.
  std::basic_string_view<Unit> find(const Key& key) const {
    for (std::size_t i = slot_of(key);; i = (i + 1) & (slots_.size() - 1)) {
      const Slot& slot = slots_[i];
      if (slot.size == 0) return {};
      if (slot.size == key.size && slot.bytes == key.bytes)
        return {arena_.data() + slot.at, slot.length};
    }
  }

  // Writes a conversion that find() gave at `out`, which has room for its
  // length and kCopyPiece units more; returns the end.
  static Unit* copy(std::basic_string_view<Unit> kept, Unit* out) {
    for (std::size_t k = 0; k < kept.size(); k += kCopyPiece) std::memcpy(out + k, kept.data() + k, 16);
    return out + kept.size();
  }

  // Keeps `converted` as the conversion of `key` (not yet kept), while there
  // is room.
  void keep(const Key& key, std::basic_string_view<Unit> converted) {
    if (room_left_ == 0 || converted.size() > 0xFFFF) return;
    --room_left_;
    std::size_t i = slot_of(key);
    while (slots_[i].size != 0) i = (i + 1) & (slots_.size() - 1);
    Slot& slot = slots_[i];
    slot.bytes = key.bytes;
    slot.size = key.size;
    slot.length = static_cast<std::uint16_t>(converted.size());
    slot.at = static_cast<std::uint32_t>(arena_.size() - kCopyPiece);
    arena_.resize(arena_.size() - kCopyPiece);
    arena_.append(converted);
    arena_.append(kCopyPiece, Unit{});
  }

  static bool fits(std::string_view word) { return !word.empty() && word.size() <= kLongestKey; }

 private:
  struct Slot {  // sixteen bytes, so that many fit in the processor's caches
    std::uint64_t bytes = 0;
    std::uint32_t at = 0;
    std::uint16_t length = 0;
    std::uint8_t size = 0;  // zero: an empty slot (no key is empty)
  };

  std::size_t slot_of(const Key& key) const {
    const std::uint64_t h = (key.bytes ^ (std::uint64_t{key.size} << 59)) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>((h ^ (h >> 31)) * 0xC2B2AE3D27D4EB4Full >> shift_);
  }

  unsigned shift_;
  std::vector<Slot> slots_;
  std::basic_string<Unit> arena_;  // the conversions, then kCopyPiece units of slack
  std::size_t room_left_;
};

}  // namespace quilm
