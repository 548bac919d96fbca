// The keystroke tables, compiled at build time from the text files of
// typing/tables/ by quilm-keygen: what the Romanised layout and the
// legal-combination checks look up. The code that runs them is in
// romanised_layout.cpp, romanised_vowels.cpp and legal_check.cpp; the rules
// that are not uniform stay there as code.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "encoding/byte_set.h"

namespace quilm::typing {

// Two glyphs that a rule looks for together, or a glyph and its replacement.
struct GlyphPair {
  std::uint8_t first;
  std::uint8_t second;
};

// The second glyph of the first pair whose first glyph is `first`, or 0.
std::uint8_t second_of(std::span<const GlyphPair> pairs, std::uint8_t first);
bool contains_pair(std::span<const GlyphPair> pairs, std::uint8_t first, std::uint8_t second);

// When a vowel key must be written as an independent vowel: after one of the
// listed previous keys, or after one of the listed characters before the caret.
struct FreePositionRow {
  std::uint8_t key;
  char previous_test;  // '*' any previous key, '=' only previous_key, '!' any other
  std::uint8_t previous_key;
  ByteSet listed_previous;
  ByteSet listed_before;
};

// The characters around the caret that a rule reads.
enum class Slot : std::uint8_t { P1, P2, P3, P4, N1, N2 };

struct CheckCondition {
  Slot slot;
  bool negated;  // "not-in"
  ByteSet set;
};

enum class CheckAction : std::uint8_t {
  Refuse,        // beep and drop the key
  Become,        // the key becomes `glyph`
  ReplaceP1,     // P1 becomes `glyph`; the key is dropped
  ReplaceP1P2,   // P2 and P1 become the one glyph `glyph`; the key is dropped
};

// One rule of a legal-combination check: it applies to `keys` when every
// condition holds.
struct CheckRule {
  CheckAction action;
  std::uint8_t glyph;
  ByteSet keys;
  std::array<CheckCondition, 3> conditions;
  std::uint8_t condition_count;
  int line;  // in its table file, for messages
};

namespace tables {

// typing/tables/romanised.txt
namespace romanised {
extern const ByteSet letter;              // a letter of the Romanised rules (below 0x100)
extern const ByteSet doubling_context;    // what may stand before a doubled consonant
extern const ByteSet subjoined;           // H R W
extern const ByteSet takes_subjoined_ha;  // after these, h is the subjoined HA
extern const ByteSet nasal_takes_bindi;   // after these, N stays the bindi
extern const std::span<const GlyphPair> doubled_consonant;  // (key, P1)
extern const std::span<const GlyphPair> doubled_aspirate;   // (P1, P2)
extern const std::span<const GlyphPair> aspirate;           // P1 and what h makes of it
extern const std::span<const GlyphPair> final_keys;         // key and its glyph
extern const std::span<const FreePositionRow> free_position;
}  // namespace romanised

// typing/tables/legal_quilm.txt
namespace legal_quilm {
extern const std::span<const CheckRule> by_previous;  // by the glyph before the caret
extern const std::span<const CheckRule> rules;        // the rest, in order
}  // namespace legal_quilm

// typing/tables/legal_onscreen.txt: the on-screen key's rules by the glyph
// before the caret, run instead of legal_quilm::by_previous
namespace legal_onscreen {
extern const std::span<const CheckRule> by_previous;
}  // namespace legal_onscreen

// typing/tables/legal_font_2_3.txt
namespace legal_font_2_3 {
extern const std::span<const CheckRule> rules;
}  // namespace legal_font_2_3

}  // namespace tables
}  // namespace quilm::typing
