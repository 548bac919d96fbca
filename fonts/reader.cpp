// The reader engine.
#include "fonts/reader.h"

#include <cstring>

#include "fonts/conversion_buffer.h"

namespace quilm {
namespace {

// The unit of `reader` that applies at text[i], or nullptr.
const ReaderUnit* unit_at(const ReaderTable& reader, const std::uint8_t* text, std::size_t i, std::size_t n) {
  const std::uint8_t first = text[i];
  if (i + 1 >= n || !reader.index.seconds.contains(text[i + 1])) return nullptr;
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

// One 8-byte move; only `size` bytes count, the rest is overwritten next.
std::uint8_t* append(std::uint8_t* out, const Glyphs& glyphs) {
  std::memcpy(out, &glyphs, sizeof(Glyphs));
  return out + glyphs.size;
}

// Reads the n bytes at `in` into `out`, which has room for the longest
// output the tables allow plus the slack of the fixed-size copy of the last
// step; returns the end of the output.
std::uint8_t* read_units(const ReaderTable& reader, const std::uint8_t* in, std::size_t n, std::uint8_t* out) {
  std::size_t i = 0;
  while (i < n) {
    const std::uint8_t b = in[i];
    const std::uint8_t next = i + 1 < n ? in[i + 1] : 0;
    // One test for both halves of a unit, so that frequent first bytes of
    // rare units do not cost a mispredicted branch.
    if ((reader.flags[b] & step_flag::kUnitStart) & reader.index.seconds.contains(next)) [[unlikely]] {
      if (const ReaderUnit* unit = unit_at(reader, in, i, n)) {
        out = append(out, unit->output);
        i += consumed_by(*unit);
        continue;
      }
    }
    out = append(out, reader.single[b]);
    ++i;
  }
  return out;
}

}  // namespace

Bytes read_into_pivot(const ReaderTable& reader, BytesView text) {
  // A zero byte is copied as zero and so ends the result; no table lets a
  // unit span it or give a zero, so the text after it plays no part.
  const std::size_t n = length_before_zero(text);
  ConversionBuffer buffer(pivot_room(reader, n));
  const std::uint8_t* end = read_units(reader, reinterpret_cast<const std::uint8_t*>(text.data()), n, buffer.data());
  return buffer.bytes(static_cast<std::size_t>(end - buffer.data()));
}

std::size_t read_glyphs_into(const ReaderTable& reader, BytesView text, std::uint8_t* out) {
  const std::uint8_t* end = read_units(reader, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), out);
  return static_cast<std::size_t>(end - out);
}

}  // namespace quilm
