// convert_tippi_bindi.
#include "encoding/tippi_bindi.h"

#include <utility>

#include "encoding/consonants.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

using namespace pivot;

// Long vowel signs and the letter OO: a nasal sign after them is a bindi.
constexpr ByteSet kLongVowel{0x22, 0x27, 0x2F, 0x3F, 0x55, 0x68, 0x6B};
// Bytes after which a nasal sign is a tippi.
constexpr ByteSet kTippiBase = kConsonant | ByteSet{0x3E, 0x4A, 0x52, 0x57, 0x61, 0x6E, 0x7E};
constexpr ByteSet kSubjoined{kSubjoinedVA, kSubjoinedHA, kSubjoinedRA};

// The bindi is drawn after a long vowel sign: move it behind the sign.
void bindi_after_long_vowels(Bytes& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (byte_at(text, i) == kBindi && kLongVowel.contains(text[i + 1])) std::swap(text[i], text[i + 1]);
}

// The nasal sign that X takes, looking at the byte before X too; 0 when X
// does not decide (the bindi is then looked at on its own).
std::uint8_t nasal_after(std::uint8_t x, int before) {
  const bool u_sign = x == kSignU || x == kSignUU;
  if (kTippiBase.contains(x)) return kTippi;
  if (u_sign && before >= 0 && kTippiBase.contains(static_cast<std::uint8_t>(before))) return kTippi;
  if (kLongVowel.contains(x)) return kBindi;
  if (kSubjoined.contains(x)) return kTippi;
  if (u_sign && before == kUra) return kBindi;
  return 0;
}

}  // namespace

Bytes convert_tippi_bindi(BytesView input) {
  Bytes text(input);
  bindi_after_long_vowels(text);
  Bytes out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint8_t x = byte_at(text, i);
    const bool bindi_follows = i + 1 < text.size() && byte_at(text, i + 1) == kBindi;
    const std::uint8_t nasal = bindi_follows ? nasal_after(x, i > 0 ? byte_at(text, i - 1) : -1) : 0;
    out.push_back(static_cast<char>(x));
    if (nasal) {
      out.push_back(static_cast<char>(nasal));
      ++i;
    }
  }
  return out;
}

}  // namespace quilm
