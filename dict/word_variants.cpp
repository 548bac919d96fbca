#include "dict/word_variants.h"

#include <set>

#include "dict/similar_words.h"
#include "fonts/font_index.h"

namespace quilm {
namespace {

Bytes into_pivot(BytesView word, int font_index, const FontConverter& converter) {
  if (font_index == font_index::kPivot) return Bytes(word);
  return converter.conversion(word, font_index, font_index::kPivot, false);
}

void out_of_pivot(SimilarWordList& list, int font_index, const FontConverter& converter) {
  if (font_index == font_index::kPivot) return;
  for (Bytes& w : list.words()) w = converter.conversion(w, font_index::kPivot, font_index, false);
}

}  // namespace

SimilarWordList generate_similar_words(BytesView word, std::string_view font, std::string_view target,
                                       bool all_similar, const FontRegistry& registry, const FontConverter& converter) {
  SimilarWordList list = similar_words_of_pivot(into_pivot(word, registry.get_font_index(font), converter), all_similar);
  out_of_pivot(list, registry.get_font_index(target), converter);
  return list;
}

SimilarWordList generate_similar_words_dict(BytesView word, int font_index, const FontConverter& converter) {
  SimilarWordList list = similar_words_for_dictionary_of_pivot(into_pivot(word, font_index, converter));
  out_of_pivot(list, font_index, converter);
  return list;
}

std::vector<std::u16string> similar_words_as_text(std::u16string_view word, const FontText& from, const FontText& to,
                                                  bool all_similar, const FontConverter& converter) {
  // The word as typed comes first, unchanged when both fonts are one, since
  // a trip through the pivot bytes need not give back the same glyphs.
  std::vector<std::u16string> out{to.converted(word, from, converter)};
  std::set<std::u16string> seen{out.front()};
  if (!all_similar) return out;
  const SimilarWordList list = similar_words_of_pivot(from.to_pivot(word, converter), true);
  for (const Bytes& pivot : list.words()) {
    std::u16string text = to.from_pivot(pivot, converter);
    if (!text.empty() && seen.insert(text).second) out.push_back(std::move(text));
  }
  return out;
}

}  // namespace quilm
