// The concordance: every occurrence of a word with the text around it, from
// the word positions of an analysis and the analysed text. The context is up
// to 75 bytes on each side with control bytes left out (line breaks vanish);
// in UTF-8 text a character cut by that edge is left out whole.
//
// The text may have changed since the positions were taken (a word list is
// loaded and its document read again): a position past the end of the text
// gives no line, and a line whose bytes at its position are no longer the
// word is marked stale.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/frequency_results.h"
#include "common/bytes.h"

namespace quilm {

inline constexpr std::size_t kConcordanceContext = 75;

struct ConcordanceLine {
  Bytes first;   // before the word ("First")
  Bytes second;  // the word ("Second")
  std::uint64_t position = 0;  // ("CP")
  Bytes third;   // after the word ("Third")
  bool stale = false;
};

std::vector<ConcordanceLine> concordance(BytesView text, BytesView word, const std::vector<std::uint64_t>& positions,
                                         bool utf8);

// The positions of `word` (as it stands) among an analysis's positions, in order.
std::vector<std::uint64_t> positions_of(const FrequencyResults& results, BytesView word);

}  // namespace quilm
