#include "app/options.h"

#include <optional>
#include <string_view>

#include "common/whole_number.h"

namespace quilm {
namespace {

std::optional<int> font_size(std::string_view typed) {
  return parse_whole_number(typed, kSmallestFontSize, kLargestFontSize);
}

Status bad_size(const char* which, const std::string& typed) {
  return Status::Error(std::string("The ") + which + " font size \"" + typed + "\" is not a whole number from " +
                       std::to_string(kSmallestFontSize) + " to " + std::to_string(kLargestFontSize) + ".");
}

}  // namespace

OptionsEntry options_entry(const Settings& settings, int editor_zoom, int editor_view_mode) {
  OptionsEntry entry;
  entry.punjabi_font = settings.punjabi_font;
  entry.punjabi_font_size = std::to_string(settings.punjabi_font_size);
  entry.english_font = settings.english_font;
  entry.english_font_size = std::to_string(settings.english_font_size);
  entry.zoom_step = zoom_step_for(editor_zoom).value_or(settings.zoom_step);
  entry.dictionary_double_click = settings.dictionary_double_click;
  entry.legal_combination_check = settings.legal_combination_check;
  entry.default_save_type = settings.default_save_type;
  entry.view_mode = editor_view_mode;
  entry.layout_choice = settings.layout_choice;
  return entry;
}

OptionsApplied apply_options(const Settings& current, const OptionsEntry& entry, int layout_items) {
  const std::optional<int> punjabi_size = font_size(entry.punjabi_font_size);
  if (!punjabi_size) return {bad_size("Punjabi", entry.punjabi_font_size), current};
  const std::optional<int> english_size = font_size(entry.english_font_size);
  if (!english_size) return {bad_size("English", entry.english_font_size), current};
  if (entry.punjabi_font.empty() || entry.english_font.empty())
    return {Status::Error("Choose a Punjabi and an English font."), current};
  if (!zoom_percent(entry.zoom_step)) return {Status::Error("Choose a zoom from the list."), current};
  if (entry.default_save_type < 0 || entry.default_save_type >= kSaveTypes)
    return {Status::Error("Choose a file type from the list."), current};
  if (entry.view_mode < 0 || entry.view_mode > 2) return {Status::Error("Choose a page view."), current};
  if (entry.layout_choice < 0 || entry.layout_choice >= layout_items)
    return {Status::Error("Choose a keyboard layout from the list."), current};

  Settings changed = current;
  changed.punjabi_font = entry.punjabi_font;
  changed.punjabi_font_size = *punjabi_size;
  changed.english_font = entry.english_font;
  changed.english_font_size = *english_size;
  changed.zoom_step = entry.zoom_step;
  changed.dictionary_double_click = entry.dictionary_double_click;
  changed.legal_combination_check = entry.legal_combination_check;
  changed.default_save_type = entry.default_save_type;
  changed.view_mode = entry.view_mode;
  changed.layout_choice = entry.layout_choice;
  return {Status::Ok(), changed};
}

}  // namespace quilm
