#include "analysis/file_statistics.h"

namespace quilm {

bool ISspace(std::uint8_t byte) { return byte == 0x0A || byte == 0x0C || byte == 0x0D || byte == 0x20; }

TextCounts count_text(BytesView text) {
  TextCounts counts;
  bool after_space = true;  // the start of the text begins a word
  for (char c : text) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b == 0) break;
    ++counts.characters;
    if (b > 0x20) ++counts.characters_no_spaces;
    if (!ISspace(b) && b >= 0x20 && after_space) ++counts.words;
    after_space = ISspace(b);
  }
  return counts;
}

FileStatistics count_file_statistics(const Editor& editor) {
  FileStatistics stats;
  Bytes text;
  if (editor.SaveToMemory(FormatCode::PlainText, text).ok()) stats.text = count_text(text);
  stats.lines = editor.LineCount();
  stats.pages = editor.CurrentPages();
  return stats;
}

}  // namespace quilm
