#include "dict/meaning_insertion.h"

#include <algorithm>
#include <vector>

#include "dict/document_matches.h"
#include "dict/font_text.h"
#include "dict/gurmukhi_text.h"

namespace quilm {
namespace {

void replace_selection(Editor& editor, const MeaningText& meaning) {
  editor.SetSelText(meaning.text);
  editor.SetSelStart(editor.SelStart() - static_cast<int>(meaning.text.size()));
  editor.SetSelLength(static_cast<int>(meaning.text.size()));
  FormatChange change;
  change.font_name = meaning.font_name;
  change.font_size = meaning.font_size;
  editor.ApplyFormat(change);
}

void replace_at(Editor& editor, const TextMatch& m, const MeaningText& meaning) {
  editor.SetSelStart(m.start);
  editor.SetSelLength(m.length);
  replace_selection(editor, meaning);
}

}  // namespace

MeaningText meaning_of_glyphs(BytesView glyphs, const MeaningText& font, const FontRegistry& registry,
                              const FontConverter& converter) {
  MeaningText meaning = font;
  meaning.text = FontText::of(font.font_name, registry)
                     .from_pivot(converter.to_pivot(glyphs, kDictionaryFontIndex), converter);
  return meaning;
}

std::u16string trimmed_meaning(std::u16string_view chosen, std::u16string_view dropped) {
  while (!chosen.empty() && (chosen.back() == u' ' || dropped.find(chosen.back()) != std::u16string_view::npos))
    chosen.remove_suffix(1);
  return std::u16string(chosen);
}

void insert_meaning(Editor& editor, const MeaningText& meaning) {
  editor.BeginEditGroup();
  replace_selection(editor, meaning);
  editor.EndEditGroup();
}

int insert_meaning_everywhere(Editor& editor, const std::u16string& word, const std::string& word_font,
                              const MeaningText& meaning, const FontRegistry& registry) {
  const int start = editor.SelStart();
  const int after = start + editor.SelLength();
  std::vector<TextMatch> later;
  if (!word.empty()) {
    const FontPatterns patterns{{word}, FontText::of(word_font, registry), true, true};
    const DocumentMatches matches(editor.Runs(), [&](const std::string& font) -> std::optional<FontPatterns> {
      if (font != word_font) return std::nullopt;
      return patterns;
    });
    later = matches.all_from(after);
  }
  editor.BeginEditGroup();
  // From the last occurrence back, so that the places of the others hold.
  for (auto m = later.rbegin(); m != later.rend(); ++m) replace_at(editor, *m, meaning);
  editor.SetSelStart(start);
  editor.SetSelLength(after - start);
  replace_selection(editor, meaning);
  editor.EndEditGroup();
  editor.SetSelStart(start);
  return static_cast<int>(later.size()) + 1;
}

}  // namespace quilm

namespace quilm {

std::u16string phrase_around(std::u16string_view meanings, std::size_t position) {
  constexpr std::u16string_view kSeparators = u",;";
  position = std::min(position, meanings.size());
  const std::size_t before = meanings.substr(0, position).find_last_of(kSeparators);
  std::size_t start = before == std::u16string_view::npos ? 0 : before + 1;
  const std::size_t end = std::min(meanings.find_first_of(kSeparators, position), meanings.size());
  while (start < end && meanings[start] == u' ') ++start;
  return std::u16string(meanings.substr(start, end - start));
}

}  // namespace quilm
