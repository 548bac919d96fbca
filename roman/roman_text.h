// A Roman-letter text written in Gurmukhi: runs of the letters A-Z and a-z
// are words, every other byte separates them and is kept; a full stop after
// a Punjabi word becomes the danda glyph, after an abbreviation it stays a
// full stop (one the abbreviation already ends with, as USA spelled
// letter by letter does, is not written twice). Each word is ranked in the context of the two words written
// before it.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "roman/roman_to_gurmukhi.h"

namespace quilm {

// One piece of the output: a word (with its candidates) or separator bytes.
struct RomanPiece {
  Bytes separators;                       // Roman bytes, kept as they are
  bool first_is_danda = false;            // its first byte, a ".", is a danda
  bool first_is_full_stop = false;        // its first byte, a ".", ends an abbreviation
  std::string roman;                      // the word, empty for separators
  std::vector<RomanCandidate> candidates; // best first
};

// Converts `text` piece by piece, in order; `piece` receives each one.
// `context` carries the two previous words across calls (lines). When
// `keep_going` is given and answers false (asked before each word), the
// conversion stops there.
void convert_roman_text(const RomanData& data, std::string_view text, RomanWordContext& context,
                        const std::function<void(const RomanPiece&)>& piece,
                        const std::function<bool()>& keep_going = {});

}  // namespace quilm
