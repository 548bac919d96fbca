// Go To (Ctrl+G): a page or a line of the document by its number. The number
// typed is checked first; a number past the end goes to the last page or line,
// and the view changes to suit what was asked for (a line in "Normal Layout",
// a page in "Centred Page Layout").
#pragma once

#include <optional>
#include <string_view>

#include "editor/editor.h"

namespace quilm {

enum class GoToWhat { Page, Line };

// The number typed in the dialog: digits only, from 1; nothing for an empty,
// overlong or non-digit entry or for 0.
std::optional<int> parse_go_to_number(std::string_view typed);

struct GoToTarget {
  int page = 0;  // from 1
  int line = 0;  // from 1
  int view_mode = 0;
  bool operator==(const GoToTarget&) const = default;
};

// The target of `number` (from 1) in a document of `lines` lines and `pages`
// pages: a line on page 1, or line 1 of a page, the number kept to the count.
GoToTarget go_to_target(GoToWhat what, int number, int lines, int pages);

// Applies `target` to the editor: its view mode, then the caret at the start
// of the target line, or at the first position of the target page.
void go_to(Editor& editor, const GoToTarget& target);

}  // namespace quilm
