#include "app/go_to.h"

#include <algorithm>
#include <limits>

#include "common/whole_number.h"

namespace quilm {
namespace {

constexpr int kNormalLayout = 0;
constexpr int kCentredPageLayout = 2;

// The first position of page `page` (from 1): positions run through the pages
// in order, so the first position whose page is not before it.
int first_position_of_page(const Editor& editor, int page) {
  int low = 0, high = editor.TextLength();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (editor.PageOfPosition(middle) < page)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

}  // namespace

std::optional<int> parse_go_to_number(std::string_view typed) {
  return parse_whole_number(typed, 1, std::numeric_limits<int>::max());
}

GoToTarget go_to_target(GoToWhat what, int number, int lines, int pages) {
  if (what == GoToWhat::Line) return {1, std::clamp(number, 1, std::max(lines, 1)), kNormalLayout};
  return {std::clamp(number, 1, std::max(pages, 1)), 1, kCentredPageLayout};
}

void go_to(Editor& editor, const GoToTarget& target) {
  editor.SetViewMode(target.view_mode);
  int position = 0;
  if (target.page > 1)
    position = first_position_of_page(editor, target.page);
  else
    position = std::max(editor.LineStart(std::min(target.line, editor.LineCount()) - 1), 0);
  editor.SetSelStart(position);
  editor.SetSelLength(0);
}

}  // namespace quilm
