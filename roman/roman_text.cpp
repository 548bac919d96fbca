#include "roman/roman_text.h"

namespace quilm {
namespace {

bool is_roman_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

void convert_roman_text(const RomanData& data, std::string_view text, RomanWordContext& context,
                        const std::function<void(const RomanPiece&)>& piece) {
  bool after_abbreviation = false;
  bool after_word = false;
  for (std::size_t i = 0; i < text.size();) {
    if (!is_roman_letter(text[i])) {
      RomanPiece separators;
      separators.first_is_danda = text[i] == '.' && after_word && !after_abbreviation;
      separators.first_is_full_stop = text[i] == '.' && after_word && after_abbreviation;
      for (; i < text.size() && !is_roman_letter(text[i]); ++i) separators.separators += text[i];
      after_word = false;
      piece(separators);
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && is_roman_letter(text[end])) ++end;
    RomanPiece word;
    word.roman = std::string(text.substr(i, end - i));
    context.before_full_stop = end < text.size() && text[end] == '.';
    word.candidates = roman_word_candidates(data, word.roman, context);
    if (!word.candidates.empty()) {
      context.before_previous = std::move(context.previous);
      context.previous = word.candidates.front().pivot;
    }
    after_abbreviation = !word.candidates.empty() && word.candidates.front().origin == RomanOrigin::Abbreviation;
    after_word = true;
    piece(word);
    i = end;
  }
}

}  // namespace quilm
