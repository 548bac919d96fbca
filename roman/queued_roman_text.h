// Roman-letter text to Gurmukhi with the words after each word taken into
// account: the words are ranked as convert_roman_text ranks them (by the
// words before them), then the trigram queue (trigram_queue.h) decides each
// one with the two words that follow it. This is how the "Punjabi Text"
// window writes a whole document.
#pragma once

#include <functional>
#include <string_view>

#include "roman/roman_data.h"
#include "roman/roman_text.h"

namespace quilm {

// The pieces of `text` in order, as convert_roman_text gives them, except
// that each word's decided spelling comes first among its candidates. A
// word's pieces arrive once the fifth word after it is read, and all that
// remain at the end of the text. `keep_going` stops it as it stops
// convert_roman_text (the words still queued are then left out).
void convert_roman_text_queued(const RomanData& data, std::string_view text, RomanWordContext& context,
                               const std::function<void(const RomanPiece&)>& piece,
                               const std::function<bool()>& keep_going = {});

}  // namespace quilm
