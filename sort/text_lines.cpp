#include "sort/text_lines.h"

#include <cstring>

namespace quilm {

std::vector<TextLine> split_lines(BytesView text) {
  std::vector<TextLine> lines;
  std::size_t start = 0;
  const std::size_t n = text.size();
  while (start < n) {
    std::size_t end = start;
    while (end < n && text[end] != '\n' && text[end] != '\r') ++end;
    std::size_t after = end;
    if (after < n) after += (text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1;
    lines.push_back({text.substr(start, end - start), text.substr(end, after - end)});
    start = after;
  }
  return lines;
}

BytesView first_line_break(const std::vector<TextLine>& lines) {
  for (const TextLine& line : lines)
    if (!line.line_break.empty()) return line.line_break;
  return "\n";
}

}  // namespace quilm
