#include "editor/edit_history.h"

#include <algorithm>
#include <cassert>

#include "editor/run_list.h"

namespace quilm {
namespace {

// The text `from` of the edit becomes `to`, and so do its paragraphs' alignments.
void replace(Document& doc, const DocumentEdit& edit, const std::vector<TextRun>& from,
             const std::vector<TextRun>& to, const std::vector<ParagraphFormat>& alignments_from,
             const std::vector<ParagraphFormat>& alignments_to) {
  splice_runs(doc.runs, edit.start, edit.start + length_of(from), to);
  const auto first = doc.paragraphs.begin() + edit.first_paragraph;
  if (alignments_from.size() == alignments_to.size()) {
    std::copy(alignments_to.begin(), alignments_to.end(), first);
    return;
  }
  const auto at = doc.paragraphs.erase(first, first + static_cast<std::ptrdiff_t>(alignments_from.size()));
  doc.paragraphs.insert(at, alignments_to.begin(), alignments_to.end());
}

}  // namespace

void apply(Document& doc, const DocumentEdit& edit) {
  replace(doc, edit, edit.removed, edit.inserted, edit.paragraphs_before, edit.paragraphs_after);
}

void revert(Document& doc, const DocumentEdit& edit) {
  replace(doc, edit, edit.inserted, edit.removed, edit.paragraphs_after, edit.paragraphs_before);
}

void EditHistory::record(DocumentEdit edit) {
  edit.group = group_depth_ > 0 ? current_group_ : 0;
  done_.push_back(std::move(edit));
  undone_.clear();
}

const DocumentEdit& EditHistory::undo() {
  assert(can_undo());
  undone_.push_back(std::move(done_.back()));
  done_.pop_back();
  return undone_.back();
}

const DocumentEdit& EditHistory::redo() {
  assert(can_redo());
  done_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  return done_.back();
}

void EditHistory::begin_group() {
  if (group_depth_++ == 0) current_group_ = ++last_group_;
}

void EditHistory::end_group() {
  if (group_depth_ > 0) --group_depth_;
}

void EditHistory::clear() {
  done_.clear();
  undone_.clear();
}

}  // namespace quilm
