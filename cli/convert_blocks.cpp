// Block by block conversion. A block ends just after a byte where the
// conversion may be cut without changing a byte of its output: for legacy
// text any byte that is not a glyph (words are runs of glyph bytes), for
// Unicode text a line feed (the lines are texts of their own).
#include "cli/convert_blocks.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "encoding/utf16.h"
#include "fonts/text_conversion.h"

namespace quilm::cli {
namespace {

constexpr std::size_t kBlock = 1 << 20;

// `convert` converts one block into its output (a view that lives until the
// next call).
template <typename EndsBlock, typename ConvertBlock>
bool convert_in_blocks(BytesView input, EndsBlock ends_block, ConvertBlock convert, Progress& progress) {
  for (std::size_t start = 0; start < input.size();) {
    std::size_t end = std::min(start + kBlock, input.size());
    while (end < input.size() && !ends_block(input[end - 1])) ++end;
    const BytesView out = convert(input.substr(start, end - start));
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) return false;
    start = end;
    progress.at(start);
  }
  return std::fflush(stdout) == 0;
}

bool ends_word(char b) { return static_cast<unsigned char>(b) < 0x21; }
bool ends_line(char b) { return b == '\n'; }

// UTF-16 units as UTF-16LE bytes: on a little-endian machine the units as
// they lie in memory, else copied into `out` byte by byte.
BytesView utf16le_bytes(std::u16string_view units, Bytes& out) {
  if constexpr (std::endian::native == std::endian::little)
    return {reinterpret_cast<const char*>(units.data()), units.size() * 2};
  out.clear();
  append_utf16le(units, out);
  return out;
}

}  // namespace

bool write_legacy_as_unicode(BytesView legacy, int font, bool utf16, const FontConverter& converter,
                             Progress& progress) {
  if (!utf16) {
    LegacyUnicodeWriter<char> writer(font, converter, legacy.size());
    ByteBuilder out;
    return convert_in_blocks(
        legacy, ends_word,
        [&](BytesView block) {
          out.clear();
          writer.append(block, out);
          return out.view();
        },
        progress);
  }
  if (std::fwrite(kUtf16Bom.data(), 1, kUtf16Bom.size(), stdout) != kUtf16Bom.size()) return false;
  LegacyUnicodeWriter<char16_t> writer(font, converter, legacy.size());
  Utf16Builder out;
  Bytes swapped;
  return convert_in_blocks(
      legacy, ends_word,
      [&](BytesView block) {
        out.clear();
        writer.append(block, out);
        return utf16le_bytes(out.view(), swapped);
      },
      progress);
}

bool write_utf8_as_legacy(BytesView utf8, int font, const FontConverter& converter, Progress& progress) {
  converter.context().writer = {};
  ByteBuilder out;
  return convert_in_blocks(
      utf8, ends_line,
      [&](BytesView block) {
        out.clear();
        append_utf8_text_as_legacy(block, font, converter, out, LineContext::Apart);
        return out.view();
      },
      progress);
}

}  // namespace quilm::cli
