// Where the paragraphs of a document start and where its text ends, kept in
// step with every change so that neither needs a reading of the whole text.
#pragma once

#include <vector>

#include "editor/editor.h"

namespace quilm {

class ParagraphIndex {
 public:
  ParagraphIndex() = default;
  explicit ParagraphIndex(const std::vector<TextRun>& runs);

  // The characters [start, start + removed) were replaced by `inserted`.
  void replaced(int start, int removed, const std::vector<TextRun>& inserted);

  int count() const { return static_cast<int>(starts_.size()); }
  int text_length() const { return length_; }
  int start_of(int paragraph) const { return starts_[paragraph]; }
  // The paragraph that holds `position`; a paragraph break belongs to the
  // paragraph it ends.
  int paragraph_of(int position) const;

 private:
  std::vector<int> starts_{0};  // ascending, the first is 0
  int length_ = 0;
};

}  // namespace quilm
