// Texts cut into words for the frequency analysis, and how each kind of text
// reads its words into the pivot encoding:
//   - a legacy font: a word is a maximal run of the font's word bytes
//     (analysis/word_chars.h); a zero byte ends the text; the conversion
//     driver reads the word into the pivot encoding (index 30, English or
//     an unsupported font, stays as it is);
//   - ISCII (index 51): the same with the ISCII letters, a zero byte skipped;
//     the word through ISCIItoGur and the choice of tippi or bindi;
//   - UTF-8: a word is a run of Gurmukhi characters and hyphens (of Latin
//     letters and hyphens for English); the word through UniCodetoGur.
#pragma once

#include <memory>

#include "analysis/frequency_count.h"
#include "common/bytes.h"
#include "fonts/conversion.h"

namespace quilm {

enum class TextKind { Legacy, Iscii, Utf8 };

struct TextReading {
  TextKind kind = TextKind::Utf8;
  int font_index = 30;   // for legacy text
  bool english = false;  // English text: index 30, keyed by its own bytes
};

std::unique_ptr<WordForms> make_word_forms(const TextReading& reading, const FontConverter& converter);

// Counts every word of `text`; positions are byte offsets into it.
void count_words(BytesView text, const TextReading& reading, const WordForms& forms, FrequencyCount& count);

// The characters of a word as the character table counts them: bytes of a
// legacy font or ISCII, characters (their UTF-8 bytes) of UTF-8 text.
std::size_t character_length(BytesView word, std::size_t at, TextKind kind);

}  // namespace quilm
