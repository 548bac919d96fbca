#include "roman/roman_text.h"

#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

bool is_roman_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

void convert_roman_text(const RomanData& data, std::string_view text, RomanWordContext& context,
                        const std::function<void(const RomanPiece&)>& piece, const std::function<bool()>& keep_going) {
  bool after_abbreviation = false;
  bool after_spelled = false;  // after letters spelled each with its full stop
  bool after_word = false;
  for (std::size_t i = 0; i < text.size();) {
    if (!is_roman_letter(text[i])) {
      RomanPiece separators;
      const bool full_stop = text[i] == '.' && after_word;
      // "USA." ends with the full stop of its last letter, as U.S.A. does.
      if (full_stop && after_spelled) ++i;
      separators.first_is_danda = full_stop && !after_abbreviation;
      separators.first_is_full_stop = full_stop && after_abbreviation && !after_spelled;
      for (; i < text.size() && !is_roman_letter(text[i]); ++i) separators.separators += text[i];
      after_word = false;
      if (!separators.separators.empty()) piece(separators);
      continue;
    }
    if (keep_going && !keep_going()) return;
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
    after_spelled = after_abbreviation && word.candidates.size() == 1 && word.candidates.front().pivot.size() > 1 &&
                    static_cast<unsigned char>(word.candidates.front().pivot.back()) == pivot::kFullStop;
    after_word = true;
    piece(word);
    i = end;
  }
}

}  // namespace quilm
