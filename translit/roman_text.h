// Gurmukhi text to Roman text, word by word: the text of one font (glyph
// bytes of a font index), and Unicode text, whose Gurmukhi runs are
// transliterated and whose other characters stay as they are. The window,
// the document run and the command line share these.
#pragma once

#include <functional>
#include <memory>
#include <unordered_map>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "translit/gurmukhi_to_roman.h"

namespace quilm {

// How many words came from the exception table and how many from the rules.
struct RomanCounts {
  long exceptions = 0;
  long rules = 0;
};

// The spellings found so far in one run: a word's spelling depends only on
// its glyphs, its font and the exception table, and a text repeats its
// words (and has a blank after nearly every one).
class RomanSpellings {
 public:
  // The spelling of the word (or separator) `glyphs` of `font`, made by
  // `spell` the first time it is met.
  template <typename Spell>
  const RomanWord& of(int font, BytesView glyphs, Spell spell) {
    if (font != font_) {
      font_ = font;
      known_.clear();
    }
    auto found = known_.find(glyphs);
    if (found == known_.end()) found = known_.emplace(Bytes(glyphs), spell()).first;
    return found->second;
  }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(BytesView s) const { return std::hash<BytesView>{}(s); }
  };
  int font_ = -1;
  std::unordered_map<Bytes, RomanWord, Hash, std::equal_to<>> known_;
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
void append_roman_as_utf16(std::string_view roman, std::u16string& out);

// Unicode text: Gurmukhi runs through the pivot encoding into Roman, other
// characters unchanged.
std::u16string roman_of_unicode_text(std::u16string_view text, const RomanTextTools& tools);

}  // namespace quilm
