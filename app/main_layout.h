// The main window's layout, top to bottom: tool bar, the editor's button bar,
// the on-screen keyboard panel, the ruler, the editor, and the status bar at
// the bottom. Computed here from the heights of the parts so that the window
// only places its widgets.
#pragma once

#include <string>

namespace quilm {

struct Band {
  int top = 0;
  int height = 0;
  bool operator==(const Band&) const = default;
};

struct MainHeights {
  int client_width = 0;
  int client_height = 0;
  int tool_bar = 0;       // 0 while hidden
  int button_bar = 0;     // 0 while hidden
  int keyboard_panel = 0; // 0 while hidden
  int ruler = 0;          // 0 while hidden
  int status_bar = 0;     // 0 while hidden
  int editor_left = 0;
};

struct MainLayout {
  Band tool_bar, button_bar, keyboard_panel, ruler, editor, status_bar;
  int ruler_width = 0;
  int editor_width = 0;
};

// ReadjustHeights.
MainLayout ReadjustHeights(const MainHeights& h);

// The status bar's panels, left to right, with their fixed widths. The last,
// Panel6, holds the progress bar and takes what the others leave.
struct StatusPanel {
  const char* name;
  int width;  // 0 for the panel that takes the rest
  const char* initial_text;
};

inline constexpr StatusPanel kPagePanel = {"Panel3", 70, "Page 1"};
inline constexpr StatusPanel kLinePanel = {"Panel4", 70, "Line 1"};
inline constexpr StatusPanel kColumnPanel = {"Panel5", 60, "Col 0"};
inline constexpr StatusPanel kCapsPanel = {"Panel8", 45, ""};     // "CAPS" while Caps Lock is on
inline constexpr StatusPanel kNumPanel = {"Panel9", 45, ""};      // "NUM" while Num Lock is on
inline constexpr StatusPanel kLayoutPanel = {"Panel2", 125, ""};  // the keyboard layout
inline constexpr StatusPanel kHintPanel = {"Panel7", 185, ""};    // hints and progress captions
inline constexpr StatusPanel kProgressPanel = {"Panel6", 0, ""};  // the progress bar

}  // namespace quilm
