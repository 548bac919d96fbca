// Block by block conversion. A block ends just after a byte where the
// conversion may be cut without changing a byte of its output: for legacy
// text any byte that is not a glyph (words are runs of glyph bytes), for
// Unicode text a line feed (the lines are texts of their own).
#include "cli/convert_blocks.h"

#include <algorithm>
#include <cstdio>

#include "encoding/utf16.h"
#include "fonts/text_conversion.h"

namespace quilm::cli {
namespace {

constexpr std::size_t kBlock = 1 << 20;

template <typename EndsBlock, typename ConvertBlock>
bool convert_in_blocks(BytesView input, EndsBlock ends_block, ConvertBlock convert, Progress& progress) {
  Bytes out;
  for (std::size_t start = 0; start < input.size();) {
    std::size_t end = std::min(start + kBlock, input.size());
    while (end < input.size() && !ends_block(input[end - 1])) ++end;
    out.clear();
    convert(input.substr(start, end - start), out);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) return false;
    start = end;
    progress.at(start);
  }
  return std::fflush(stdout) == 0;
}

bool ends_word(char b) { return static_cast<unsigned char>(b) < 0x21; }
bool ends_line(char b) { return b == '\n'; }

}  // namespace

bool write_legacy_as_unicode(BytesView legacy, int font, bool utf16, const FontConverter& converter,
                             Progress& progress) {
  if (!utf16) {
    LegacyUnicodeWriter<char> writer(font, converter, legacy.size());
    return convert_in_blocks(
        legacy, ends_word, [&](BytesView block, Bytes& out) { writer.append(block, out); }, progress);
  }
  if (std::fwrite(kUtf16Bom.data(), 1, kUtf16Bom.size(), stdout) != kUtf16Bom.size()) return false;
  LegacyUnicodeWriter<char16_t> writer(font, converter, legacy.size());
  std::u16string unicode;
  return convert_in_blocks(
      legacy, ends_word,
      [&](BytesView block, Bytes& out) {
        unicode.clear();
        writer.append(block, unicode);
        append_utf16le(unicode, out);
      },
      progress);
}

bool write_utf8_as_legacy(BytesView utf8, int font, const FontConverter& converter, Progress& progress) {
  converter.context().writer = {};
  return convert_in_blocks(
      utf8, ends_line,
      [&](BytesView block, Bytes& out) {
        append_utf8_text_as_legacy(block, font, converter, out, LineContext::Apart);
      },
      progress);
}

}  // namespace quilm::cli
