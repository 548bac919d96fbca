#include "sort/sort_file.h"

#include "common/file_io.h"
#include "sort/pivot_text.h"
#include "sort/text_lines.h"

namespace quilm {

Bytes sort_lines_by_pivot(const std::vector<TextLine>& lines, const std::vector<TextLine>& pivot_lines,
                          const CollationOrder& how) {
  KeyedLines keyed;
  keyed.reserve(lines.size(), lines.size() * 16);
  for (std::size_t i = 0; i < lines.size(); ++i) keyed.add(lines[i].text, pivot_lines[i].text);
  const BytesView missing_break = first_line_break(lines);
  std::size_t size = missing_break.size();
  for (const TextLine& line : lines) size += line.text.size() + line.line_break.size();
  Bytes out;
  out.reserve(size);
  for (std::size_t i : keyed.order(how)) {
    out.append(lines[i].text);
    out.append(lines[i].line_break.empty() ? missing_break : lines[i].line_break);
  }
  return out;
}

Bytes sort_text_lines(BytesView text, int font_index, const CollationOrder& how, const FontConverter& converter) {
  const Bytes pivot = legacy_text_as_pivot(text, font_index, converter);
  return sort_lines_by_pivot(split_lines(text), split_lines(pivot), how);
}

std::filesystem::path default_sort_target(const std::filesystem::path& source) {
  std::filesystem::path target = source;
  target.replace_filename(source.stem().string() + "-sorted" + source.extension().string());
  return target;
}

Status sort_file(const SortFileChoice& choice, const FontConverter& converter) {
  const std::optional<Bytes> text = read_file(choice.source);
  if (!text) return Status::Error("cannot read " + choice.source.string());
  Bytes sorted;
  if (choice.unicode) {
    std::size_t bad_at = 0;
    const std::optional<Bytes> pivot = utf8_text_as_pivot(*text, converter, &bad_at);
    if (!pivot)
      return Status::Error(choice.source.string() + " is not UTF-8 text (byte " + std::to_string(bad_at) + ")");
    sorted = sort_lines_by_pivot(split_lines(*text), split_lines(*pivot), choice.how);
  } else {
    sorted = sort_text_lines(*text, choice.font_index, choice.how, converter);
  }
  const Status written = write_file_atomically(choice.target, sorted);
  if (!written.ok()) return Status::Error("cannot write " + choice.target.string() + ": " + written.message());
  return Status::Ok();
}

}  // namespace quilm
