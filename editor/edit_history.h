// Undo and redo of the in-memory editor. Every change of the document is one
// replacement of a stretch of runs (a format change replaces text by the same
// text in another format; an alignment change replaces paragraphs by
// themselves), so one record type undoes and redoes all of them.
#pragma once

#include <vector>

#include "editor/document.h"

namespace quilm {

struct Selection {
  int start = 0;
  int length = 0;
};

struct DocumentEdit {
  int start = 0;
  std::vector<TextRun> removed, inserted;
  // The paragraph that holds `start`, and the alignments of the paragraphs
  // from it over the stretch, before and after the change.
  int first_paragraph = 0;
  std::vector<Alignment> alignments_before, alignments_after;
  Selection selection_before, selection_after;
};

void apply(Document& doc, const DocumentEdit& edit);
void revert(Document& doc, const DocumentEdit& edit);

class EditHistory {
 public:
  // A new change; what could be redone is gone.
  void record(DocumentEdit edit);
  bool can_undo() const { return !done_.empty(); }
  bool can_redo() const { return !undone_.empty(); }
  // The change to revert (or to apply again), now moved to the other list.
  const DocumentEdit& undo();
  const DocumentEdit& redo();
  void clear();

 private:
  std::vector<DocumentEdit> done_, undone_;
};

}  // namespace quilm
