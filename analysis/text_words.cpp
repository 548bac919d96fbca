#include "analysis/text_words.h"

#include "analysis/word_chars.h"
#include "encoding/iscii.h"
#include "encoding/tippi_bindi.h"
#include "encoding/unicode_input.h"
#include "encoding/utf16.h"

namespace quilm {
namespace {

class LegacyForms : public WordForms {
 public:
  LegacyForms(int font, bool english, const FontConverter& converter)
      : font_(font), english_(english), converter_(converter) {}
  void pivot(BytesView word, Bytes& pivot) const override { pivot = converter_.to_pivot(word, font_); }
  bool english() const override { return english_; }

 private:
  int font_;
  bool english_;
  const FontConverter& converter_;
};

class IsciiForms : public WordForms {
 public:
  void pivot(BytesView word, Bytes& pivot) const override { pivot = convert_tippi_bindi(ISCIItoGur(word)); }
};

class Utf8Forms : public WordForms {
 public:
  explicit Utf8Forms(bool english) : english_(english) {}
  void pivot(BytesView word, Bytes& pivot) const override {
    pivot.clear();
    if (english_) pivot = word;
    else if (const std::optional<std::u16string> units = from_utf8(word)) UniCodetoGur(*units, pivot);
  }
  bool english() const override { return english_; }
  std::size_t units(BytesView word, BytesView pivot) const override { return english_ ? word.size() : pivot.size(); }

 private:
  bool english_;
};

// Bytes E0 A8 80 .. E0 A9 BF are U+0A00 .. U+0A7F, the Gurmukhi block.
bool gurmukhi_at(BytesView text, std::size_t i) {
  return i + 2 < text.size() && text[i] == '\xE0' && (text[i + 1] == '\xA8' || text[i + 1] == '\xA9') &&
         (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80;
}

bool latin_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The length of the word character at `i` (0 when it is none).
std::size_t utf8_word_char(BytesView text, std::size_t i, bool english) {
  if (text[i] == '-') return 1;
  if (english) return latin_letter(text[i]) ? 1 : 0;
  return gurmukhi_at(text, i) ? 3 : 0;
}

void count_utf8_words(BytesView text, bool english, const WordForms& forms, FrequencyCount& count) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t n = utf8_word_char(text, i, english);
    if (n == 0) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (n != 0) {
      i += n;
      n = i < text.size() ? utf8_word_char(text, i, english) : 0;
    }
    count.add(text.substr(start, i - start), start, forms);
  }
}

void count_byte_words(BytesView text, const WordByteTable& word_bytes, bool skip_zero, const WordForms& forms,
                      FrequencyCount& count) {
  Bytes word;
  std::size_t start = 0;
  const auto flush = [&] {
    if (!word.empty()) count.add(word, start, forms);
    word.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\0' && skip_zero) continue;  // inside a word too: the word goes on
    if (c == '\0') break;
    if (word_bytes[static_cast<unsigned char>(c)]) {
      if (word.empty()) start = i;
      word.push_back(c);
    } else {
      flush();
    }
  }
  flush();
}

}  // namespace

std::unique_ptr<WordForms> make_word_forms(const TextReading& reading, const FontConverter& converter) {
  switch (reading.kind) {
    case TextKind::Iscii: return std::make_unique<IsciiForms>();
    case TextKind::Utf8: return std::make_unique<Utf8Forms>(reading.english);
    case TextKind::Legacy: break;
  }
  return std::make_unique<LegacyForms>(reading.english ? 30 : reading.font_index, reading.english, converter);
}

void count_words(BytesView text, const TextReading& reading, const WordForms& forms, FrequencyCount& count) {
  // About one word in every 12 bytes of UTF-8 prose, every 5 of legacy text.
  count.reserve(text.size() / (reading.kind == TextKind::Utf8 ? 12 : 5));
  switch (reading.kind) {
    case TextKind::Utf8: return count_utf8_words(text, reading.english, forms, count);
    case TextKind::Iscii:
      return count_byte_words(text, analysis_word_bytes(kIsciiAnalysisIndex), true, forms, count);
    case TextKind::Legacy:
      return count_byte_words(text, analysis_word_bytes(reading.english ? 30 : reading.font_index), false, forms,
                              count);
  }
}

std::size_t character_length(BytesView word, std::size_t at, TextKind kind) {
  if (kind != TextKind::Utf8) return 1;
  const auto lead = static_cast<unsigned char>(word[at]);
  const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return std::min(n, word.size() - at);
}

}  // namespace quilm
