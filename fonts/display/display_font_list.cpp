// Reading fonts.txt, the list of generated display fonts.
#include "fonts/display/display_font_list.h"

#include <charconv>

namespace quilm::display {
namespace {

std::vector<std::string_view> split(std::string_view line, char sep) {
  std::vector<std::string_view> out;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(sep, start);
    out.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) return out;
    start = end + 1;
  }
}

bool parse_line(std::string_view line, DisplayFont& font) {
  const std::vector<std::string_view> f = split(line, '\t');
  if (f.size() < 4 || f.size() > 5 || f[0].empty() || f[1].empty()) return false;
  int index = 0;
  const auto [end, ec] = std::from_chars(f[2].data(), f[2].data() + f[2].size(), index);
  if (ec != std::errc() || end != f[2].data() + f[2].size()) return false;
  if (f[3] != "own" && f[3] != "stand-in") return false;
  const std::string_view draws_for = f.size() == 5 ? f[4] : std::string_view();
  if (f.size() == 5 && (draws_for.empty() || f[3] != "stand-in")) return false;
  font = DisplayFont{std::string(f[0]), std::string(f[1]), index, f[3] == "own", std::string(draws_for)};
  return true;
}

}  // namespace

std::vector<DisplayFont> parse_display_font_list(std::string_view text, std::vector<int>* bad_lines) {
  std::vector<DisplayFont> fonts;
  int number = 0;
  for (std::string_view line : split(text, '\n')) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    DisplayFont font;
    if (parse_line(line, font))
      fonts.push_back(std::move(font));
    else if (bad_lines)
      bad_lines->push_back(number);
  }
  return fonts;
}

}  // namespace quilm::display
