// Nukta composition.
#include "encoding/nukta_composition.h"

#include "encoding/pivot.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

// The letter with nukta of a consonant, or 0.
std::uint8_t dotted(std::uint8_t consonant) {
  switch (consonant) {
    case 0x3B: return 0x46;  // SA -> SHA
    case 0x72: return 0x7C;  // GA -> GHHA
    case 0x79: return 0x5D;  // KHA -> KHHA
    case 0x69: return 0x7D;  // JA -> ZA
    case 0x63: return 0x5C;  // PHA -> FA
    case 0x62: return 0xE6;  // LA -> LLA
    default: return 0;
  }
}

}  // namespace

void compose_nukta_consonants(Bytes& text) {
  if (text.find(static_cast<char>(pivot::kNukta)) == Bytes::npos) return;
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::uint8_t with_nukta = dotted(byte_at(text, i));
    if (with_nukta && i + 1 < text.size() && byte_at(text, i + 1) == pivot::kNukta) {
      text[out++] = static_cast<char>(with_nukta);
      i += 1;
    } else if (with_nukta && i + 2 < text.size() && byte_at(text, i + 2) == pivot::kNukta &&
               pivot::kNuktaMayFollow.contains(text[i + 1])) {
      text[out++] = static_cast<char>(with_nukta);
      text[out++] = text[i + 1];
      i += 2;
    } else {
      text[out++] = text[i];
    }
  }
  text.resize(out);
}

}  // namespace quilm
