// The similar-word generator between fonts: the word is read from the font
// it was typed in, its variants are made in pivot bytes and written in the
// font of the text they are looked for in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "dict/font_text.h"
#include "dict/similar_word_list.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

// `word` is glyph bytes of `font`; the entries come out in the encoding of
// `target`. Only the word itself when `all_similar` is off.
SimilarWordList generate_similar_words(BytesView word, std::string_view font, std::string_view target,
                                       bool all_similar, const FontRegistry& registry, const FontConverter& converter);

// The dictionary lookup's variants of a word of font index `font_index`,
// in the same encoding.
SimilarWordList generate_similar_words_dict(BytesView word, int font_index, const FontConverter& converter);

// The variants of `word` (characters of `from`) as text of `to`, each once,
// in the generator's order; the word itself first (only it when
// `all_similar` is off).
std::vector<std::u16string> similar_words_as_text(std::u16string_view word, const FontText& from, const FontText& to,
                                                  bool all_similar, const FontConverter& converter);

}  // namespace quilm
