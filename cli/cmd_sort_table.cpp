// quilm-cli sort-table: the rows of a tab-separated table in the order of
// the "Sort..." command of the Table menu.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/font_option.h"
#include "cli/input_output.h"
#include "fonts/registry.h"
#include "sort/pivot_text.h"
#include "sort/table_sort.h"
#include "sort/text_lines.h"

namespace quilm::cli {
namespace {

constexpr char kUsageText[] =
    "usage: quilm-cli sort-table --by COLUMN [--then COLUMN] [--header] [--font FONT] [FILE]\n"
    "\n"
    "Writes the rows (lines) of a tab-separated table in sorted order. COLUMN is a\n"
    "column number from 1, followed by \":number\" to compare numbers (a cell that\n"
    "is no number counts as 0) and \":desc\" for descending order: --by 2:number:desc.\n"
    "Cells holding Gurmukhi sort in Gurmukhi order, other text without regard to\n"
    "case. Rows with equal keys keep their order; a header row stays first.\n"
    "\n"
    "  --font FONT  the cells are in a legacy Gurmukhi font, not UTF-8\n";

std::optional<SortColumn> parse_column(const std::string& text) {
  SortColumn column;
  std::size_t colon = text.find(':');
  const std::string number = text.substr(0, colon);
  if (number.empty() || number.size() > 6 || number.find_first_not_of("0123456789") != std::string::npos ||
      std::stoul(number) == 0)
    return std::nullopt;
  column.column = std::stoul(number) - 1;
  while (colon != std::string::npos) {
    const std::size_t next = text.find(':', colon + 1);
    const std::string modifier = text.substr(colon + 1, next == std::string::npos ? std::string::npos : next - colon - 1);
    if (modifier == "number") column.type = SortKeyType::Number;
    else if (modifier == "desc") column.descending = true;
    else if (modifier != "text" && modifier != "asc") return std::nullopt;
    colon = next;
  }
  return column;
}

struct Options {
  TableSortRequest request;
  std::string font, file;
  bool help = false;
};

std::optional<Options> parse_options(const Args& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") o.help = true;
    else if (a == "--header") o.request.header = true;
    else if (a == "--font" && i + 1 < args.size()) o.font = args[++i];
    else if ((a == "--by" || a == "--then") && i + 1 < args.size()) {
      const std::optional<SortColumn> column = parse_column(args[++i]);
      if (!column) return std::nullopt;
      (a == "--by" ? o.request.by : o.request.then) = column;
    } else if ((a.empty() || a[0] != '-' || a == "-") && o.file.empty()) o.file = a;
    else return std::nullopt;
  }
  return o;
}

std::vector<BytesView> split_cells(BytesView line) {
  std::vector<BytesView> cells;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    cells.push_back(line.substr(start, tab == BytesView::npos ? BytesView::npos : tab - start));
    if (tab == BytesView::npos) return cells;
    start = tab + 1;
  }
}

bool holds_gurmukhi(BytesView utf8) {
  for (std::size_t i = 0; i + 1 < utf8.size(); ++i)
    if (utf8[i] == '\xE0' && (utf8[i + 1] == '\xA8' || utf8[i + 1] == '\xA9')) return true;
  return false;
}

}  // namespace

int run_sort_table(const Args& args) {
  const std::optional<Options> options = parse_options(args);
  if (!options || options->help) {
    std::fputs(kUsageText, options ? stdout : stderr);
    return options ? kSuccess : kUsage;
  }
  int font = -1;
  if (!options->font.empty()) {
    const FontRegistry registry;
    const std::optional<int> index = resolve_font("sort-table", options->font, registry);
    if (!index) return kBadInput;
    font = *index;
  }
  const std::optional<Bytes> text = read_input("sort-table", options->file);
  if (!text) return kBadInput;
  ConversionContext context;
  const FontConverter converter(context);
  const std::vector<TextLine> lines = split_lines(*text);
  std::vector<std::vector<SortCell>> rows;
  for (const TextLine& line : lines) {
    std::vector<SortCell>& row = rows.emplace_back();
    for (BytesView cell : split_cells(line.text)) {
      if (font >= 0) row.push_back({Bytes(cell), font});
      else if (holds_gurmukhi(cell)) row.push_back({utf8_text_as_pivot(cell, converter).value_or(Bytes()), 9});
      else row.push_back({Bytes(cell), -1});
    }
  }
  std::vector<std::size_t> order;
  if (const Status sorted = table_row_order(rows, options->request, converter, order); !sorted.ok()) {
    std::fprintf(stderr, "quilm-cli sort-table: %s\n", sorted.message().c_str());
    return kBadInput;
  }
  const BytesView missing_break = first_line_break(lines);
  Bytes out;
  for (std::size_t i : order) (out += lines[i].text) += lines[i].line_break.empty() ? missing_break : lines[i].line_break;
  return write_output("sort-table", out) ? kSuccess : kBadInput;
}

}  // namespace quilm::cli
