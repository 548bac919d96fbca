#include "editor/paragraph_index.h"

#include <algorithm>

#include "editor/document.h"

namespace quilm {

ParagraphIndex::ParagraphIndex(const std::vector<TextRun>& runs)
    : starts_(paragraph_starts(runs)), length_(length_of(runs)) {}

void ParagraphIndex::replaced(int start, int removed, const std::vector<TextRun>& inserted) {
  // A break at position p starts a paragraph at p + 1, so the removed breaks
  // are the starts in (start, start + removed].
  const auto first_removed = std::upper_bound(starts_.begin(), starts_.end(), start);
  const auto after_removed = std::upper_bound(first_removed, starts_.end(), start + removed);
  const int shift = length_of(inserted) - removed;
  std::for_each(after_removed, starts_.end(), [shift](int& s) { s += shift; });
  length_ += shift;

  std::vector<int> added;
  int position = start;
  for (const TextRun& run : inserted) {
    for (const char16_t c : run.text) {
      ++position;
      if (c == kParagraphBreak) added.push_back(position);
    }
  }
  const auto at = starts_.erase(first_removed, after_removed);
  starts_.insert(at, added.begin(), added.end());
}

int ParagraphIndex::paragraph_of(int position) const {
  return static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), position) - starts_.begin()) - 1;
}

}  // namespace quilm
