// Undo and redo of the in-memory editor. Every change of the document is one
// replacement of a stretch of runs (a format change replaces text by the same
// text in another format; an alignment change replaces paragraphs by
// themselves), so one record type undoes and redoes all of them.
#pragma once

#include <map>
#include <optional>
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
  std::vector<ParagraphFormat> paragraphs_before, paragraphs_after;
  Selection selection_before, selection_after;
  // Edits of one group (not 0) are undone and redone together.
  int group = 0;
  // The attributes of every table by its first position, before and after,
  // for an edit of a table; other edits only move the tables behind them.
  std::optional<std::map<int, TableAttributes>> tables_before, tables_after;
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
  // Edits recorded between begin_group and the matching end_group share a group.
  void begin_group();
  void end_group();
  // The group of the change undo (or redo) would take next; 0 for none.
  int next_undo_group() const { return done_.empty() ? 0 : done_.back().group; }
  int next_redo_group() const { return undone_.empty() ? 0 : undone_.back().group; }

 private:
  std::vector<DocumentEdit> done_, undone_;
  int group_depth_ = 0;
  int current_group_ = 0;
  int last_group_ = 0;
};

}  // namespace quilm
