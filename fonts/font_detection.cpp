#include "fonts/font_detection.h"

#include <algorithm>
#include <string>

namespace quilm {

namespace {

void tell_not_supported(Prompter& prompter, std::string_view font_name) {
  prompter.message(std::string(font_name) + "   NOT Supported");
}

// The table's last slot is empty; a character in a real document always has a
// font name, but a run of the in-memory document may have none, and that must
// not count as a Gurmukhi font.
bool is_table_font(const FontRegistry& registry, const std::string& name) {
  return !name.empty() && registry.in_font_table(name);
}

}  // namespace

int scan_detect_font(Editor& text, std::string_view source_choice, const FontRegistry& registry,
                     Prompter& prompter, ChosenFontMessage chosen) {
  if (source_choice != kAutomaticDetection) {
    const int index = registry.get_font_index(source_choice);
    if (index == font_index::kNotSupported && chosen == ChosenFontMessage::ShowNotSupported)
      tell_not_supported(prompter, source_choice);
    return index;
  }

  // Walking the runs is selecting each character in turn and reading its font,
  // without the cost; only the character that decides gets selected.
  const int length = text.TextLength();
  const int start = length / 8;
  int run_start = 0;
  for (const TextRun& run : text.Runs()) {
    const int run_end = run_start + static_cast<int>(run.text.size());
    if (run_end > start && is_table_font(registry, run.format.font_name)) {
      text.Select(std::max(run_start, start), 1);
      const int index = registry.get_font_index(run.format.font_name);
      if (index == font_index::kNotSupported) tell_not_supported(prompter, run.format.font_name);
      return index;
    }
    run_start = run_end;
  }
  text.Select(length, 0);
  return font_index::kPivot;
}

int caret_detect_font(const Editor& editor, const FontRegistry& registry) {
  const std::string name = editor.FontName();
  if (!registry.in_font_table(name)) return font_index::kPivot;
  const int index = registry.get_font_index(name);
  return index == font_index::kNotSupported ? font_index::kPivot : index;
}

}  // namespace quilm
