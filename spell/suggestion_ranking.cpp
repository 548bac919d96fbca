#include "spell/suggestion_ranking.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "encoding/byte_set.h"
#include "encoding/lookup_normalisation.h"
#include "spell/slip_distance.h"
#include "spell/spelling_keys.h"

namespace quilm {
namespace {

using namespace spelling_keys;

constexpr ByteSet kS3{0x22, 0x27, 0x2F, 0x3F, 0x42, 0x44, 0x47, 0x48, 0x4D, 0x58, 0x59,
                      0x5B, 0x64, 0x69, 0x6F, 0x70, 0x71, 0x72, 0x76, 0x78, 0x7B};
constexpr ByteSet kS4{0x22, 0x2F, 0x42, 0x4D, 0x58, 0x59, 0x5B, 0x70, 0x71, 0x72};
constexpr ByteSet kDropSigns{0x41, 0x49, 0x51, 0x5A, 0x5B, 0x5F, 0x60, 0x66, 0x6B, 0x7A};
constexpr ByteSet kPairA{0x22, 0x27, 0x2F, 0x3F, 0x68};
constexpr ByteSet kPairB{0x5B, 0x7B};
constexpr ByteSet kPairC{0x41, 0x49, 0x5A, 0x5F, 0x60, 0x7A};
constexpr ByteSet kAlignSigns{0x5A, 0x7A, 0x60, 0x49, 0x51, 0x66};
constexpr std::uint8_t kAlignOrder[] = {0x5A, 0x7A, 0x60, 0x49, 0x51, 0x66};

// 1-based byte access; a position beyond the end gives a value that equals
// no byte (and a different one for each string, so two ends never match).
struct Word {
  BytesView s;
  int beyond;
  int operator[](std::size_t k) const { return k >= 1 && k <= s.size() ? static_cast<std::uint8_t>(s[k - 1]) : beyond; }
  std::size_t size() const { return s.size(); }
};

bool in(const ByteSet& set, int b) { return b >= 0 && set.contains(static_cast<std::uint8_t>(b)); }
std::optional<std::uint8_t> cp(int b) { return b >= 0 ? CP(static_cast<std::uint8_t>(b)) : std::nullopt; }
std::optional<std::uint8_t> np(int b) { return b >= 0 ? NP(static_cast<std::uint8_t>(b)) : std::nullopt; }
bool is(std::optional<std::uint8_t> partner, int b) { return partner && *partner == b; }

Bytes minus(BytesView s, std::size_t k) {  // 1-based
  Bytes out(s.substr(0, k - 1));
  out += s.substr(k);
  return out;
}

bool drop_one(BytesView a, BytesView b, const ByteSet* only) {
  const BytesView longer = a.size() > b.size() ? a : b, shorter = a.size() > b.size() ? b : a;
  if (longer.size() != shorter.size() + 1) return false;
  for (std::size_t k = 1; k <= longer.size(); ++k) {
    if (only && !only->contains(longer[k - 1])) continue;
    if (minus(longer, k) == shorter) return true;
  }
  return false;
}
bool Drop1(BytesView a, BytesView b) { return drop_one(a, b, nullptr); }
bool DropSign(BytesView a, BytesView b) { return drop_one(a, b, &kDropSigns); }

bool Swapped(BytesView a, BytesView b) {
  if (a.size() != b.size() || a.size() <= 2) return false;
  for (std::size_t k = 0; k + 1 < a.size(); ++k) {
    if (a[k] == b[k + 1] && a[k + 1] == b[k]) return true;
  }
  return false;
}

bool BadPair(BytesView s) {
  for (std::size_t k = 0; k + 1 < s.size(); ++k) {
    const std::uint8_t x = static_cast<std::uint8_t>(s[k]), y = static_cast<std::uint8_t>(s[k + 1]);
    const bool bad = (kPairA.contains(x) && kPairA.contains(y)) || (kPairB.contains(x) && kPairA.contains(y)) ||
                     (kPairB.contains(x) && kPairB.contains(y)) || (kPairC.contains(x) && kPairC.contains(y)) ||
                     (kPairC.contains(x) && kPairA.contains(y)) || (kPairC.contains(x) && y == 0x6B) ||
                     ((x == 0x54 || x == 0x6B || x == 0x8E || x == 0xA2) && kPairA.contains(y));
    if (bad) return true;
  }
  return false;
}

Bytes confusable_skeleton(BytesView s) {
  Bytes out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::uint8_t b = static_cast<std::uint8_t>(s[i]);
    if (b == 0x5A) continue;
    const std::optional<std::uint8_t> partner = CP(b);
    out.push_back(static_cast<char>(i > 0 && kS4.contains(b) && partner ? *partner : b));
  }
  return out;
}

// Letters writers confuse at the start of a word as well as inside it.
bool confusable_first_letters(int a, int b) {
  constexpr int pairs[][2] = {{0x42, 0x44}, {0x70, 0x74}, {0x76, 0x64}, {0x4E, 0x73}, {0x56, 0x6F}};
  for (const auto& p : pairs) {
    if ((a == p[0] && b == p[1]) || (a == p[1] && b == p[0])) return true;
  }
  return false;
}

// The first letter differs by a slip of the whole letter: one put before
// the word or left out of it, or exchanged with the next letter.
bool first_letter_slip(BytesView w, BytesView c) {
  if (c.size() == w.size() + 1 && c.substr(1) == w) return true;
  if (w.size() == c.size() + 1 && w.substr(1) == c) return true;
  if (w.size() != c.size() || w.size() < 2) return false;
  const std::size_t second = w.find(c[0], 1);
  if (second == BytesView::npos || c.find(w[0], 1) != second) return false;
  Bytes swapped(w);
  std::swap(swapped[0], swapped[second]);
  return swapped == c;
}

int first_letter_block(const Word& W, const Word& C, bool special, int score) {
  if (W.size() > 1 && W[1] != C[1]) {
    const bool nukta = in_nukta_sets(static_cast<std::uint8_t>(W[1])) && is(np(W[1]), C[1]);
    score = nukta || confusable_first_letters(W[1], C[1]) ? 2 : first_letter_slip(W.s, C.s) ? 0 : -8;
  }
  if (C[1] == 0x66 || W[1] == 0x66) score = 0;
  if ((C[1] == 0xA2 || C[1] == 0x54) && (W[1] == 0xA2 || W[1] == 0x54)) score = 0;
  if (special) score = 100;
  return score;
}

int keys_block(BytesView w, BytesView c) {
  int points = P(c) == P(w) ? 4 : 0;
  if (K1(c) == K1(w)) return points + 10;
  if (K2(c) == K2(w)) return points + 6;
  if (K3(c) == K3(w)) return points + 5;
  if (K4(c) == K4(w)) return points + 8;
  if (K5(c) == K5(w)) return points + 4;
  if (Swapped(c, w)) return points + 4;
  return points;
}

int same_length_block(const Word& W, const Word& C) {
  int points = 0;
  if (W[1] == 0x55 && C[1] == 0xA2) points += 4;
  if (W[1] == 0xA2 && C[1] == 0x55) points += 4;
  const std::size_t n = W.size();
  for (std::size_t k = 1; k <= n; ++k) {
    if (W[k] == C[k]) points += k == 1 ? 4 : 2;
  }
  for (std::size_t k = 1; k <= n; ++k) {
    if (!in(kS3, W[k])) continue;
    const std::optional<std::uint8_t> partner = cp(W[k]);
    const auto copy_equals_after = [&](std::size_t from, std::size_t to) {
      Bytes copy(C.s);
      for (std::size_t p = from; p <= to; ++p) copy[p - 1] = W.s[p - 1];
      return copy == W.s;
    };
    if (is(partner, C[k])) points += copy_equals_after(k, k) ? 0 : 1;
    if (k < n && is(partner, C[k + 1])) points += copy_equals_after(k, k + 1) ? 6 : 1;
    if (k > 1 && is(partner, C[k - 1])) points += copy_equals_after(k - 1, k) ? 6 : 1;
  }
  return points;
}

struct SignBonus {
  std::uint8_t sign;
  int exact, other;
};
constexpr SignBonus kLongerSignBonus[] = {{0x5A, 5, 1}, {0x60, 5, 1}, {0x51, 4, 1}, {0x5B, 2, 1},
                                          {0x66, 3, 0}, {0x49, 4, 1}, {0x7A, 3, 1}};

int longer_candidate_block(const Word& W, const Word& C) {
  int points = DropSign(C.s, W.s) ? 3 : 0;
  std::size_t j = 1;
  for (std::size_t k = 1; k + 1 <= W.size(); ++k) {
    for (std::uint8_t s : kAlignOrder) {
      if (W[k] != s && C[j] == s) ++j;
    }
    if (W[k] == C[j]) points += k == 1 ? 4 : 2;
    ++j;
  }
  for (std::size_t k = 1; k <= W.size(); ++k) {
    if (in_nukta_sets(static_cast<std::uint8_t>(W[k])) && (is(np(W[k]), C[k]) || is(np(W[k]), C[k + 1]))) ++points;
    if (in(kS3, W[k]) && (is(cp(W[k]), C[k]) || is(cp(W[k]), C[k + 1]))) ++points;
    for (const SignBonus& b : kLongerSignBonus) {
      if (W[k] != b.sign && C[k] == b.sign) points += minus(C.s, k) == W.s ? b.exact : b.other;
    }
  }
  if (!C.s.empty() && C.s.back() == '\x49' && (W.s.empty() || W.s.back() != '\x49')) {
    points += C.s.substr(0, C.size() - 1) == W.s ? 4 : 1;
  }
  return points;
}

int shorter_candidate_block(const Word& W, const Word& C) {
  int points = 0;
  if (BadPair(W.s) && Drop1(W.s, C.s)) points += 5;
  if (DropSign(W.s, C.s)) points += 4;
  std::size_t j = 1;
  for (std::size_t k = 1; k <= C.size(); ++k) {
    if (in(kAlignSigns, W[k]) && C[j] != W[k]) continue;
    if (W[k] == C[j]) {
      points += j == 1 ? 4 : 2;
      ++j;
    }
  }
  for (std::size_t k = 1; k <= C.size(); ++k) {
    if (in_nukta_sets(static_cast<std::uint8_t>(W[k])) && (is(np(W[k]), C[k]) || (k > 1 && is(np(W[k]), C[k - 1]))))
      ++points;
    if (in(kS3, W[k]) && (is(cp(W[k]), C[k]) || (k > 1 && is(cp(W[k]), C[k - 1])))) ++points;
    if (W[k] == 0x7A && C[k] != 0x7A) points += 3;
    if (W[k] == 0x51 && C[k] != 0x51) points += 3;
    if (W[k] == 0x49 && C[k] != 0x49) points += 3;
    if (W[k] == 0x66 && C[k] != 0x66) points += 1;
    if (W[k] == 0x5B && C[k] != 0x5B) points += 1;
  }
  return points;
}

int sign_and_vowel_letter_blocks(const Word& W, const Word& C) {
  int points = 0;
  if (!C.s.empty() && C.s.back() != '\x49' && !W.s.empty() && W.s.back() == '\x49') {
    points += C.s.substr(0, C.size() - 1) == W.s ? 4 : 1;
  }
  for (std::size_t k = 1; k + 1 <= C.size(); ++k) {
    if (W[k] == 0x66 && C[k + 1] == 0x68 && W[k + 1] == C[k]) points += k == 1 ? 10 : 2;
  }
  for (std::size_t k = 1; k + 1 <= W.size(); ++k) {
    if (C[k] == 0x66 && W[k + 1] == 0x68 && C[k + 1] == W[k]) points += k == 1 ? 10 : 2;
  }
  for (std::size_t k = 1; k + 1 <= C.size(); ++k) {
    if (C[k] == 0x54 && C[k + 1] == 0x7B && (W[k] == 0x8E || W[k] == 0xA2)) points += k == 1 ? 10 : 4;
    if (C[k] == 0x6E && (C[k + 1] == 0x22 || C[k + 1] == 0x6B) && W[k] == 0xA3) points += k == 1 ? 10 : 4;
  }
  for (std::size_t k = 1; k + 1 <= W.size(); ++k) {
    if (W[k] == 0x54 && W[k + 1] == 0x7B && (C[k] == 0x8E || C[k] == 0xA2)) points += k == 1 ? 10 : 4;
  }
  return points;
}

int frequency_points(std::optional<std::int64_t> f) {
  if (!f) return 0;
  if (*f > 10000) return 7;
  if (*f > 4000) return 6;
  if (*f > 2000) return 5;
  if (*f > 1250) return 4;
  if (*f > 500) return 3;
  if (*f > 250) return 2;
  return 1;
}

bool space_before_last(BytesView s) { return s.size() > 1 && s.substr(0, s.size() - 1).find(' ') != BytesView::npos; }

// Words that lack their initial I (sihari, IRI): the list starts with the
// word so prefixed.
constexpr std::array<BytesView, 8> kMissingInitialI = {"eZmk", "eZm/", "eZmh", "eZbk", "eZbh", "eZb/", "eZfbnkI", "eZfmnkI"};

}  // namespace

double suggestion_order(BytesView W, BytesView candidate, int score, const WordFrequencies& frequencies) {
  const Bytes c = convert_for_gurmukhi(candidate).word;
  const std::optional<std::int64_t> f = frequencies.find(c);
  const double common = f && *f > 0 ? kFrequencyWeight * std::log10(static_cast<double>(*f)) : 0;
  return kSlipWeight * (kSlipReach - slip_distance(W, c)) + common + kScoreWeight * score;
}

int score_suggestion(BytesView w_bytes, BytesView candidate, bool special, const WordFrequencies& frequencies) {
  const Bytes c_bytes = convert_for_gurmukhi(candidate).word;
  const Word W{w_bytes, -1}, C{c_bytes, -2};
  int score = first_letter_block(W, C, special, special ? 100 : 0);
  score += keys_block(W.s, C.s);
  if (confusable_skeleton(C.s) == confusable_skeleton(W.s)) score += 1;
  if (W.size() == C.size()) score += same_length_block(W, C);
  else if (W.size() < C.size()) score += longer_candidate_block(W, C);
  else score += shorter_candidate_block(W, C);
  score += sign_and_vowel_letter_blocks(W, C);
  if (space_before_last(C.s) && score > 1) score = 1;
  score += frequency_points(frequencies.find(C.s));
  return score;
}

void sort_suggestion_list(BytesView W, std::vector<Bytes>& list, int special_index,
                          const WordFrequencies& frequencies) {
  W = W.substr(0, kRankedWordLength);
  if (list.size() > 1) {
    // Candidates with a negative score go (a first letter no slip explains);
    // the rest are ordered, equal orders keeping the order of generation.
    struct Ranked {
      double order;
      Bytes candidate;
    };
    std::vector<Ranked> kept;
    for (std::size_t i = 0; i < list.size(); ++i) {
      const int score = score_suggestion(W, list[i], static_cast<int>(i) == special_index, frequencies);
      if (score < 0) continue;
      kept.push_back({suggestion_order(W, list[i], score, frequencies), std::move(list[i])});
    }
    std::stable_sort(kept.begin(), kept.end(), [](const Ranked& a, const Ranked& b) { return a.order > b.order; });
    list.clear();
    for (Ranked& r : kept) list.push_back(std::move(r.candidate));
  }
  std::ptrdiff_t keep = static_cast<std::ptrdiff_t>(list.size()) - 1;
  if (std::find(kMissingInitialI.begin(), kMissingInitialI.end(), W) != kMissingInitialI.end()) {
    list.insert(list.begin(), "\x66\x4A" + Bytes(W));
    ++keep;
  }
  if (keep >= 5) {
    for (std::ptrdiff_t i = 5; i <= keep; ++i) {
      if (space_before_last(list[static_cast<std::size_t>(i)])) {
        std::swap(list[static_cast<std::size_t>(i)], list[4]);
        break;
      }
    }
  }
  if (list.size() > kShownSuggestions) list.resize(kShownSuggestions);
}

}  // namespace quilm
