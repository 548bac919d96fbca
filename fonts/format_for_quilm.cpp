// Format_for_Quilm.
#include "fonts/format_for_quilm.h"

#include <array>

#include "fonts/quilm_glyphs.h"

namespace quilm {
namespace {

using namespace typing::glyph;

struct NuktaGlyph {
  std::uint8_t consonant;
  std::uint8_t with_nukta;
};
// SA, JA, KHA, GA, PHA, LA and their glyphs with nukta.
constexpr std::array<NuktaGlyph, 6> kNuktaGlyphs = {{
    {'s', kSha}, {'j', kZa}, {'K', kKhha}, {'g', kGhha}, {'P', kFa}, {'l', kLla}}};

std::uint8_t with_nukta(std::uint8_t consonant) {
  for (const NuktaGlyph& g : kNuktaGlyphs)
    if (g.consonant == consonant) return g.with_nukta;
  return 0;
}

}  // namespace

Bytes Format_for_Quilm(BytesView text) {
  Bytes out;
  out.reserve(text.size());
  const std::size_t n = text.size();
  auto at = [&](std::size_t i) -> std::uint8_t { return i < n ? byte_at(text, i) : 0; };
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t c = at(i);
    const std::uint8_t p1 = i >= 1 ? at(i - 1) : 0;
    const std::uint8_t p2 = i >= 2 ? at(i - 2) : 0;
    const std::uint8_t x = at(i + 1);
    if (c == kAddak && (p1 == kSignAI || p2 == kUra)) {
      out.push_back(static_cast<char>(kAddakBeside));
    } else if (c == kKanna && x == kBindi) {
      out.push_back(static_cast<char>(kKannaBindi));
      ++i;
    } else if (x == kNukta && with_nukta(c)) {
      out.push_back(static_cast<char>(with_nukta(c)));
      ++i;
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  return out;
}

}  // namespace quilm
