// FormatGurmukhiString and RepairGurmukhiWord.
#include "encoding/sound_order.h"

#include <utility>

#include "encoding/consonants.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

using namespace pivot;

constexpr ByteSet kSubjoined{kSubjoinedVA, kSubjoinedHA, kSubjoinedRA};
constexpr ByteSet kLongVowel{0x22, 0x27, 0x2F, 0x3F, 0x55, 0x68, 0x6B};

void place_sihari(Bytes& t) {
  for (std::size_t p = 1; p < t.size(); ++p) {
    if (byte_at(t, p) != kSihari || byte_at(t, p - 1) == kSignAA) continue;
    if (kSubjoined.contains(t[p - 1]) && p >= 2) {
      const char before = t[p - 2], subjoined = t[p - 1];
      t[p - 2] = static_cast<char>(kSihari);
      t[p - 1] = before;
      t[p] = subjoined;
    } else {
      std::swap(t[p - 1], t[p]);
    }
  }
}

void vowels_before_addak(Bytes& t) {
  for (std::size_t p = 1; p < t.size(); ++p) {
    if (byte_at(t, p) != kAddak) continue;
    const std::uint8_t before = byte_at(t, p - 1);
    if (before == kSignII) t[p - 1] = static_cast<char>(kSihari);
    else if (before == kSignUU || before == kSignAU || before == kSignOO) t[p - 1] = static_cast<char>(kSignU);
    else if (before == kSignAA && p + 1 < t.size()) t[p] = t[p + 1];
  }
}

// --- RepairGurmukhiWord ---------------------------------------------------------

// The previous byte is in `set`; there is no previous byte at the start, and
// then every "is not in" test holds.
bool previous_in(const Bytes& t, std::size_t p, const ByteSet& set) { return p > 0 && set.contains(t[p - 1]); }

// Gives the vowel sign at q its carrier: the carrier goes before it, and OO
// becomes the letter OO.
void give_carrier(Bytes& t, std::size_t q) {
  const std::uint8_t sign = byte_at(t, q);
  if (sign == kSignOO) t[q] = 0x55;
  else if (const std::uint8_t c = carrier_of(sign)) t.insert(t.begin() + static_cast<std::ptrdiff_t>(q), static_cast<char>(c));
}

void insert_before(Bytes& t, std::size_t p, std::uint8_t b) {
  t.insert(t.begin() + static_cast<std::ptrdiff_t>(p), static_cast<char>(b));
}

void repair_at(Bytes& t, std::size_t p) {
  constexpr ByteSet kCarried{0x22, 0x27, 0x2F, 0x3F, 0x5B, 0x68, 0x6B, 0x7B};
  const ByteSet after_sihari = kConsonant | ByteSet{kIri, kSubjoinedHA, kSubjoinedRA};
  const ByteSet consonant_or_subjoined = kConsonant | kSubjoined;
  auto at = [&](std::size_t i) { return i < t.size() ? static_cast<int>(byte_at(t, i)) : -1; };

  if (at(p) == kSihari && p + 2 < t.size() && kCarried.contains(t[p + 2])) give_carrier(t, p + 2);
  if (at(p) == kSihari && !(p + 1 < t.size() && after_sihari.contains(t[p + 1]))) insert_before(t, p + 1, kIri);
  if (at(p) == kSignII && !previous_in(t, p, after_sihari)) insert_before(t, p, kIri);
  if (at(p) == kSignAU && !previous_in(t, p, consonant_or_subjoined | ByteSet{kLetterA})) insert_before(t, p, kLetterA);
  if (at(p) == kSignOO && !previous_in(t, p, consonant_or_subjoined)) t[p] = 0x55;
  if (at(p) == kSignEE && !previous_in(t, p, consonant_or_subjoined | ByteSet{kIri})) insert_before(t, p, kIri);
  if ((at(p) == kSignAI || at(p) == kSignAA) && !previous_in(t, p, consonant_or_subjoined | ByteSet{kLetterA}))
    insert_before(t, p, kLetterA);
  if ((at(p) == kSignU || at(p) == kSignUU) && !previous_in(t, p, consonant_or_subjoined | ByteSet{kUra}))
    insert_before(t, p, kUra);
  // A second vowel sign needs a carrier of its own; a sihari, which stands
  // before its carrier, gets it from the sihari rule above instead.
  if (p + 1 < t.size() && kCarriedVowelSign.contains(t[p]) && kCarriedVowelSign.contains(t[p + 1]) &&
      t[p] != t[p + 1] && byte_at(t, p + 1) != kSihari)
    give_carrier(t, p + 1);
}

void merge_doubled_carriers(Bytes& t) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const std::uint8_t b = byte_at(t, i);
    if (out > 0 && (b == kSignAA || b == kLetterA) && byte_at(t, out - 1) == b) continue;
    t[out++] = t[i];
  }
  t.resize(out);
}

void bindi_after_long_vowels(Bytes& t) {
  for (std::size_t p = 1; p + 1 < t.size(); ++p)
    if ((kLongVowel.contains(t[p]) || byte_at(t, p - 1) == kUra) && byte_at(t, p + 1) == kTippi)
      t[p + 1] = static_cast<char>(kBindi);
}

}  // namespace

Bytes FormatGurmukhiString(BytesView text) {
  Bytes t(text);
  place_sihari(t);
  vowels_before_addak(t);
  return t;
}

Bytes RepairGurmukhiWord(BytesView text) {
  Bytes t;
  t.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (byte_at(text, i) == kSihari && i + 1 < text.size() && byte_at(text, i + 1) == kSignEE) {
      t += "\x2F\x66\x4A";
      ++i;
    } else {
      t.push_back(text[i]);
    }
  }
  for (std::size_t p = 0; p < t.size(); ++p) repair_at(t, p);
  merge_doubled_carriers(t);
  bindi_after_long_vowels(t);
  return t;
}

}  // namespace quilm
