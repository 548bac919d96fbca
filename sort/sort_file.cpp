#include "sort/sort_file.h"

#include "common/file_io.h"
#include "sort/text_lines.h"

namespace quilm {

Bytes sort_text_lines(BytesView text, int font_index, const CollationOrder& how, const FontConverter& converter) {
  const std::vector<TextLine> lines = split_lines(text);
  KeyedLines keyed;
  keyed.reserve(lines.size(), text.size() * 2);
  for (const TextLine& line : lines) keyed.add(line.text, converter.to_pivot(line.text, font_index));
  const BytesView missing_break = first_line_break(lines);
  Bytes out;
  out.reserve(text.size() + missing_break.size());
  for (std::size_t i : keyed.order(how)) {
    out.append(lines[i].text);
    out.append(lines[i].line_break.empty() ? missing_break : lines[i].line_break);
  }
  return out;
}

std::filesystem::path default_sort_target(const std::filesystem::path& source) {
  std::filesystem::path target = source;
  target.replace_filename(source.stem().string() + "-sorted" + source.extension().string());
  return target;
}

Status sort_file(const SortFileChoice& choice, const FontConverter& converter) {
  const std::optional<Bytes> text = read_file(choice.source);
  if (!text) return Status::Error("cannot read " + choice.source.string());
  const Bytes sorted = sort_text_lines(*text, choice.font_index, choice.how, converter);
  const Status written = write_file_atomically(choice.target, sorted);
  if (!written.ok()) return Status::Error("cannot write " + choice.target.string() + ": " + written.message());
  return Status::Ok();
}

}  // namespace quilm
