// The Format menu's paragraph commands over the editor: lists (bullets,
// numbering, levels, attributes), the paragraph dialog, tab stops and
// paragraph frames. The dialogs hand over what the user typed; every value is
// checked before anything changes, so a bad entry changes nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/status.h"
#include "editor/editor.h"

namespace quilm {

// --- Lists ---------------------------------------------------------------
// "Bullets": ListType 2 for the paragraphs of the selection.
void make_bulleted_list(Editor& editor);
// "1,2,3" … "i, ii, iii, iv": the numbering format and ListType 4.
void make_numbered_list(Editor& editor, Numbering numbering);
// "Increase Level" (+1) and "Decrease Level" (-1): the level moves by one and
// both indent values by one indent step. A paragraph outside a list, or at
// level 1 going down, stays as it is.
void change_list_level(Editor& editor, int steps);

// Lengths are typed in points, with up to one decimal ("12", "7.5").
struct ListAttributeEntries {
  std::string start_number;   // the number of the first item
  std::string indent_step;    // from the number to the text
};
ListAttributeEntries list_attribute_entries(const Editor& editor);
Status apply_list_attributes(Editor& editor, const ListAttributeEntries& entries);

// --- Paragraph dialog --------------------------------------------------------
struct ParagraphEntries {
  Alignment alignment = Alignment::Left;
  std::string left_indent, right_indent, first_indent;  // points
  std::string space_before, space_after;                // points
  std::string line_spacing;                             // percent
};
ParagraphEntries paragraph_entries(const Editor& editor);
Status apply_paragraph_entries(Editor& editor, const ParagraphEntries& entries);

// --- Tab stops --------------------------------------------------------------
// Tab stops as points separated by spaces or commas ("36 72 144").
std::string tab_stop_entry(const Editor& editor);
Status apply_tab_stops(Editor& editor, const std::string& entry);

// --- Paragraph frames ---------------------------------------------------------
struct FrameEntries {
  int style = 0;  // FrameStyle: 0 none, 1 single line, 2 double line
  std::string line_width, distance;  // points
};
FrameEntries frame_entries(const Editor& editor);
Status apply_frame_entries(Editor& editor, const FrameEntries& entries);

// A length in points as typed ("12", "7.5", "-3") in twips; nothing for
// anything else or for more than 22 inches either way.
std::optional<int> parse_points(const std::string& typed);
std::string points_text(int twips);

}  // namespace quilm
