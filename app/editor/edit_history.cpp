#include "app/editor/edit_history.h"

#include <cassert>

namespace quilm {

void apply(Document& doc, const DocumentEdit& edit) {
  replace_in_document(doc, edit.start, length_of(edit.removed), edit.inserted, edit.alignments_after);
}

void revert(Document& doc, const DocumentEdit& edit) {
  replace_in_document(doc, edit.start, length_of(edit.inserted), edit.removed, edit.alignments_before);
}

void EditHistory::record(DocumentEdit edit) {
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

void EditHistory::clear() {
  done_.clear();
  undone_.clear();
}

}  // namespace quilm
