#include "analysis/concordance.h"

#include <algorithm>

namespace quilm {
namespace {

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The bytes of text[begin, end) without control bytes; in UTF-8 text a
// character cut at either edge is left out.
Bytes context(BytesView text, std::size_t begin, std::size_t end, bool utf8) {
  if (utf8) {
    while (begin < end && continuation(text[begin])) ++begin;
    if (end < text.size() && continuation(text[end])) {
      while (end > begin && continuation(text[end - 1])) --end;
      if (end > begin) --end;  // the lead byte of the cut character
    }
  }
  Bytes out;
  for (std::size_t i = begin; i < end; ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x20) out.push_back(text[i]);
  return out;
}

}  // namespace

std::vector<ConcordanceLine> concordance(BytesView text, BytesView word, const std::vector<std::uint64_t>& positions,
                                         bool utf8) {
  std::vector<ConcordanceLine> lines;
  for (std::uint64_t p : positions) {
    if (p >= text.size()) continue;
    const std::size_t at = static_cast<std::size_t>(p);
    const std::size_t before = at > kConcordanceContext ? at - kConcordanceContext : 0;
    const std::size_t after = std::min(text.size(), at + word.size());
    const std::size_t end = std::min(text.size(), at + kConcordanceContext + 1);
    ConcordanceLine line;
    line.first = context(text, before, at, utf8);
    line.second = Bytes(word);
    line.position = p;
    line.third = context(text, std::min(after, end), end, utf8);
    line.stale = text.substr(at, word.size()) != word;
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::uint64_t> positions_of(const FrequencyResults& results, BytesView word) {
  std::vector<std::uint64_t> positions;
  for (const PositionRow& row : results.positions)
    if (row.word == word) positions.push_back(row.pos);
  return positions;
}

}  // namespace quilm
