#include "spell/document_words.h"

#include "fonts/font_index.h"
#include "spell/unicode_words.h"
#include "spell/word_bytes.h"

namespace quilm {
namespace {

struct Char {
  char16_t c;
  const CharFormat* format;
  bool gurmukhi_font;
};

bool is_byte(char16_t c) { return c <= 0xFF; }

class WordCutter {
 public:
  WordCutter(const std::vector<Char>& chars, int offset, const FontRegistry& registry)
      : chars_(chars), offset_(offset), registry_(registry) {}

  std::vector<DocumentWord> cut() {
    std::vector<DocumentWord> words;
    std::size_t i = 0;
    while (i < chars_.size()) {
      const std::size_t end = word_end(i);
      if (end == i) {
        ++i;
        continue;
      }
      words.push_back(word(i, end));
      i = end;
    }
    return words;
  }

 private:
  // Where a word starting at `i` ends; `i` itself when no word starts there.
  std::size_t word_end(std::size_t i) const {
    const Char& first = chars_[i];
    std::size_t end = i;
    if (is_gurmukhi_word_char(first.c)) {
      while (end < chars_.size() && (is_gurmukhi_word_char(chars_[end].c) ||
                                     (chars_[end].c == u'-' && end + 1 < chars_.size() &&
                                      is_gurmukhi_word_char(chars_[end + 1].c))))
        ++end;
      return end;
    }
    if (!is_byte(first.c)) return i;
    if (first.gurmukhi_font) {
      const int index = registry_.get_font_index(first.format->font_name);
      while (end < chars_.size() && joins_gurmukhi(chars_[end], index)) ++end;
      return end;
    }
    while (end < chars_.size() && is_byte(chars_[end].c) && is_english_word_byte(static_cast<std::uint8_t>(chars_[end].c)))
      ++end;
    return end;
  }

  bool joins_gurmukhi(const Char& ch, int index) const {
    if (!is_byte(ch.c)) return false;
    const auto b = static_cast<std::uint8_t>(ch.c);
    if (index == font_index::kNotSupported) return b > 0x20 && b != 0x2E && !(b >= '0' && b <= '9');
    if (!is_spell_word_byte(index, b)) return false;
    return !is_punctuation_like_word_byte(b) || ch.gurmukhi_font;
  }

  DocumentWord word(std::size_t start, std::size_t end) const {
    const Char& first = chars_[start];
    DocumentWord w;
    w.start = offset_ + static_cast<int>(start);
    for (std::size_t k = start; k < end; ++k) w.text.push_back(chars_[k].c);
    w.font_name = first.format->font_name;
    w.font_size = first.format->font_size;
    if (is_gurmukhi_word_char(first.c)) {
      w.kind = DocumentWord::Kind::UnicodeGurmukhi;
    } else if (first.gurmukhi_font) {
      w.font_index = registry_.get_font_index(w.font_name);
      w.kind = w.font_index == font_index::kNotSupported ? DocumentWord::Kind::Unsupported
                                                         : DocumentWord::Kind::FontGurmukhi;
    } else {
      w.kind = DocumentWord::Kind::English;
    }
    return w;
  }

  const std::vector<Char>& chars_;
  int offset_;
  const FontRegistry& registry_;
};

}  // namespace

std::vector<DocumentWord> document_words(const std::vector<TextRun>& runs, int from, const FontRegistry& registry) {
  std::vector<Char> chars;
  int position = 0;
  for (const TextRun& run : runs) {
    const bool gurmukhi = registry.check_font_punjabi(run.format.font_name);
    for (char16_t c : run.text) {
      if (position++ >= from) chars.push_back({c, &run.format, gurmukhi});
    }
  }
  return WordCutter(chars, from, registry).cut();
}

}  // namespace quilm
