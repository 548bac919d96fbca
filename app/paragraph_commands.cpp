#include "app/paragraph_commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace quilm {
namespace {

constexpr int kTwipsPerPoint = 20;
constexpr int kLargestLength = 22 * 1440;  // 22 inches, wider than any page
constexpr int kLargestStartNumber = 32767;

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::optional<int> parse_whole(const std::string& typed, int least, int most) {
  const std::string s = trimmed(typed);
  int value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || error != std::errc() || end != s.data() + s.size() || value < least || value > most)
    return std::nullopt;
  return value;
}

Status bad_number(const std::string& what, const std::string& typed) {
  return Status::Error("\"" + trimmed(typed) + "\" is not a valid " + what + ".");
}

// A numbered or bulleted list keeps its own level and indents when it turns
// into the other kind; a paragraph new to lists starts at level 1.
void into_list(ParagraphFormat& p, ListType type) { p.list.type = type; }

}  // namespace

std::optional<int> parse_points(const std::string& typed) {
  const std::string s = trimmed(typed);
  double value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
  if (s.empty() || error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  const long twips = std::lround(value * kTwipsPerPoint);
  if (twips < -kLargestLength || twips > kLargestLength) return std::nullopt;
  return static_cast<int>(twips);
}

std::string points_text(int twips) {
  std::string text = std::to_string(twips / kTwipsPerPoint);
  if (const int tenths = std::abs(twips % kTwipsPerPoint) / 2; tenths != 0) {
    if (twips < 0 && twips / kTwipsPerPoint == 0) text = "-" + text;
    text += "." + std::to_string(tenths);
  }
  return text;
}

// --- Lists ---------------------------------------------------------------------

void make_bulleted_list(Editor& editor) {
  editor.ChangeParagraphs([](ParagraphFormat& p) { into_list(p, ListType::Bullets); });
}

void make_numbered_list(Editor& editor, Numbering numbering) {
  editor.ChangeParagraphs([numbering](ParagraphFormat& p) {
    into_list(p, ListType::Numbered);
    p.list.numbering = numbering;
  });
}

void change_list_level(Editor& editor, int steps) {
  editor.ChangeParagraphs([steps](ParagraphFormat& p) {
    ListFormat& list = p.list;
    if (list.type == ListType::None || list.level + steps < 1) return;
    const int step = list.indent_step() * steps;
    if (list.number_indent + step < 0) return;
    list.level += steps;
    list.number_indent += step;
    list.text_indent += step;
  });
}

ListAttributeEntries list_attribute_entries(const Editor& editor) {
  const ListFormat list = editor.ParagraphFormatAt().list;
  return {std::to_string(list.start), points_text(list.indent_step())};
}

Status apply_list_attributes(Editor& editor, const ListAttributeEntries& entries) {
  const std::optional<int> start = parse_whole(entries.start_number, 0, kLargestStartNumber);
  if (!start) return bad_number("start number", entries.start_number);
  const std::optional<int> step = parse_points(entries.indent_step);
  if (!step || *step < 0) return bad_number("indent", entries.indent_step);
  editor.ChangeParagraphs([&](ParagraphFormat& p) {
    p.list.start = *start;
    p.list.text_indent = p.list.number_indent + *step;
  });
  return Status::Ok();
}

// --- Paragraph dialog ----------------------------------------------------------

ParagraphEntries paragraph_entries(const Editor& editor) {
  const ParagraphFormat p = editor.ParagraphFormatAt();
  return {p.alignment,
          points_text(p.left_indent),
          points_text(p.right_indent),
          points_text(p.first_indent),
          points_text(p.space_before),
          points_text(p.space_after),
          std::to_string(p.line_spacing)};
}

Status apply_paragraph_entries(Editor& editor, const ParagraphEntries& e) {
  const std::optional<int> left = parse_points(e.left_indent), right = parse_points(e.right_indent),
                           first = parse_points(e.first_indent);
  if (!left) return bad_number("left indent", e.left_indent);
  if (!right) return bad_number("right indent", e.right_indent);
  if (!first) return bad_number("first line indent", e.first_indent);
  const std::optional<int> before = parse_points(e.space_before), after = parse_points(e.space_after);
  if (!before || *before < 0) return bad_number("spacing before", e.space_before);
  if (!after || *after < 0) return bad_number("spacing after", e.space_after);
  const std::optional<int> spacing = parse_whole(e.line_spacing, 50, 500);
  if (!spacing) return bad_number("line spacing (50 to 500 per cent)", e.line_spacing);
  editor.ChangeParagraphs([&](ParagraphFormat& p) {
    p.alignment = e.alignment;
    p.left_indent = *left;
    p.right_indent = *right;
    p.first_indent = *first;
    p.space_before = *before;
    p.space_after = *after;
    p.line_spacing = *spacing;
  });
  return Status::Ok();
}

// --- Tab stops -------------------------------------------------------------------

std::string tab_stop_entry(const Editor& editor) {
  std::string out;
  for (const int t : editor.ParagraphFormatAt().tab_stops) out += (out.empty() ? "" : " ") + points_text(t);
  return out;
}

Status apply_tab_stops(Editor& editor, const std::string& entry) {
  std::string words = entry;
  std::replace(words.begin(), words.end(), ',', ' ');
  std::vector<int> tabs;
  for (std::size_t at = 0; at < words.size();) {
    const std::size_t begin = words.find_first_not_of(' ', at);
    if (begin == std::string::npos) break;
    const std::size_t end = std::min(words.find(' ', begin), words.size());
    const std::string word = words.substr(begin, end - begin);
    const std::optional<int> t = parse_points(word);
    if (!t || *t <= 0) return bad_number("tab stop", word);
    tabs.push_back(*t);
    at = end;
  }
  std::sort(tabs.begin(), tabs.end());
  tabs.erase(std::unique(tabs.begin(), tabs.end()), tabs.end());
  editor.ChangeParagraphs([&](ParagraphFormat& p) { p.tab_stops = tabs; });
  return Status::Ok();
}

// --- Paragraph frames ----------------------------------------------------------------

FrameEntries frame_entries(const Editor& editor) {
  const FrameFormat f = editor.ParagraphFormatAt().frame;
  return {f.style, points_text(f.line_width), points_text(f.distance)};
}

Status apply_frame_entries(Editor& editor, const FrameEntries& e) {
  if (e.style < 0 || e.style > 2) return Status::Error("Unknown frame style.");
  const std::optional<int> width = parse_points(e.line_width), distance = parse_points(e.distance);
  if (!width || *width < 0 || *width > 12 * kTwipsPerPoint) return bad_number("frame line width (0 to 12 points)", e.line_width);
  if (!distance || *distance < 0) return bad_number("frame distance", e.distance);
  editor.ChangeParagraphs([&](ParagraphFormat& p) {
    p.frame = {e.style, *width, *distance};
  });
  return Status::Ok();
}

}  // namespace quilm
