#include "spell/spelling_variants.h"

#include <initializer_list>
#include <utility>

#include "encoding/byte_set.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

using namespace pivot;
using Visit = std::function<void(BytesView)>;

constexpr std::uint8_t kNNA = 0x44, kRRA = 0x56, kLA = 0x62, kYA = 0x3A, kA3 = 0xA3, kU8E = 0x8E, kA2 = 0xA2;

// Each byte of a pair replaced by the other, cumulatively: the working
// copy keeps every replacement made so far.
void cumulative_swaps(BytesView word, std::initializer_list<std::pair<std::uint8_t, std::uint8_t>> pairs,
                      const Visit& visit) {
  Bytes copy(word);
  for (std::size_t i = 0; i < word.size(); ++i) {
    const std::uint8_t b = byte_at(word, i);
    for (const auto& [x, y] : pairs) {
      if (b == x || b == y) {
        copy[i] = static_cast<char>(b == x ? y : x);
        visit(copy);
        break;
      }
    }
  }
}

Bytes inserted(BytesView w, std::size_t at, BytesView what) {
  Bytes v(w.substr(0, at));
  v += what;
  v += w.substr(at);
  return v;
}
Bytes inserted(BytesView w, std::size_t at, std::uint8_t b) { return inserted(w, at, Bytes(1, static_cast<char>(b))); }
Bytes replaced(BytesView w, std::size_t at, std::size_t length, BytesView what) {
  Bytes v(w.substr(0, at));
  v += what;
  v += w.substr(at + length);
  return v;
}

constexpr ByteSet kBindiAfterSign{kSignAA, kSignII, kSignU, kSignAU, kSignOO, kSignEE, kSignAI};
constexpr ByteSet kTakesSubjoinedHA{kLetterNA, kLA, kRRA};
constexpr ByteSet kDroppableSigns{kAddak, kAddak2, kSubjoinedHA, kSignU, kSihari};
constexpr ByteSet kBindiAfterSign17{kSignAU, kSignOO, kSignEE, kSignAI, kSignII, kSignAA};

}  // namespace

void for_each_spelling_variant(BytesView w, const Visit& visit) {
  const std::size_t n = w.size();
  const auto b = [&](std::size_t i) { return i < n ? byte_at(w, i) : std::uint8_t{0}; };
  // 1, 2: nukta pairs; confusable letters.
  cumulative_swaps(w, {{0x79, 0x5D}, {0x72, 0x7C}, {0x69, 0x7D}, {0x3B, 0x46}, {0x63, 0x5C}, {0x62, 0xE6}}, visit);
  {
    Bytes copy(w);
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint8_t x = b(i);
      std::uint8_t to = 0;
      if (x == kYA) to = kIri;
      else if (x == kLetterNA) to = kNNA;
      else if (x == kNNA) to = kLetterNA;
      else if (x == kLetterRA) to = kSubjoinedRA;
      else if (x == kSubjoinedRA) to = kLetterRA;
      if (to == 0) continue;
      copy[i] = static_cast<char>(to);
      visit(copy);
    }
  }
  // 3: addak after a letter.
  for (std::size_t i = 0; i + 2 < n; ++i) {
    if (b(i + 1) != kAddak) visit(inserted(w, i + 1, kAddak));
  }
  // 4: bindi after a vowel sign.
  for (std::size_t i = 0; i < n; ++i) {
    if (kBindiAfterSign.contains(b(i)) && (i + 1 == n || b(i + 1) != kBindi)) visit(inserted(w, i + 1, kBindi));
  }
  // 5, 6: subjoined HA after NA, LA, RRA, or after the byte that follows them.
  for (std::size_t i = 0; i < n; ++i) {
    if (kTakesSubjoinedHA.contains(b(i)) && (i + 1 == n || b(i + 1) != kSubjoinedHA)) {
      visit(inserted(w, i + 1, kSubjoinedHA));
    }
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (kTakesSubjoinedHA.contains(b(i)) && (i + 2 == n || b(i + 2) != kSubjoinedHA)) {
      visit(inserted(w, i + 2, kSubjoinedHA));
    }
  }
  // 7: addak after U sign, or after the letter an I sign stands before.
  for (std::size_t i = 0; i < n; ++i) {
    if (i + 1 < n && b(i) == kSignU && b(i + 1) != kAddak) visit(inserted(w, i + 1, kAddak));
    if (i + 2 < n && b(i) == kSihari && b(i + 2) != kAddak) visit(inserted(w, i + 2, kAddak));
  }
  // 8: addak, subjoined HA, U sign or I sign dropped.
  for (std::size_t i = 0; i < n; ++i) {
    if (kDroppableSigns.contains(b(i))) visit(replaced(w, i, 1, ""));
  }
  // 9: URA with UU sign as the one-glyph U.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (b(i) == kUra && b(i + 1) == kSignUU) {
      Bytes v(w);
      v[i] = static_cast<char>(kA2);
      visit(v);
    }
  }
  // 10, 11: IRI with EE sign and I sign before IRI, each for the other.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (b(i) == kIri && b(i + 1) == kSignEE) visit(replaced(w, i, 2, "\x66\x4A"));
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (b(i) == kSihari && b(i + 1) == kIri) visit(replaced(w, i, 2, "\x4A\x2F"));
  }
  // 12: URA, a sign, UU sign: the one-glyph U without the sign between.
  for (std::size_t i = 0; i + 2 < n; ++i) {
    if (b(i) == kUra && b(i + 2) == kSignUU) visit(replaced(w, i, 2, Bytes(1, static_cast<char>(kA2))));
  }
  // 13, 14, 15: one-glyph vowel letters as carrier and sign; AU as AA, URA, U.
  for (std::size_t i = 0; i < n; ++i) {
    if (b(i) == kA3) visit(replaced(w, i, 1, "\x6E\x3F"));
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (b(i) == kU8E || b(i) == kA2) visit(replaced(w, i, 1, "\x54\x5B"));
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (b(i) == kSignAU) visit(replaced(w, i, 1, "\x6B\x54\x5B"));
  }
  // 16: a letter with EE sign before HA as I sign before the letter.
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (b(i) == kSignEE && b(i + 1) == kLetterHA) {
      Bytes v(w);
      v[i - 1] = static_cast<char>(kSihari);
      v[i] = w[i - 1];
      visit(v);
    }
  }
  // 17: bindi after a vowel sign not followed by one.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (kBindiAfterSign17.contains(b(i)) && b(i + 1) != kBindi) visit(inserted(w, i + 1, kBindi));
  }
  // 18, 19: a hyphen dropped; a hyphen put before a byte.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (b(i) == kHyphen) visit(replaced(w, i, 1, ""));
  }
  for (std::size_t i = 0; i < n; ++i) visit(inserted(w, i, kHyphen));
  // 20: subjoined HA after NA, RRA or LA, whatever follows.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (kTakesSubjoinedHA.contains(b(i))) visit(inserted(w, i + 1, kSubjoinedHA));
  }
}

}  // namespace quilm
