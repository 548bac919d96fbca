#include "editor/selection_colour.h"

#include <optional>

namespace quilm {
namespace {

Color colour_of(const CharFormat& format, ColourKind kind) {
  return kind == ColourKind::Text ? format.fore_color : format.back_color;
}

}  // namespace

Color selection_colour(const Editor& editor, ColourKind kind) {
  const int start = editor.SelStart();
  const int end = start + editor.SelLength();
  if (start == end) return colour_of(editor.Format(), kind);
  std::optional<Color> found;
  int position = 0;
  for (const TextRun& run : editor.Runs()) {
    const int run_end = position + static_cast<int>(run.text.size());
    if (run_end > start && position < end) {
      const Color c = colour_of(run.format, kind);
      if (found && *found != c) return kBlack;
      found = c;
    }
    if (run_end >= end) break;
    position = run_end;
  }
  return found.value_or(colour_of(editor.Format(), kind));
}

}  // namespace quilm
