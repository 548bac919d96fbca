// The editor as a plain C++ document model, without a window: the document of
// the command-line tool and of the core tests. It behaves as the Qt editor of
// the program does, down to the format a caret picks up and the alignment a
// joined paragraph keeps, so that what a tool does here it does there.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "editor/document.h"
#include "editor/edit_history.h"
#include "editor/editor.h"
#include "editor/paragraph_index.h"
#include "editors/memory_table.h"

namespace quilm {

// What cut and copy leave for paste, with its formats.
struct MemoryClipboard {
  std::vector<TextRun> runs;
};

class MemoryEditor final : public Editor {
 public:
  // Editors given the same clipboard cut, copy and paste to one another.
  explicit MemoryEditor(std::shared_ptr<MemoryClipboard> clipboard = std::make_shared<MemoryClipboard>());

  std::u16string Text() const override;
  int TextLength() const override;
  int SelStart() const override { return selection_.start; }
  void SetSelStart(int position) override;
  int SelLength() const override { return selection_.length; }
  void SetSelLength(int length) override;
  std::u16string SelText() const override;
  void SetSelText(const std::u16string& text) override;

  CharFormat Format() const override;
  void ApplyFormat(const FormatChange& change) override;
  bool FormatSelection() const override { return format_selection_; }
  void SetFormatSelection(bool on) override { format_selection_ = on; }
  std::vector<TextRun> Runs() const override { return doc_.runs; }
  bool ReplaceRuns(int start, int length, std::vector<TextRun> runs) override;

  Alignment ParagraphAlignment() const override;
  void SetParagraphAlignment(Alignment alignment) override;
  ParagraphFormat ParagraphFormatAt() const override;
  void ChangeParagraphs(const std::function<void(ParagraphFormat&)>& change) override;

  int ViewMode() const override { return view_mode_; }
  void SetViewMode(int mode) override;
  int ZoomFactor() const override { return zoom_; }
  void SetZoomFactor(int percent) override;
  bool LockWindowUpdate() const override { return locked_; }
  void SetLockWindowUpdate(bool locked) override { locked_ = locked; }

  PageLayout Page() const override { return page_; }
  void SetPage(const PageLayout& page) override { page_ = page; }
  // A document without a layout is one page.
  int CurrentPages() const override { return 1; }
  int PageOfPosition(int) const override { return 1; }
  int DocumentValue(int index) const override;
  void SetDocumentValue(int index, int value) override;
  PageNumbering PageNumbers() const override { return page_numbers_; }
  void SetPageNumbers(const PageNumbering& numbering) override { page_numbers_ = numbering; }

  bool CanUndo() const override { return history_.can_undo(); }
  bool CanRedo() const override { return history_.can_redo(); }
  bool CanCopy() const override { return selection_.length > 0; }
  bool CanPaste() const override { return !clipboard_->runs.empty(); }
  void Undo() override;
  void Redo() override;
  void BeginEditGroup() override;
  void EndEditGroup() override;
  void Clip(int action) override;
  bool Modified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }

  int LineCount() const override;
  int LineStart(int line) const override;
  int LineOfPosition(int position) const override;
  int Find(const std::u16string& text, int from, bool match_case = true) const override;

  // Tables are rows of cells ended by U+0007 (editors/memory_table.h).
  bool TableAtInputPos(TableCells& table) const override;
  Status SetTableAtInputPos(const TableCells& cells) override;
  void InsertTable(int rows, int columns) override;

  // Rows, columns, cells and attributes of tables (memory_editor_tables.cpp).
  std::optional<TableCellIndex> TableCellAt(int position) const override;
  std::optional<TextRange> TableCellRange(int row, int column) const override;
  Status TableInsertRows(int row, int count) override;
  Status TableInsertColumns(int column, int count) override;
  Status TableDeleteRows(int row, int count) override;
  Status TableDeleteColumns(int column, int count) override;
  Status TableDelete() override;
  Status TableSplit(int row) override;
  bool TableGridLines() const override { return grid_lines_; }
  void SetTableGridLines(bool shown) override { grid_lines_ = shown; }
  std::optional<TableAttributes> TableAttributesAtInputPos() const override;
  Status SetTableAttributesAtInputPos(const TableAttributes& attributes) override;

  Status LoadFile(const std::filesystem::path& path, FormatCode format) override;
  Status SaveFile(const std::filesystem::path& path, FormatCode format) const override;
  Status LoadFromMemory(BytesView bytes, FormatCode format) override;
  Status SaveToMemory(FormatCode format, Bytes& out) const override;

  void Clear() override;

 private:
  int selection_end() const { return selection_.start + selection_.length; }
  CharFormat caret_format() const;
  int paragraph_of(int position) const { return paragraphs_.paragraph_of(position); }

  // Replaces the selection by `runs` as one undoable change; the caret ends
  // after them.
  void replace_selection(std::vector<TextRun> runs);
  DocumentEdit format_edit(const FormatChange& change) const;
  DocumentEdit paragraph_edit(const std::function<void(ParagraphFormat&)>& change) const;
  // Applies a change, records it for undo and marks the document modified.
  void commit(DocumentEdit edit);
  // Starts over with `doc`: nothing to undo, caret at the start.
  void reset_to(Document doc);

  // Tables (memory_editor_tables.cpp).
  std::optional<TableSpan> caret_table() const;
  // Replaces the table of `span` by `cells`, its rows aligned by `rows_after`,
  // the caret ending at the start of cell `caret`; `looks` become the
  // attributes of the tables.
  void rewrite_table(const TableSpan& span, const TableCells& cells, std::vector<ParagraphFormat> rows_after,
                     TableCellIndex caret, std::map<int, TableAttributes> looks);
  // The attributes of the tables after an edit, or before it when undone:
  // those behind the edit move with the text, those of tables gone are dropped.
  void follow_tables(const DocumentEdit& edit, bool undone);

  Document doc_;
  ParagraphIndex paragraphs_;  // of doc_
  Selection selection_;
  // Format of the text typed next, set while no selection takes a format;
  // forgotten when the caret moves.
  std::optional<CharFormat> pending_;
  bool format_selection_ = true;
  EditHistory history_;
  bool modified_ = false;
  std::shared_ptr<MemoryClipboard> clipboard_;

  int view_mode_ = 0;
  int zoom_ = 100;
  bool locked_ = false;
  PageLayout page_;
  std::array<int, kDocumentValues> document_values_{};
  PageNumbering page_numbers_;
  // Tables: whether grid lines show, and the attributes of each table
  // (by its first position) that differ from the defaults.
  bool grid_lines_ = true;
  std::map<int, TableAttributes> table_looks_;
};

}  // namespace quilm
