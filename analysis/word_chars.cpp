#include "analysis/word_chars.h"

#include "encoding/byte_set.h"
#include "analysis/analysis_word_chars_tables.inc"

namespace quilm {

WordByteTable analysis_word_bytes(int font_index) {
  WordByteTable table{};
  if (font_index == kIsciiAnalysisIndex) {
    for (int b = 0xA1; b <= 0xE9; ++b) table[static_cast<std::size_t>(b)] = true;
  } else if (font_index >= 0 && font_index < static_cast<int>(kWordChars.size())) {
    for (int b = 0; b < 256; ++b)
      table[static_cast<std::size_t>(b)] = kWordChars[static_cast<std::size_t>(font_index)].contains(static_cast<std::uint8_t>(b));
  }
  return table;
}

}  // namespace quilm
