#include "translit/roman_text.h"

#include <algorithm>
#include <cstring>

#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "encoding/unicode_runs.h"
#include "fonts/font_index.h"
#include "translit/roman_tables.h"

namespace quilm {

RomanSpelling RomanSpellings::add(std::size_t slot, std::uint32_t hash, BytesView glyphs, RomanWord word) {
  // A spelling too long for its head, or a store grown past the reach of
  // the slots' offsets, is not kept.
  if (word.roman.size() > 0xFFFF || store_.size() > kEmpty - kHead - glyphs.size() - word.roman.size()) {
    uncached_ = std::move(word);
    return {uncached_.roman, uncached_.source};
  }
  const std::size_t offset = store_.size();
  const auto length = static_cast<std::uint16_t>(word.roman.size());
  store_.append(reinterpret_cast<const char*>(&hash), sizeof hash);
  store_ += static_cast<char>(glyphs.size());
  store_ += static_cast<char>(word.source);
  store_.append(reinterpret_cast<const char*>(&length), sizeof length);
  store_ += glyphs;
  store_ += word.roman;
  slots_[slot] = static_cast<std::uint32_t>(offset);
  // At most half full, so that a probe ends soon at an empty slot.
  if (2 * ++words_ > slots_.size()) grow();
  return spelling_of(store_.data() + offset);
}

void RomanSpellings::expect_text(std::size_t bytes) {
  constexpr std::size_t kBytesPerNewWord = 40, kStoreShare = 2;
  std::size_t slots = slots_.size();
  while (slots < 2 * (bytes / kBytesPerNewWord)) slots *= 2;
  if (slots > slots_.size()) rehash(slots);
  store_.reserve(bytes / kStoreShare);
}

void RomanSpellings::grow() { rehash(2 * slots_.size()); }

void RomanSpellings::rehash(std::size_t slot_count) {
  std::vector<std::uint32_t> slots(slot_count, kEmpty);
  const std::size_t mask = slot_count - 1;
  for (std::uint32_t offset : slots_) {
    if (offset == kEmpty) continue;
    std::size_t slot = load_u32(store_.data() + offset) & mask;
    while (slots[slot] != kEmpty) slot = (slot + 1) & mask;
    slots[slot] = offset;
  }
  slots_ = std::move(slots);
}

void RomanSpellings::start_font(int font) {
  font_ = font;
  std::fill(slots_.begin(), slots_.end(), kEmpty);
  store_.clear();
  words_ = 0;
  for (auto& s : separators_) s.reset();
}

namespace {

void append_word(BytesView glyphs, int font, const RomanTextTools& tools, std::string& roman) {
  const RomanSpelling word = tools.spellings->of(font, glyphs, [&] {
    return transliterate_word(tools.converter.conversion(glyphs, font, font_index::kPivot, true), tools.exceptions);
  });
  if (tools.counts) ++(word.source == RomanSource::Exception ? tools.counts->exceptions : tools.counts->rules);
  roman += word.roman;
}

// A separator that reads as a blank or as nothing is copied as it is (line
// ends, blanks); any other (a danda, a digit) is transliterated. Separators
// are not words: they are kept apart from them, and not counted.
RomanWord spell_separator(char separator, int font, const RomanTextTools& tools) {
  const Bytes pivot = tools.converter.conversion(BytesView(&separator, 1), font, font_index::kPivot, true);
  if (pivot.empty() || pivot == " ") return {std::string(1, separator), RomanSource::Rules};
  return transliterate_word(pivot, tools.exceptions);
}

void append_separator(char separator, int font, const RomanTextTools& tools, std::string& roman) {
  roman += tools.spellings->of_separator(font, separator, [&] { return spell_separator(separator, font, tools); }).roman;
}

}  // namespace

void append_roman_of_font_text(BytesView text, int font, const RomanTextTools& tools, std::string& roman) {
  const ByteSet& word_chars = roman_word_chars(font);
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && word_chars.contains(text[end])) ++end;
    if (end > i) {
      append_word(text.substr(i, end - i), font, tools, roman);
      i = end;
    }
    if (i < text.size()) append_separator(text[i++], font, tools, roman);
  }
}

char16_t roman_character(std::uint8_t roman_byte) {
  switch (roman_byte) {
    case 0x91:
      return u'\u2018';
    case 0x92:
      return u'\u2019';
    default:
      return roman_byte;
  }
}

void append_roman_as_utf16(std::string_view roman, std::u16string& out) {
  for (char c : roman) out += roman_character(static_cast<std::uint8_t>(c));
}

void append_roman_as_utf8(std::string_view roman, Bytes& out) {
  // Nearly always ASCII, copied as it stands.
  std::size_t ascii = 0;
  while (ascii < roman.size() && static_cast<std::uint8_t>(roman[ascii]) < 0x80) ++ascii;
  out.append(roman.substr(0, ascii));
  if (ascii == roman.size()) return;
  std::u16string rest;
  append_roman_as_utf16(roman.substr(ascii), rest);
  append_utf8(rest, out);
}

std::u16string roman_of_unicode_text(std::u16string_view text, const RomanTextTools& tools) {
  std::u16string out;
  std::string roman;
  for (const UnicodePiece& piece : split_unicode_runs(text)) {
    if (piece.kind != UnicodePiece::Kind::Gurmukhi) {
      out += piece.text;
      continue;
    }
    roman.clear();
    append_roman_of_font_text(UniCodetoGur(piece.text), font_index::kPivot, tools, roman);
    append_roman_as_utf16(roman, out);
  }
  return out;
}

}  // namespace quilm
