#include "dict/valid_word.h"

#include "dict/similar_word_tables.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

constexpr std::uint8_t kLetterKK = 0x4B;  // `K`, which never takes a bindi after it

// Whether the subjoined glyph `b` may follow `before`.
bool subjoined_follows(std::uint8_t before, std::uint8_t b) {
  switch (b) {
    case pivot::kSubjoinedVA: return similar::before_subjoined_va().contains(before);
    case pivot::kSubjoinedHA: return similar::before_subjoined_ha().contains(before);
    case pivot::kSubjoinedRA: return similar::before_subjoined_ra().contains(before);
    default: return true;
  }
}

}  // namespace

bool ValidWord(BytesView candidate) {
  for (std::size_t i = 1; i < candidate.size(); ++i) {
    const std::uint8_t before = byte_at(candidate, i - 1), b = byte_at(candidate, i);
    if (before == kLetterKK && b == pivot::kBindi) return false;
    if (similar::subjoined().contains(before) && similar::subjoined().contains(b)) return false;
    if (!subjoined_follows(before, b)) return false;
  }
  return true;
}

}  // namespace quilm
