// The caret's place for the status bar: "Page ", "Line " and "Col " panels,
// refreshed whenever the caret moves.
#pragma once

#include <string>

#include "editor/editor.h"

namespace quilm::typing {

struct CaretPlace {
  int page = 1;    // from 1
  int line = 1;    // the paragraph, from 1
  int column = 0;  // characters before the caret in its paragraph, from 0

  std::string page_caption() const { return "Page " + std::to_string(page); }
  std::string line_caption() const { return "Line " + std::to_string(line); }
  std::string column_caption() const { return "Col " + std::to_string(column); }
};

// The page is the one the editor's layout puts the caret on.
CaretPlace caret_place(const Editor& editor);

}  // namespace quilm::typing
