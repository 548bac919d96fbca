// The Options window's values: what it shows of the settings and what its OK
// makes of the user's entries. Everything is checked before anything is
// taken over, so an entry that is no number (a font size typed as "1x")
// gives its message and leaves every setting as it was.
#pragma once

#include <string>

#include "app/settings.h"
#include "common/status.h"

namespace quilm {

inline constexpr int kSmallestFontSize = 1;
inline constexpr int kLargestFontSize = 1638;

// The entries of the Options window, as typed or chosen.
struct OptionsEntry {
  std::string punjabi_font;
  std::string punjabi_font_size;  // typed: digits
  std::string english_font;
  std::string english_font_size;
  int zoom_step = 3;              // item of the zoom box: a step of the zoom table
  bool dictionary_double_click = false;
  bool legal_combination_check = true;
  int default_save_type = 4;      // 0 .. kSaveTypes - 1
  int view_mode = 0;              // the "Page" radio group: 0 normal, 1 page, 2 centred page
  int layout_choice = 1;          // item of the keyboard-layout list
};

// The entries the window opens with: the settings, the zoom step of the
// editor's zoom `editor_zoom` (the settings' step when the table lacks it)
// and the editor's view mode.
OptionsEntry options_entry(const Settings& settings, int editor_zoom, int editor_view_mode);

struct OptionsApplied {
  Status status = Status::Ok();  // the first bad entry; the settings are then unchanged
  Settings settings;
};

// OK: the settings with every entry taken over, or `current` unchanged with
// the message of the first bad entry. `layout_items` is the length of the
// keyboard-layout list.
OptionsApplied apply_options(const Settings& current, const OptionsEntry& entry, int layout_items);

}  // namespace quilm
