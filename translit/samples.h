// The transliteration samples: the Gurmukhi letters, vowels and example
// words of the "Gurmukhi to Roman Transliteration Samples" window, each with
// the Roman spelling that the transliteration gives it and the recording of
// its pronunciation.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "fonts/conversion.h"

namespace quilm {

enum class SampleKind { Vowel, Consonant, Word, Sound };

struct Sample {
  SampleKind kind;
  std::string_view quilm;  // the button's text, in the Quilm encoding (font index 35)
  std::string_view roman;  // shown after a click; empty for a button that only plays
  std::string_view sound;  // file name in the Sound folder of the data folder
};

std::span<const Sample> transliteration_samples();

// The Roman spelling the rules give the sample's Gurmukhi (blanks around it
// are not part of the word).
std::string sample_rules_roman(const Sample& sample, const FontConverter& converter);

// The Gurmukhi of the sample as UTF-8, for the speech synthesiser and for people.
std::string sample_gurmukhi_utf8(const Sample& sample, const FontConverter& converter);

}  // namespace quilm
