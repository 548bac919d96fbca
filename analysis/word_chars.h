// The bytes that make up words when the frequency analysis cuts a text of a
// font index into words (analysis/tables/word_chars.txt); index 30 serves
// English text, index 51 ISCII files.
#pragma once

#include <array>
#include <cstdint>

namespace quilm {

inline constexpr int kIsciiAnalysisIndex = 51;

// For each byte value, whether it is a word byte of `font_index` (none are
// for indices without a set).
using WordByteTable = std::array<bool, 256>;
WordByteTable analysis_word_bytes(int font_index);

}  // namespace quilm
