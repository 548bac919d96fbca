#include "spell/slip_distance.h"

#include <algorithm>
#include <string>
#include <vector>

#include "encoding/byte_set.h"
#include "encoding/consonants.h"
#include "encoding/unicode_output.h"
#include "spell/letter_slips.h"
#include "spell/spelling_keys.h"

namespace quilm {
namespace {

// A sign or a letter the writer left out (it is in the candidate, not in
// the word) costs less than one typed too many: leaving out is the more
// common slip.
constexpr double kPartner = 0.3;
constexpr double kSignLeftOut = 0.4;
constexpr double kSignTooMany = 0.5;
constexpr double kLetterLeftOut = 0.5;
constexpr double kExchange = 0.6;
constexpr double kLetterTooMany = 0.7;
constexpr double kLetter = 1.0;  // one letter for another

// What a slip costs between two symbols of one script: glyph bytes of the
// pivot encoding or Unicode code points.
struct PivotSymbols {
  static constexpr ByteSet kSigns{0x22, 0x27, 0x2F, 0x3F, 0x5B, 0x66, 0x68, 0x6B, 0x7B,  // vowel signs
                                  0x49, 0x7A, 0x5A, 0x61,                                // bindi, tippi, addak, nukta
                                  0x50, 0x51, 0x71};                                     // subjoined letters
  static constexpr ByteSet kLetters = pivot::kConsonant | ByteSet{0x52, 0x6E, 0x54, 0x4A, 0x55, 0xA2, 0xA3};

  static bool partners(unsigned a, unsigned b) {
    constexpr unsigned pairs[][2] = {{0x42, 0x44}, {0x70, 0x74}, {0x76, 0x64}, {0x4E, 0x73}, {0x56, 0x6F},
                                     {0x5B, 0x7B}, {0x2F, 0x3F}, {0x27, 0x22}, {0x49, 0x7A}, {0x6F, 0x71}};
    for (const auto& p : pairs) {
      if ((a == p[0] && b == p[1]) || (a == p[1] && b == p[0])) return true;
    }
    const auto byte = [](unsigned x) { return static_cast<std::uint8_t>(x); };
    return spelling_keys::NP(byte(a)) == byte(b) || spelling_keys::CP(byte(a)) == byte(b);
  }
  static bool sign(unsigned b) { return b < 256 && kSigns.contains(static_cast<std::uint8_t>(b)); }
  static bool letter(unsigned b) { return b < 256 && kLetters.contains(static_cast<std::uint8_t>(b)); }
  // I sign before a letter against the letter with II sign.
  static bool sihari_bihari(unsigned w1, unsigned w2, unsigned c1, unsigned c2) {
    return (w1 == 0x66 && c2 == 0x68 && w2 == c1) || (c1 == 0x66 && w2 == 0x68 && c2 == w1);
  }
};

struct UnicodeSymbols {
  static bool partners(unsigned a, unsigned b) {
    constexpr unsigned pairs[][2] = {
        {0x0A38, 0x0A36}, {0x0A16, 0x0A59}, {0x0A17, 0x0A5A}, {0x0A1C, 0x0A5B}, {0x0A2B, 0x0A5E},  // nukta
        {0x0A32, 0x0A33}, {0x0A23, 0x0A28}, {0x0A2C, 0x0A35}, {0x0A21, 0x0A26}, {0x0A1F, 0x0A24},  // confusable
        {0x0A5C, 0x0A30}, {0x0A2A, 0x0A2D}, {0x0A1D, 0x0A1C}, {0x0A27, 0x0A26}, {0x0A21, 0x0A22},
        {0x0A17, 0x0A18}, {0x0A3F, 0x0A40}, {0x0A41, 0x0A42}, {0x0A47, 0x0A48}, {0x0A4B, 0x0A4C},  // vowel length
        {0x0A07, 0x0A08}, {0x0A09, 0x0A0A}, {0x0A0F, 0x0A10}, {0x0A13, 0x0A14}, {0x0A02, 0x0A70}};
    for (const auto& p : pairs) {
      if ((a == p[0] && b == p[1]) || (a == p[1] && b == p[0])) return true;
    }
    return false;
  }
  static bool sign(unsigned c) {
    return (c >= 0x0A01 && c <= 0x0A03) || (c >= 0x0A3C && c <= 0x0A4D) || c == 0x0A51 || c == 0x0A70 ||
           c == 0x0A71 || c == 0x0A75;
  }
  static bool letter(unsigned c) { return is_gurmukhi_letter(static_cast<char16_t>(c)); }
  static bool sihari_bihari(unsigned, unsigned, unsigned, unsigned) { return false; }
};

// Whether exchanging two neighbouring letters of `w`, the signs between
// them staying, gives `c`.
template <typename Symbols>
bool letters_exchanged(const std::vector<unsigned>& w, const std::vector<unsigned>& c) {
  if (w.size() != c.size()) return false;
  std::size_t first = w.size();
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (w[i] == c[i]) continue;
    if (first != w.size()) {
      std::vector<unsigned> swapped(w);
      std::swap(swapped[first], swapped[i]);
      return swapped == c && Symbols::letter(w[i]);
    }
    if (!Symbols::letter(w[i])) return false;
    first = i;
  }
  return false;
}

// Weighted edit distance with exchanges of neighbours.
template <typename Symbols>
double distance(const std::vector<unsigned>& w, const std::vector<unsigned>& c) {
  if (letters_exchanged<Symbols>(w, c)) return kExchange;
  // A space left out (a run-together pair of words) is a slip of its own,
  // offered after the slips within one word.
  const auto left_out = [](unsigned s) { return s == ' ' ? kLetter : Symbols::sign(s) ? kSignLeftOut : kLetterLeftOut; };
  const auto too_many = [](unsigned s) { return Symbols::sign(s) ? kSignTooMany : kLetterTooMany; };
  const auto change_cost = [](unsigned a, unsigned b) { return a == b ? 0 : Symbols::partners(a, b) ? kPartner : kLetter; };
  const std::size_t n = w.size(), m = c.size();
  const auto W = [&](std::size_t i) { return w[i - 1]; };
  const auto C = [&](std::size_t j) { return c[j - 1]; };
  std::vector<double> d((n + 1) * (m + 1));
  const auto at = [&](std::size_t i, std::size_t j) -> double& { return d[i * (m + 1) + j]; };
  for (std::size_t i = 1; i <= n; ++i) at(i, 0) = at(i - 1, 0) + too_many(W(i));
  for (std::size_t j = 1; j <= m; ++j) at(0, j) = at(0, j - 1) + left_out(C(j));
  for (std::size_t i = 1; i <= n; ++i) {
    for (std::size_t j = 1; j <= m; ++j) {
      double best = std::min({at(i - 1, j) + too_many(W(i)), at(i, j - 1) + left_out(C(j)),
                              at(i - 1, j - 1) + change_cost(W(i), C(j))});
      if (i >= 2 && j >= 2) {
        if (W(i) == C(j - 1) && W(i - 1) == C(j)) best = std::min(best, at(i - 2, j - 2) + kExchange);
        if (Symbols::sihari_bihari(W(i - 1), W(i), C(j - 1), C(j))) best = std::min(best, at(i - 2, j - 2) + kPartner);
      }
      at(i, j) = best;
    }
  }
  return at(n, m);
}

std::vector<unsigned> pivot_symbols(BytesView s) {
  std::vector<unsigned> out;
  for (char b : s) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

// Code points with each letter and its nukta as one symbol.
std::vector<unsigned> unicode_symbols(BytesView pivot) {
  constexpr unsigned kNuktaSign = 0x0A3C;
  constexpr unsigned kDotted[][2] = {{0x0A38, 0x0A36}, {0x0A16, 0x0A59}, {0x0A17, 0x0A5A},
                                     {0x0A1C, 0x0A5B}, {0x0A2B, 0x0A5E}, {0x0A32, 0x0A33}};
  std::vector<unsigned> out;
  for (char16_t u : GurToUnicode(pivot)) {
    if (u == kNuktaSign && !out.empty()) {
      const auto dotted = std::find_if(std::begin(kDotted), std::end(kDotted), [&](const auto& p) { return p[0] == out.back(); });
      if (dotted != std::end(kDotted)) {
        out.back() = (*dotted)[1];
        continue;
      }
    }
    out.push_back(u);
  }
  return out;
}

}  // namespace

double slip_distance(BytesView w, BytesView c) {
  const double glyphs = distance<PivotSymbols>(pivot_symbols(w), pivot_symbols(c));
  if (glyphs <= kSignLeftOut) return glyphs;  // no letter slip does better
  return std::min(glyphs, distance<UnicodeSymbols>(unicode_symbols(w), unicode_symbols(c)));
}

}  // namespace quilm
