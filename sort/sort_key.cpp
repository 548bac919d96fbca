#include "sort/sort_key.h"

#include <array>
#include <string_view>
#include <utility>

#include "encoding/byte_set.h"
#include "encoding/pivot_bytes.h"
#include "sort/collation_tables.inc"

namespace quilm {
namespace {

using pivot::Byte;

// Signs that may stand between a consonant and the subjoined letter drawn
// under it: nasal marks and addak (set A), vowel signs (set B), subjoined
// letters (set C). The reordering moves a vowel sign behind the subjoined
// letter so that the cluster's letters come first.
constexpr ByteSet kNasalMarks{0x26, 0x49, 0x5A, 0x5F, 0x60, 0x7A};
constexpr ByteSet kVowelSigns{0x22, 0x27, 0x2B, 0x2F, 0x3F, 0x5B, 0x66, 0x68, 0x6B, 0x7B};
constexpr ByteSet kSubjoined{0x50, 0x71, 0xB1, 0xC8};
// Letters that take a nukta to make another letter (ਸ਼ ਲ਼ ਫ਼ ਜ਼ ਗ਼ ਖ਼).
constexpr ByteSet kNuktaBases{0x3B, 0x62, 0x63, 0x69, 0x72, 0x79};

// Bytes that weigh nothing: blanks and control bytes, the ignored glyph,
// brackets, the hyphen, the danda and marks that do not spell.
constexpr ByteSet make_ignored() {
  ByteSet s;
  for (int b = 0x01; b <= 0x20; ++b) s.insert(static_cast<Byte>(b));
  for (Byte b : {0x23, 0x26, 0x28, 0x29, 0x2A, 0x2C, 0x2D, 0x2E, 0x3C, 0x3D, 0x40, 0x4C, 0x4F, 0x61, 0x6C})
    s.insert(b);
  return s;
}
constexpr ByteSet kIgnored = make_ignored();

constexpr Byte kSubjoinedHaGlyph = pivot::kSubjoinedHA;  // 'Q': read as addak except at the end
constexpr Byte kWawa = 0x57;                             // 'W': one glyph for RA with aunkar
constexpr Byte kFirstPairMark = 0x97;                    // ਇ (ੲ + sihari): 97, ਈ 98, ਏ 99
constexpr Byte kUraWithU = 0x8E;                         // ਉ; ਊ is 8F
constexpr Byte kAiraWithKanna = 0x92;                    // ਆ; ਐ 94, ਔ 95

// The bytes' own values where a map lists nothing.
void append_weight(BytesView weights, Byte b, Bytes& out) {
  if (weights.empty()) out.push_back(static_cast<char>(b));
  else out.append(weights);
}

Byte at(const Bytes& t, std::size_t i) { return static_cast<Byte>(t[i]); }

// 'W' is RA with aunkar in one glyph: spelt out before anything looks at it.
void expand_wawa(BytesView pivot, Bytes& t) {
  t.clear();
  t.reserve(pivot.size() + 4);
  for (char c : pivot) {
    if (static_cast<Byte>(c) == kWawa) t.append("o[");
    else t.push_back(c);
  }
}

// Brings the signs into the order of the letters: sihari behind its
// consonant, a vowel sign behind the subjoined letter that follows it
// (also across one nasal mark). A subjoined HA glyph before the last byte
// counts as addak. The last byte is never looked at on its own.
void reorder_signs(Bytes& t) {
  const std::size_t n = t.size();
  for (std::size_t j = 0; j + 1 < n; ++j) {
    if (at(t, j) == kSubjoinedHaGlyph) t[j] = static_cast<char>(pivot::kAddak);
    if (at(t, j) == pivot::kSihari) {
      std::swap(t[j], t[j + 1]);
      ++j;
    }
    if (j + 1 < n && kVowelSigns.contains(at(t, j)) && kSubjoined.contains(at(t, j + 1))) {
      std::swap(t[j], t[j + 1]);
      ++j;
    } else if (j + 2 < n && kVowelSigns.contains(at(t, j)) && kNasalMarks.contains(at(t, j + 1)) &&
               kSubjoined.contains(at(t, j + 2))) {
      std::swap(t[j], t[j + 2]);
      j += 2;
    }
  }
}

// An independent vowel is a carrier and a sign; the pair becomes one letter
// byte and the sign is blanked with the ignored glyph.
void mark_vowel_pairs(Bytes& t) {
  const std::size_t n = t.size();
  const auto blank = [&t](std::size_t i) { t[i] = static_cast<char>(pivot::kIgnoredGlyph); };
  for (std::size_t j = 0; j + 1 < n;) {
    const Byte b = at(t, j), x = at(t, j + 1);
    if (b == pivot::kIri && (x == pivot::kSihari || x == pivot::kSignII || x == pivot::kSignEE)) {
      t[j] = static_cast<char>(kFirstPairMark + (x == pivot::kSihari ? 0 : x == pivot::kSignII ? 1 : 2));
      blank(j + 1);
      j += 2;
    } else if (b == pivot::kUra && (x == pivot::kSignU || x == pivot::kSignUU)) {
      t[j] = static_cast<char>(kUraWithU + (x == pivot::kSignU ? 0 : 1));
      blank(j + 1);
      j += 2;
    } else if (b == pivot::kUra && j + 2 < n && (at(t, j + 2) == pivot::kSignU || at(t, j + 2) == pivot::kSignUU)) {
      t[j] = static_cast<char>(kUraWithU + (at(t, j + 2) == pivot::kSignU ? 0 : 1));
      blank(j + 2);
      j += 3;
    } else if (b == pivot::kLetterA && (x == pivot::kSignAA || x == pivot::kSignAI || x == pivot::kSignAU)) {
      t[j] = static_cast<char>(kAiraWithKanna + (x == pivot::kSignAA ? 0 : x == pivot::kSignAI ? 2 : 3));
      blank(j + 1);
      j += 2;
    } else if (b == pivot::kLetterA && x == 0x4B) {  // aira with kanna and bindi: ਆਂ
      t[j] = static_cast<char>(kAiraWithKanna);
      t[j + 1] = static_cast<char>(pivot::kBindi);
      j += 2;
    } else {
      ++j;
    }
  }
}

// A letter of the joining set takes its composite weight when a nukta
// follows it directly, or after one byte that is not itself of the set.
bool takes_nukta(const Bytes& t, std::size_t k) {
  const std::size_t n = t.size();
  if (k + 1 < n && at(t, k + 1) == pivot::kNukta) return true;
  return k + 2 < n && at(t, k + 2) == pivot::kNukta && !kNuktaBases.contains(at(t, k + 1));
}

// The primary part: letters and vowel signs in order, after it the
// secondary part: the nasal and gemination marks in order.
void assemble_key(const Bytes& t, Bytes& key) {
  for (std::size_t k = 0; k < t.size(); ++k) {
    const Byte c = at(t, k);
    if (kIgnored.contains(c)) continue;
    if (kNuktaBases.contains(c) && takes_nukta(t, k)) key.append(kSortWithNukta[c]);
    else if (kSortSecondary[c].empty() || !kSortPrimary[c].empty()) append_weight(kSortPrimary[c], c, key);
  }
  for (char c : t) key.append(kSortSecondary[static_cast<Byte>(c)]);
}

}  // namespace

void append_gurmukhi_sort_key(BytesView pivot, Bytes& work, Bytes& key) {
  expand_wawa(pivot, work);
  reorder_signs(work);
  mark_vowel_pairs(work);
  assemble_key(work, key);
}

void ConvertGurmukhiToSort(BytesView pivot, Bytes& key) {
  key.clear();
  Bytes work;
  append_gurmukhi_sort_key(pivot, work, key);
}

Bytes ConvertGurmukhiToSort(BytesView pivot) {
  Bytes key;
  ConvertGurmukhiToSort(pivot, key);
  return key;
}

}  // namespace quilm
