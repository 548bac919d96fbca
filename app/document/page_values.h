// The page size and margins travel inside the document as its six numbered
// values: width, height, left, top, right and bottom margin, in twips.
#pragma once

#include "editor/editor.h"

namespace quilm {

// Before every save: the page layout into values 0 to 5.
void store_page_values(Editor& editor);

// After opening: each value above 0 sets its part of the page layout.
void apply_page_values(Editor& editor);

}  // namespace quilm
