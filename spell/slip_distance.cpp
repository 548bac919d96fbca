#include "spell/slip_distance.h"

#include <algorithm>
#include <vector>

#include "encoding/byte_set.h"
#include "encoding/consonants.h"
#include "spell/spelling_keys.h"

namespace quilm {
namespace {

constexpr double kPartner = 0.3;
constexpr double kSign = 0.5;
constexpr double kExchange = 0.6;
constexpr double kLetter = 1.0;

constexpr ByteSet kSigns{0x22, 0x27, 0x2F, 0x3F, 0x5B, 0x66, 0x68, 0x6B, 0x7B,  // vowel signs
                         0x49, 0x7A, 0x5A, 0x61,                                // bindi, tippi, addak, nukta
                         0x50, 0x51, 0x71};                                     // subjoined letters

constexpr ByteSet kLetters = pivot::kConsonant | ByteSet{0x52, 0x6E, 0x54, 0x4A, 0x55, 0xA2, 0xA3};

bool partners(std::uint8_t a, std::uint8_t b) {
  constexpr std::uint8_t pairs[][2] = {{0x42, 0x44}, {0x70, 0x74}, {0x76, 0x64}, {0x4E, 0x73}, {0x56, 0x6F},
                                       {0x5B, 0x7B}, {0x2F, 0x3F}, {0x27, 0x22}, {0x49, 0x7A}, {0x6F, 0x71}};
  for (const auto& p : pairs) {
    if ((a == p[0] && b == p[1]) || (a == p[1] && b == p[0])) return true;
  }
  return spelling_keys::NP(a) == b || spelling_keys::CP(a) == b;
}

double change_cost(std::uint8_t a, std::uint8_t b) {
  if (a == b) return 0;
  return partners(a, b) ? kPartner : kLetter;
}

double put_cost(std::uint8_t b) { return kSigns.contains(b) ? kSign : kLetter; }

// Whether exchanging two neighbouring letters of `w`, the signs between
// them staying, gives `c`.
bool letters_exchanged(BytesView w, BytesView c) {
  if (w.size() != c.size()) return false;
  std::size_t first = BytesView::npos;
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (w[i] == c[i]) continue;
    if (first != BytesView::npos) {
      Bytes swapped(w);
      std::swap(swapped[first], swapped[i]);
      return swapped == c && kLetters.contains(w[i]);
    }
    if (!kLetters.contains(w[i])) return false;
    first = i;
  }
  return false;
}

}  // namespace

double slip_distance(BytesView w, BytesView c) {
  if (letters_exchanged(w, c)) return kExchange;
  const std::size_t n = w.size(), m = c.size();
  const auto W = [&](std::size_t i) { return static_cast<std::uint8_t>(w[i - 1]); };
  const auto C = [&](std::size_t j) { return static_cast<std::uint8_t>(c[j - 1]); };
  std::vector<double> d((n + 1) * (m + 1));
  const auto at = [&](std::size_t i, std::size_t j) -> double& { return d[i * (m + 1) + j]; };
  for (std::size_t i = 1; i <= n; ++i) at(i, 0) = at(i - 1, 0) + put_cost(W(i));
  for (std::size_t j = 1; j <= m; ++j) at(0, j) = at(0, j - 1) + put_cost(C(j));
  for (std::size_t i = 1; i <= n; ++i) {
    for (std::size_t j = 1; j <= m; ++j) {
      double best = std::min({at(i - 1, j) + put_cost(W(i)), at(i, j - 1) + put_cost(C(j)),
                              at(i - 1, j - 1) + change_cost(W(i), C(j))});
      if (i >= 2 && j >= 2) {
        if (W(i) == C(j - 1) && W(i - 1) == C(j)) best = std::min(best, at(i - 2, j - 2) + kExchange);
        // I sign before a letter against the letter with II sign.
        const bool sihari_bihari = (W(i - 1) == 0x66 && C(j) == 0x68 && W(i) == C(j - 1)) ||
                                   (C(j - 1) == 0x66 && W(i) == 0x68 && C(j) == W(i - 1));
        if (sihari_bihari) best = std::min(best, at(i - 2, j - 2) + kPartner);
      }
      at(i, j) = best;
    }
  }
  return at(n, m);
}

}  // namespace quilm
