// The settings file `filearch`: sixteen CR LF lines that carry the user's
// choices from one run to the next. It is read once at start-up and rewritten
// whole at close. Lines 7 and 16 belong to nobody here and are written back
// exactly as they were read.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/bytes.h"
#include "common/status.h"

namespace quilm {

inline constexpr int kSettingsLines = 16;

// Index into "Word Document (*.doc)", "Text Only (*.txt)", "Web Page (*.htm, *.html)",
// "Rich Text Format (*.rtf)", "Punjabi File (*.pbi)".
inline constexpr int kSaveTypes = 5;

struct Settings {
  std::string recent_file1 = "&1";        // line 1: caption of File menu item Filename1
  std::string recent_file2 = "&2";        // line 2: caption of FileName2
  std::string punjabi_font = "Quilm2010"; // line 3
  int punjabi_font_size = 16;             // line 4
  std::string english_font = "Times New Roman";  // line 5
  int english_font_size = 12;             // line 6
  std::string line7 = "0";                // line 7: carried over unchanged
  int default_save_type = 4;              // line 8: 0..4, see kSaveTypes
  int view_mode = 0;                      // line 9: 0 normal, 1 page, 2 centred page
  int zoom_step = 3;                      // line 10: index into the zoom table
  bool dictionary_double_click = false;   // line 11
  int layout_choice = 1;                  // line 12: item of the keyboard-layout list
  bool legal_combination_check = true;    // line 13
  std::string additional_dictionary = "Extra.dic";  // line 14: file in Dict/
  bool onscreen_keyboard = true;          // line 15: only the value 1 means shown
  std::string line16;                     // line 16: carried over unchanged

  bool operator==(const Settings&) const = default;
};

// Zoom step -> editor ZoomFactor in percent; nullopt for a step outside 0..9.
std::optional<int> zoom_percent(int zoom_step);
// The zoom step whose percentage is `percent`, if the table has it.
std::optional<int> zoom_step_for(int percent);

// What reading the file gave. When a number line holds no number the lines
// read so far are kept, `bad_line` names the line (from 1) and `status`
// carries the message; the remaining settings keep their defaults.
struct SettingsRead {
  Settings settings;
  Status status = Status::Ok();
  int lines_read = 0;  // lines taken into `settings`
  int bad_line = 0;    // 0 when every line was read
};

SettingsRead parse_settings(BytesView contents);
Bytes format_settings(const Settings& settings);

}  // namespace quilm
