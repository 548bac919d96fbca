// Gurmukhi text to Roman text, word by word: the text of one font (glyph
// bytes of a font index), and Unicode text, whose Gurmukhi runs are
// transliterated and whose other characters stay as they are. The window,
// the document run and the command line share these.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "translit/gurmukhi_to_roman.h"

namespace quilm {

// How many words came from the exception table and how many from the rules.
struct RomanCounts {
  long exceptions = 0;
  long rules = 0;
};

// A spelling as the run keeps it.
struct RomanSpelling {
  std::string_view roman;
  RomanSource source = RomanSource::Rules;
};

// The spellings found so far in one run: a word's spelling depends only on
// its glyphs, its font and the exception table, and a text repeats its
// words (and has a blank after nearly every one). Each word is kept as one
// record (its glyphs, then its spelling) in a byte store filled in the order
// the words are first met, so the frequent words, met early, lie close
// together and a lookup reads one slot and one record; a separator's
// spelling is kept by its byte.
class RomanSpellings {
 public:
  // The spelling of the word `glyphs` of `font`, made by `spell` (which
  // returns a RomanWord) the first time it is met. The view holds until the
  // next call.
  template <typename Spell>
  RomanSpelling of(int font, BytesView glyphs, Spell spell) {
    use_font(font);
    if (glyphs.size() > kLongestKept) {
      uncached_ = spell();
      return {uncached_.roman, uncached_.source};
    }
    const std::uint32_t hash = word_hash(glyphs);
    std::size_t slot = hash & mask();
    for (; slots_[slot] != kEmpty; slot = (slot + 1) & mask()) {
      const char* head = store_.data() + slots_[slot];
      if (load_u32(head) == hash && glyphs_of(head) == glyphs) return spelling_of(head);
    }
    return add(slot, hash, glyphs, spell());
  }

  // Room made at once for the words of a text of `bytes` bytes (about one
  // new word in every forty bytes of running text).
  void expect_text(std::size_t bytes);

  // The spelling of the separator byte `separator` of `font`.
  template <typename Spell>
  RomanSpelling of_separator(int font, char separator, Spell spell) {
    use_font(font);
    std::unique_ptr<RomanWord>& known = separators_[static_cast<std::uint8_t>(separator)];
    if (!known) known = std::make_unique<RomanWord>(spell());
    return {known->roman, known->source};
  }

 private:
  // A record in store_: a head of eight bytes (the hash, four bytes; the
  // glyph count, one; the source, one; the spelling's length, two), then the
  // glyphs, then the spelling.
  static constexpr std::size_t kHead = 8;
  static constexpr std::size_t kLongestKept = 0xFF;  // longer words are spelled each time
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  static constexpr std::size_t kFirstSlots = 1 << 12;

  // FNV-1a: words are a few bytes long, too short for a stronger hash to pay.
  static std::uint32_t word_hash(BytesView glyphs) {
    std::uint64_t h = 0xcbf29ce484222325;
    for (char c : glyphs) h = (h ^ static_cast<std::uint8_t>(c)) * 0x100000001b3;
    return static_cast<std::uint32_t>(h ^ (h >> 32));
  }
  static std::uint32_t load_u32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
  }
  static BytesView glyphs_of(const char* head) { return BytesView(head + kHead, static_cast<std::uint8_t>(head[4])); }
  static RomanSpelling spelling_of(const char* head) {
    std::uint16_t length;
    std::memcpy(&length, head + 6, sizeof length);
    return {std::string_view(head + kHead + static_cast<std::uint8_t>(head[4]), length),
            static_cast<RomanSource>(head[5])};
  }
  std::size_t mask() const { return slots_.size() - 1; }
  RomanSpelling add(std::size_t slot, std::uint32_t hash, BytesView glyphs, RomanWord word);
  void use_font(int font) {
    if (font != font_) start_font(font);
  }
  void start_font(int font);
  void grow();
  void rehash(std::size_t slot_count);  // a power of two

  int font_ = -1;
  std::size_t words_ = 0;
  std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(kFirstSlots, kEmpty);  // offsets into store_
  Bytes store_;
  RomanWord uncached_;
  std::array<std::unique_ptr<RomanWord>, 256> separators_;
};

struct RomanTextTools {
  const FontConverter& converter;
  RomanExceptionLookup* exceptions = nullptr;  // may be null
  RomanCounts* counts = nullptr;               // may be null
  // Kept for the length of one run (a document, a command-line input).
  std::shared_ptr<RomanSpellings> spellings = std::make_shared<RomanSpellings>();
};

// Glyph bytes of font index `font`: the bytes of its word-character set
// form words, each read into the pivot encoding and transliterated; every
// other byte is read alone, and transliterated too unless it reads as a
// blank or as nothing, when it is copied as it is (line ends, blanks).
void append_roman_of_font_text(BytesView text, int font, const RomanTextTools& tools, std::string& roman);

// Roman bytes as Unicode: ASCII as it is, 0x91 and 0x92 as the single
// quotation marks U+2018 and U+2019, other bytes as U+0080..U+00FF.
char16_t roman_character(std::uint8_t roman_byte);
void append_roman_as_utf16(std::string_view roman, std::u16string& out);
// The same characters written as UTF-8.
void append_roman_as_utf8(std::string_view roman, Bytes& out);

// Unicode text: Gurmukhi runs through the pivot encoding into Roman, other
// characters unchanged.
std::u16string roman_of_unicode_text(std::u16string_view text, const RomanTextTools& tools);

}  // namespace quilm
