#include "analysis/word_length.h"

#include <algorithm>

#include "encoding/byte_set.h"

namespace quilm {
namespace {

constexpr ByteSet kNotALetter{0x26, 0x61};     // the ignored glyph and the nukta
constexpr ByteSet kThreeLetters{0x7E, 0x9C, 0xC3};
constexpr ByteSet kTwoLetters{0x2B, 0x4B, 0x8E, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA,
                              0xAC, 0xAD, 0xAE, 0xB6, 0xC6, 0xD5, 0xDF};

}  // namespace

int word_length(std::size_t length_as_it_stands, BytesView pivot) {
  long length = static_cast<long>(length_as_it_stands);
  for (char c : pivot) {
    if (kNotALetter.contains(c)) --length;
    else if (kThreeLetters.contains(c)) length += 2;
    else if (kTwoLetters.contains(c)) ++length;
  }
  return static_cast<int>(std::max(length, 0L));
}

}  // namespace quilm
