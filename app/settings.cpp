#include "app/settings.h"

#include <charconv>
#include <vector>

namespace quilm {
namespace {

constexpr std::array<int, 10> kZoomTable = {25, 50, 75, 100, 125, 150, 200, 250, 300, 400};

// The file's lines without their line ends. A missing last line end, a bare LF
// or a bare CR are accepted as well as CR LF.
std::vector<std::string> split_lines(BytesView contents) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    char c = contents[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// A number line: optional blanks, an optional sign and decimal digits; anything
// after the number is skipped, as the file has always been read.
std::optional<int> leading_integer(const std::string& line) {
  std::size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos) return std::nullopt;
  if (line[i] == '+') ++i;
  int value = 0;
  auto [end, error] = std::from_chars(line.data() + i, line.data() + line.size(), value);
  if (error != std::errc()) return std::nullopt;
  (void)end;
  return value;
}

enum class Kind { Text, Number, Flag, KeyboardFlag };

struct LineField {
  Kind kind;
  std::string Settings::*text = nullptr;
  int Settings::*number = nullptr;
  bool Settings::*flag = nullptr;
};

LineField text(std::string Settings::*m) { return {Kind::Text, m, nullptr, nullptr}; }
LineField number(int Settings::*m) { return {Kind::Number, nullptr, m, nullptr}; }
LineField flag(bool Settings::*m) { return {Kind::Flag, nullptr, nullptr, m}; }
LineField keyboard_flag(bool Settings::*m) { return {Kind::KeyboardFlag, nullptr, nullptr, m}; }

// The sixteen lines in file order.
const std::array<LineField, kSettingsLines>& line_fields() {
  static const std::array<LineField, kSettingsLines> fields = {
      text(&Settings::recent_file1),
      text(&Settings::recent_file2),
      text(&Settings::punjabi_font),
      number(&Settings::punjabi_font_size),
      text(&Settings::english_font),
      number(&Settings::english_font_size),
      text(&Settings::line7),
      number(&Settings::default_save_type),
      number(&Settings::view_mode),
      number(&Settings::zoom_step),
      flag(&Settings::dictionary_double_click),
      number(&Settings::layout_choice),
      flag(&Settings::legal_combination_check),
      text(&Settings::additional_dictionary),
      keyboard_flag(&Settings::onscreen_keyboard),
      text(&Settings::line16),
  };
  return fields;
}

}  // namespace

std::optional<int> zoom_percent(int zoom_step) {
  if (zoom_step < 0 || zoom_step >= static_cast<int>(kZoomTable.size())) return std::nullopt;
  return kZoomTable[static_cast<std::size_t>(zoom_step)];
}

std::optional<int> zoom_step_for(int percent) {
  for (std::size_t i = 0; i < kZoomTable.size(); ++i)
    if (kZoomTable[i] == percent) return static_cast<int>(i);
  return std::nullopt;
}

SettingsRead parse_settings(BytesView contents) {
  SettingsRead read;
  const std::vector<std::string> lines = split_lines(contents);
  const auto& fields = line_fields();
  for (int n = 0; n < kSettingsLines; ++n) {
    // A short file reads as if its missing lines were empty, so a number line
    // past the end is reported like any other line without a number.
    const std::string line = n < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(n)] : "";
    const LineField& field = fields[static_cast<std::size_t>(n)];
    if (field.kind == Kind::Text) {
      read.settings.*field.text = line;
    } else {
      std::optional<int> value = leading_integer(line);
      if (!value) {
        read.bad_line = n + 1;
        read.status = Status::Error("The settings file filearch is damaged: line " + std::to_string(n + 1) +
                                    " should hold a number but holds \"" + line + "\".");
        return read;
      }
      if (field.kind == Kind::Number) read.settings.*field.number = *value;
      if (field.kind == Kind::Flag) read.settings.*field.flag = *value != 0;
      if (field.kind == Kind::KeyboardFlag) read.settings.*field.flag = *value == 1;
    }
    read.lines_read = n + 1;
  }
  return read;
}

Bytes format_settings(const Settings& settings) {
  Bytes out;
  for (const LineField& field : line_fields()) {
    switch (field.kind) {
      case Kind::Text: out += settings.*field.text; break;
      case Kind::Number: out += std::to_string(settings.*field.number); break;
      case Kind::Flag:
      case Kind::KeyboardFlag: out += settings.*field.flag ? "1" : "0"; break;
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace quilm
