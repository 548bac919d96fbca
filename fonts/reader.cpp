// The reader engine.
#include "fonts/reader.h"

#include <cstring>

namespace quilm {
namespace {

// The unit of `reader` that applies at text[i], or nullptr.
const ReaderUnit* unit_at(const ReaderTable& reader, const std::uint8_t* text, std::size_t i, std::size_t n) {
  const std::uint8_t first = text[i];
  if (!reader.index.any_from(first) || i + 1 >= n) return nullptr;
  const std::uint8_t second = text[i + 1];
  for (std::uint16_t u = reader.index.begin[first]; u < reader.index.begin[first + 1]; ++u) {
    const ReaderUnit& unit = reader.units[u];
    if (unit.second != second) continue;
    // No two units of a reader begin with the same two bytes: this is the only candidate.
    if (unit.kind == ReaderUnitKind::pair) return &unit;
    const bool third_follows = i + 2 < n && text[i + 2] == unit.third;
    return third_follows ? &unit : nullptr;
  }
  return nullptr;
}

std::size_t consumed_by(const ReaderUnit& unit) { return unit.kind == ReaderUnitKind::three_byte ? 3 : 2; }

std::uint8_t* append(std::uint8_t* out, const Glyphs& glyphs) {
  std::memcpy(out, glyphs.bytes.data(), kMaxGlyphs);  // a fixed-size copy; only `size` bytes count
  return out + glyphs.size;
}

}  // namespace

Bytes read_into_pivot(const ReaderTable& reader, BytesView text) {
  // A zero byte is copied as zero and so ends the result; no table lets a
  // unit span it or give a zero, so the text after it plays no part.
  const void* zero = std::memchr(text.data(), 0, text.size());
  const std::size_t n = zero ? static_cast<const char*>(zero) - text.data() : text.size();
  const auto* in = reinterpret_cast<const std::uint8_t*>(text.data());

  // Room for the longest output the tables allow, plus the slack of the
  // fixed-size copy of the last step.
  Bytes result(n * reader.growth + kMaxGlyphs, '\0');
  auto* const start = reinterpret_cast<std::uint8_t*>(result.data());
  std::uint8_t* out = start;
  std::size_t i = 0;
  while (i < n) {
    if (const ReaderUnit* unit = unit_at(reader, in, i, n)) {
      out = append(out, unit->output);
      i += consumed_by(*unit);
    } else {
      out = append(out, reader.single[in[i]]);
      ++i;
    }
  }
  result.resize(static_cast<std::size_t>(out - start));
  return result;
}

}  // namespace quilm
