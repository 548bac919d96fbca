// The editor of the program: the Editor interface over a QTextEdit. Positions
// are QTextCursor positions; a paragraph break (between two QTextBlocks) is
// one position, as in the in-memory editor. Loading and saving go through
// the same format readers and writers as the in-memory editor.
#pragma once

#include <QPointer>
#include <QTextEdit>
#include <array>
#include <memory>
#include <optional>

#include "editor/editor.h"
#include "editors/ui/layout_zoom.h"

class QTextTable;

namespace quilm {

class TableGridOverlay;

struct Document;

class QtEditor final : public Editor {
 public:
  // Works on `edit`, which the window owns and places.
  explicit QtEditor(QTextEdit* edit);
  // Owns a text edit of its own, never shown unless its owner shows it.
  QtEditor();
  ~QtEditor() override;
  QtEditor(const QtEditor&) = delete;
  QtEditor& operator=(const QtEditor&) = delete;

  QTextEdit* widget() const { return edit_; }

  std::u16string Text() const override;
  int TextLength() const override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  int SelLength() const override;
  void SetSelLength(int length) override;
  std::u16string SelText() const override;
  void SetSelText(const std::u16string& text) override;

  CharFormat Format() const override;
  void ApplyFormat(const FormatChange& change) override;
  bool FormatSelection() const override { return format_selection_; }
  void SetFormatSelection(bool on) override { format_selection_ = on; }
  std::vector<TextRun> Runs() const override;

  Alignment ParagraphAlignment() const override;
  void SetParagraphAlignment(Alignment alignment) override;
  ParagraphFormat ParagraphFormatAt() const override;
  void ChangeParagraphs(const std::function<void(ParagraphFormat&)>& change) override;

  int ViewMode() const override { return view_mode_; }
  void SetViewMode(int mode) override;
  int ZoomFactor() const override { return zoom_; }
  void SetZoomFactor(int percent) override;
  bool LockWindowUpdate() const override { return locked_; }
  void SetLockWindowUpdate(bool locked) override;

  PageLayout Page() const override { return page_; }
  void SetPage(const PageLayout& page) override;
  int CurrentPages() const override;
  int PageOfPosition(int position) const override;
  int DocumentValue(int index) const override;
  void SetDocumentValue(int index, int value) override;
  PageNumbering PageNumbers() const override { return page_numbers_; }
  void SetPageNumbers(const PageNumbering& numbering) override { page_numbers_ = numbering; }

  bool CanUndo() const override;
  bool CanRedo() const override;
  bool CanCopy() const override;
  bool CanPaste() const override;
  void Undo() override;
  void Redo() override;
  void BeginEditGroup() override;
  void EndEditGroup() override;
  void Clip(int action) override;
  bool Modified() const override;
  void SetModified(bool modified) override;

  int LineCount() const override;
  int LineStart(int line) const override;
  int LineOfPosition(int position) const override;
  int Find(const std::u16string& text, int from, bool match_case = true) const override;

  bool TableAtInputPos(TableCells& table) const override;
  Status SetTableAtInputPos(const TableCells& cells) override;
  void InsertTable(int rows, int columns) override;

  // Rows, columns, cells and attributes of tables (qt_editor_tables.cpp).
  std::optional<TableCellIndex> TableCellAt(int position) const override;
  std::optional<TextRange> TableCellRange(int row, int column) const override;
  Status TableInsertRows(int row, int count) override;
  Status TableInsertColumns(int column, int count) override;
  Status TableDeleteRows(int row, int count) override;
  Status TableDeleteColumns(int column, int count) override;
  Status TableDelete() override;
  Status TableSplit(int row) override;
  bool TableGridLines() const override;
  void SetTableGridLines(bool shown) override;
  std::optional<TableAttributes> TableAttributesAtInputPos() const override;
  Status SetTableAttributesAtInputPos(const TableAttributes& attributes) override;

  Status LoadFile(const std::filesystem::path& path, FormatCode format) override;
  Status SaveFile(const std::filesystem::path& path, FormatCode format) const override;
  Status LoadFromMemory(BytesView bytes, FormatCode format) override;
  Status SaveToMemory(FormatCode format, Bytes& out) const override;

  void Clear() override;

 private:
  // The format of text typed next, chosen while no selection takes it. It
  // holds only while the caret stays where it was and the text is unchanged:
  // the user may type or click in the window between two calls.
  struct PendingFormat {
    CharFormat format;
    int position, anchor, revision;
  };

  // Holds the document's edit block while an edit group is open: Qt groups
  // every change of the document inside a block into one undo step, whichever
  // cursor makes it.
  QTextCursor group_cursor_;
  int group_depth_ = 0;

  QTextDocument& document() const { return *edit_->document(); }
  QTextCursor cursor() const { return edit_->textCursor(); }
  void set_pending(const CharFormat& format);
  bool pending_holds() const;
  void take_cursor(const QTextCursor& cursor);
  // Starts over with `doc`: nothing to undo, not modified, caret at the start.
  void reset_to(const Document& doc);
  void apply_wrap();
  // The table that holds SelStart, and the caret put at the start of a cell.
  QTextTable* caret_table() const;
  void put_caret_in(QTextTable& table, TableCellIndex cell);
  int screen_dpi() const;

  std::unique_ptr<QTextEdit> owned_;
  QPointer<QTextEdit> edit_;
  std::optional<PendingFormat> pending_;
  bool format_selection_ = true;
  int view_mode_ = 0;
  int zoom_ = 100;
  bool locked_ = false;
  PageLayout page_;
  std::array<int, kDocumentValues> document_values_{};
  PageNumbering page_numbers_;
  LayoutZoom zoom_layout_;
  // Lines over the cells of borderless tables, and whether they show.
  QPointer<TableGridOverlay> grid_lines_;
  bool grid_lines_shown_ = true;
};

}  // namespace quilm
