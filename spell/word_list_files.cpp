#include "spell/word_list_files.h"

#include <charconv>
#include <optional>
#include <string>

namespace quilm {
namespace {

// The lines of a file, LF or CR LF.
class LineReader {
 public:
  explicit LineReader(BytesView text) : text_(text) {}

  bool at_end() const { return pos_ >= text_.size(); }
  std::size_t number() const { return number_; }  // of the line last read

  std::optional<BytesView> next() {
    if (at_end()) return std::nullopt;
    const std::size_t lf = text_.find('\n', pos_);
    const std::size_t end = lf == BytesView::npos ? text_.size() : lf;
    BytesView line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = lf == BytesView::npos ? text_.size() : lf + 1;
    ++number_;
    return line;
  }

 private:
  BytesView text_;
  std::size_t pos_ = 0;
  std::size_t number_ = 0;
};

Status line_error(std::size_t line, const std::string& what) {
  return Status::Error("line " + std::to_string(line) + ": " + what);
}

// A count line: leading blanks, a decimal number, anything after it ignored.
std::optional<std::size_t> parse_count(BytesView line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(line.data() + i, line.data() + line.size(), value);
  if (error != std::errc() || end == line.data() + i) return std::nullopt;
  return value;
}

Status read_counts(LineReader& lines, int how_many, std::vector<std::size_t>* counts) {
  counts->assign(static_cast<std::size_t>(how_many) + 1, 0);
  for (int s = 1; s <= how_many; ++s) {
    const std::optional<BytesView> line = lines.next();
    if (!line) return line_error(lines.number() + 1, "the file ends inside the header of word counts");
    const std::optional<std::size_t> count = parse_count(*line);
    if (!count) return line_error(lines.number(), "a word count must be a number");
    (*counts)[static_cast<std::size_t>(s)] = *count;
  }
  return Status::Ok();
}

struct SectionRules {
  int file_sections;
  int memory_sections;
  int (*first_byte_raise)(int s);
  std::size_t (*slack)(int s);
};

int no_raise(int) { return 0; }
std::size_t main_slack(int) { return kMainListSlack; }

Status read_sections(BytesView text, const SectionRules& rules, WordSections* out) {
  *out = WordSections(rules.memory_sections);
  LineReader lines(text);
  std::vector<std::size_t> counts;
  if (Status st = read_counts(lines, rules.file_sections, &counts); !st) return st;
  for (int s = 1; s <= rules.memory_sections; ++s) out->set_capacity(s, rules.slack(s));
  for (int s = 1; s <= rules.file_sections; ++s) {
    const std::size_t count = counts[static_cast<std::size_t>(s)];
    const std::size_t record = static_cast<std::size_t>(s) + 1;
    Bytes previous;
    for (std::size_t k = 0; k < count; ++k) {
      const std::optional<BytesView> line = lines.next();
      if (!line) {
        return line_error(lines.number() + 1, "the header gives " + std::to_string(count) + " words of length " +
                                                  std::to_string(s) + ", but the file ends after " +
                                                  std::to_string(k));
      }
      // A word of another length could never be found in this section: the
      // header count that put it here is wrong. The last section also holds
      // the words of one byte more, which is where longer words are sought.
      const bool last = s == rules.memory_sections;
      if (line->size() != static_cast<std::size_t>(s) && !(last && line->size() == record)) {
        return line_error(lines.number(), "a word of " + std::to_string(line->size()) + " bytes in the section of length " +
                                              std::to_string(s));
      }
      Bytes word(*line);
      if (!word.empty()) word[0] = static_cast<char>(static_cast<std::uint8_t>(word[0]) - rules.first_byte_raise(s));
      if (k > 0 && word < previous) {
        return line_error(lines.number(), "the words of length " + std::to_string(s) + " are not in ascending order");
      }
      previous = word;
      out->append_loaded(s, std::move(word));
    }
    out->set_capacity(s, count + rules.slack(s));
  }
  while (const std::optional<BytesView> line = lines.next()) {
    if (!line->empty()) return line_error(lines.number(), "more lines than the header's word counts");
  }
  return Status::Ok();
}

void append_line(BytesView line, Bytes& out) {
  out += line;
  out += "\r\n";
}

Bytes format_sections(const WordSections& words, int file_sections, int (*first_byte_raise)(int)) {
  Bytes out;
  for (int s = 1; s <= file_sections; ++s) append_line(std::to_string(words.section(s).size()), out);
  for (int s = 1; s <= file_sections; ++s) {
    for (const Bytes& w : words.section(s)) {
      Bytes stored = w;
      if (!stored.empty()) stored[0] = static_cast<char>(static_cast<std::uint8_t>(stored[0]) + first_byte_raise(s));
      append_line(stored, out);
    }
  }
  return out;
}

}  // namespace

int main_list_first_byte_raise(int s) {
  if (s < 2 || s > 7) return 0;
  return s % 2 == 0 ? 3 : 4;
}

std::size_t additional_section_slack(int s) {
  if (s == 1 || s == 9) return 50;
  if (s == 2) return 150;
  if (s <= 7) return 250;
  if (s == 8) return 220;
  if (s <= 11) return 25;
  if (s <= 16) return 20;
  return 10;
}

Status parse_main_word_list(BytesView text, WordSections* out) {
  return read_sections(text, {kMainListFileSections, kMainListSections, main_list_first_byte_raise, main_slack}, out);
}

Status parse_additional_dictionary(BytesView text, WordSections* out) {
  return read_sections(text, {kAdditionalSections, kAdditionalSections, no_raise, additional_section_slack}, out);
}

Status parse_ignore_list(BytesView text, IgnoreList* out) {
  *out = IgnoreList();
  LineReader lines(text);
  std::vector<std::size_t> counts;
  if (Status st = read_counts(lines, 1, &counts); !st) return st;
  Bytes previous;
  for (std::size_t k = 0; k < counts[1]; ++k) {
    const std::optional<BytesView> line = lines.next();
    if (!line) return line_error(lines.number() + 1, "the count gives " + std::to_string(counts[1]) +
                                                         " words, but the file ends after " + std::to_string(k));
    if (line->size() > kIgnoreWordCapacity) return line_error(lines.number(), "a word longer than 16 bytes");
    if (k > 0 && *line < previous) return line_error(lines.number(), "the words are not in ascending order");
    previous = Bytes(*line);
    out->append_loaded(previous);
  }
  while (const std::optional<BytesView> line = lines.next()) {
    if (!line->empty()) return line_error(lines.number(), "more lines than the count gives");
  }
  return Status::Ok();
}

Bytes format_main_word_list(const WordSections& words) {
  return format_sections(words, kMainListFileSections, main_list_first_byte_raise);
}

Bytes format_additional_dictionary(const WordSections& words) {
  return format_sections(words, kAdditionalSections, no_raise);
}

Bytes format_ignore_list(const IgnoreList& list) {
  Bytes out;
  append_line(std::to_string(list.words().size()), out);
  for (const Bytes& w : list.words()) append_line(w, out);
  return out;
}

Bytes empty_additional_dictionary() { return format_additional_dictionary(WordSections(kAdditionalSections)); }

}  // namespace quilm
