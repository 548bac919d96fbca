#include "editors/ui/qt_editor.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "editor/document.h"
#include "formats/document_format.h"
#include "editor/line_ends.h"
#include "editor/text_search.h"
#include "common/file_io.h"
#include "editors/ui/page_count.h"
#include "editors/ui/qt_document.h"
#include "editors/ui/qt_pdf.h"
#include "editors/ui/qt_table.h"
#include "editors/ui/qt_paragraph.h"
#include "editors/ui/qt_text.h"
#include "editors/ui/table_grid_lines.h"

namespace quilm {
namespace {

constexpr double kTwipsPerInch = 1440.0;

// Runs the edits of `change` as one step of undo.
template <typename Change>
void as_one_step(QTextCursor& cursor, Change change) {
  cursor.beginEditBlock();
  change();
  cursor.endEditBlock();
}

}  // namespace

QtEditor::QtEditor(QTextEdit* edit) : edit_(edit) {
  grid_lines_ = new TableGridOverlay(edit_);
  QFont font = document().defaultFont();
  font.setPointSize(CharFormat{}.font_size);
  document().setDefaultFont(font);
}

QtEditor::QtEditor() : QtEditor(new QTextEdit) { owned_.reset(edit_); }

QtEditor::~QtEditor() {
  if (edit_) zoom_layout_.release(document());
}

void QtEditor::take_cursor(const QTextCursor& cursor) {
  edit_->setTextCursor(cursor);
  pending_.reset();
}

// --- Text and selection ---------------------------------------------------------

std::u16string QtEditor::Text() const {
  std::u16string text;
  for (QTextBlock block = document().begin(); block.isValid(); block = block.next()) {
    if (block != document().begin()) text.push_back(kParagraphBreak);
    text += to_u16(block.text());
  }
  return text;
}

// Qt counts the break after the last block, which holds no text.
int QtEditor::TextLength() const { return document().characterCount() - 1; }

int QtEditor::SelStart() const { return cursor().selectionStart(); }

int QtEditor::SelLength() const { return cursor().selectionEnd() - cursor().selectionStart(); }

void QtEditor::SetSelStart(int position) {
  QTextCursor c = cursor();
  c.setPosition(std::clamp(position, 0, TextLength()));
  take_cursor(c);
}

void QtEditor::SetSelLength(int length) {
  const int start = SelStart();
  QTextCursor c = cursor();
  c.setPosition(start);
  c.setPosition(std::clamp(start + length, start, TextLength()), QTextCursor::KeepAnchor);
  take_cursor(c);
}

std::u16string QtEditor::SelText() const {
  std::u16string text = to_u16(cursor().selectedText());
  std::replace(text.begin(), text.end(), u'\u2029', kParagraphBreak);
  return text;
}

void QtEditor::SetSelText(const std::u16string& text) {
  QTextCursor c = cursor();
  if (text.empty() && !c.hasSelection()) return;
  const QTextCharFormat format = to_qt_format(Format());
  as_one_step(c, [&] { c.insertText(to_qstring(with_paragraph_breaks(text)), format); });
  take_cursor(c);
}

// --- Character format -------------------------------------------------------------

CharFormat QtEditor::Format() const {
  if (pending_holds()) return pending_->format;
  const QTextCursor c = cursor();
  if (c.hasSelection()) return format_at(document(), c.selectionStart());
  // Qt picks the caret's format as the in-memory editor does: the character
  // before it, or after it at the start of a paragraph that has text.
  return to_char_format(c.charFormat());
}

void QtEditor::ApplyFormat(const FormatChange& change) {
  QTextCursor c = cursor();
  if (!format_selection_ || !c.hasSelection()) {
    CharFormat next = Format();
    change.apply_to(next);
    set_pending(next);
    return;
  }
  as_one_step(c, [&] { c.mergeCharFormat(to_qt_change(change)); });
}

// The window types with the format too, when no selection is there to take it.
void QtEditor::set_pending(const CharFormat& format) {
  const QTextCursor c = cursor();
  if (!c.hasSelection()) edit_->setCurrentCharFormat(to_qt_format(format));
  pending_ = PendingFormat{format, c.position(), c.anchor(), document().revision()};
}

bool QtEditor::pending_holds() const {
  if (!pending_) return false;
  const QTextCursor c = cursor();
  return c.position() == pending_->position && c.anchor() == pending_->anchor &&
         document().revision() == pending_->revision;
}

std::vector<TextRun> QtEditor::Runs() const { return document_of(document()).runs; }

// --- Paragraph --------------------------------------------------------------------

Alignment QtEditor::ParagraphAlignment() const {
  return to_alignment(document().findBlock(SelStart()).blockFormat().alignment());
}

void QtEditor::SetParagraphAlignment(Alignment alignment) {
  QTextBlockFormat format;
  format.setAlignment(to_qt_alignment(alignment));
  QTextCursor c = cursor();
  as_one_step(c, [&] { c.mergeBlockFormat(format); });
}

ParagraphFormat QtEditor::ParagraphFormatAt() const { return paragraph_format_of(document().findBlock(SelStart())); }

void QtEditor::ChangeParagraphs(const std::function<void(ParagraphFormat&)>& change) {
  QTextCursor c = cursor();
  const int first = document().findBlock(c.selectionStart()).blockNumber();
  const int last = document().findBlock(c.selectionEnd()).blockNumber();
  as_one_step(c, [&] {
    for (int n = first; n <= last; ++n) {
      QTextCursor at(document().findBlockByNumber(n));
      ParagraphFormat p = paragraph_format_of(at.block());
      change(p);
      set_paragraph_format(at, p);
    }
  });
}

// --- View, page and document values --------------------------------------------

int QtEditor::screen_dpi() const { return edit_->logicalDpiY(); }

void QtEditor::SetViewMode(int mode) {
  if (mode < 0 || mode > 2) return;
  view_mode_ = mode;
  apply_wrap();
}

void QtEditor::SetZoomFactor(int percent) {
  zoom_ = std::clamp(percent, kMinZoom, kMaxZoom);
  zoom_layout_.apply(document(), zoom_, screen_dpi());
  apply_wrap();
}

void QtEditor::SetLockWindowUpdate(bool locked) {
  locked_ = locked;
  edit_->setUpdatesEnabled(!locked);
}

void QtEditor::SetPage(const PageLayout& page) {
  page_ = page;
  apply_wrap();
}

// In the page views lines break at the printable width of the page, as they
// will on paper; in the normal view at the width of the window.
void QtEditor::apply_wrap() {
  if (view_mode_ == 0) {
    edit_->setLineWrapMode(QTextEdit::WidgetWidth);
    return;
  }
  const int printable = std::max(page_.width - page_.margin_left - page_.margin_right, 1);
  const int pixels = qRound(printable / kTwipsPerInch * edit_->logicalDpiX() * zoom_ / 100.0);
  edit_->setLineWrapMode(QTextEdit::FixedPixelWidth);
  edit_->setLineWrapColumnOrWidth(pixels);
}

int QtEditor::CurrentPages() const { return pages_of(document(), page_); }

// The caret's line in the laid-out document, in pages of the printable
// height at the resolution the layout has (the screen's, times the zoom).
// Laying out a paged copy would give the exact page, but takes far too long
// for every move of the caret in a long document.
int QtEditor::PageOfPosition(int position) const {
  const int at = std::clamp(position, 0, TextLength());
  const QTextBlock block = document().findBlock(at);
  double top = document().documentLayout()->blockBoundingRect(block).top() - document().documentMargin();
  if (const QTextLayout* lines = block.layout()) {
    const QTextLine line = lines->lineForTextPosition(at - block.position());
    if (line.isValid()) top += line.y();
  }
  const int printable = std::max(page_.height - page_.margin_top - page_.margin_bottom, 1);
  const double page_height = printable / kTwipsPerInch * screen_dpi() * zoom_ / 100.0;
  return static_cast<int>(std::max(top, 0.0) / page_height) + 1;
}

int QtEditor::DocumentValue(int index) const {
  return index >= 0 && index < kDocumentValues ? document_values_[index] : 0;
}

void QtEditor::SetDocumentValue(int index, int value) {
  if (index >= 0 && index < kDocumentValues) document_values_[index] = value;
}

// --- Undo, clipboard and state ---------------------------------------------------

bool QtEditor::CanUndo() const { return document().isUndoAvailable(); }
bool QtEditor::CanRedo() const { return document().isRedoAvailable(); }
bool QtEditor::CanCopy() const { return cursor().hasSelection(); }
bool QtEditor::CanPaste() const { return edit_->canPaste(); }

// Qt would call a document unmodified again once undo reaches the state it
// was saved in; here, as everywhere, a change is a change.
void QtEditor::Undo() {
  if (!CanUndo()) return;
  edit_->undo();
  document().setModified(true);
  pending_.reset();
}

void QtEditor::Redo() {
  if (!CanRedo()) return;
  edit_->redo();
  document().setModified(true);
  pending_.reset();
}

// --- Tables -----------------------------------------------------------------------

bool QtEditor::TableAtInputPos(TableCells& table) const {
  const QTextTable* t = cursor().currentTable();
  if (!t) return false;
  table = table_cells(*t);
  return true;
}

Status QtEditor::SetTableAtInputPos(const TableCells& cells) {
  QTextTable* t = cursor().currentTable();
  if (!t) return Status::Error("No table selected");
  if (!fits_table(*t, cells)) return Status::Error("The cells do not fit the table");
  const int caret = cursor().position();
  EditGroup group(*this);
  write_table_cells(*t, cells);
  QTextCursor c = cursor();
  c.setPosition(std::min(caret, document().characterCount() - 1));
  if (!c.currentTable()) c = t->cellAt(0, 0).firstCursorPosition();
  take_cursor(c);
  return Status::Ok();
}

void QtEditor::InsertTable(int rows, int columns) {
  if (rows <= 0 || columns <= 0) return;
  QTextCursor c = cursor();
  QTextTableFormat format;
  format.setBorder(1);
  format.setCellPadding(2);
  format.setCellSpacing(0);
  as_one_step(c, [&] { c.insertTable(rows, columns, format); });
  take_cursor(c);
}

void QtEditor::BeginEditGroup() {
  if (group_depth_++ > 0) return;
  group_cursor_ = QTextCursor(&document());
  group_cursor_.beginEditBlock();
}

void QtEditor::EndEditGroup() {
  if (group_depth_ == 0 || --group_depth_ > 0) return;
  group_cursor_.endEditBlock();
  group_cursor_ = QTextCursor();
}

void QtEditor::Clip(int action) {
  switch (action) {
    case 1: edit_->cut(); break;
    case 2: edit_->copy(); break;
    case 3: edit_->paste(); break;
    case 4: {
      QTextCursor c = cursor();
      if (c.hasSelection()) as_one_step(c, [&] { c.removeSelectedText(); });
      edit_->setTextCursor(c);
      break;
    }
    default: return;
  }
  pending_.reset();
}

bool QtEditor::Modified() const { return document().isModified(); }
void QtEditor::SetModified(bool modified) { document().setModified(modified); }

// --- Lines and search -------------------------------------------------------------

int QtEditor::LineCount() const { return document().blockCount(); }

int QtEditor::LineStart(int line) const {
  if (line < 0 || line >= LineCount()) return -1;
  return document().findBlockByNumber(line).position();
}

int QtEditor::LineOfPosition(int position) const {
  return document().findBlock(std::clamp(position, 0, TextLength())).blockNumber();
}

int QtEditor::Find(const std::u16string& text, int from, bool match_case) const {
  return find_text(Text(), text, from, match_case);
}

// --- Load and save ------------------------------------------------------------------

Status QtEditor::LoadFile(const std::filesystem::path& path, FormatCode format) {
  Document loaded;
  const Status status = load_document_file(path, format, Format(), loaded, LegacyFonts());
  if (!status) return status;
  document_values_ = loaded.values;
  page_numbers_ = loaded.page_numbers;
  reset_to(loaded);
  return status;
}

// PDF is drawn by Qt with the fonts on screen; every other format is
// written by the document formats.
Status QtEditor::SaveFile(const std::filesystem::path& path, FormatCode format) const {
  if (format == FormatCode::Pdf) return write_file_atomically(path, document_pdf(document(), page_));
  Document saved = document_of(document());
  saved.values = document_values_;
  saved.page_numbers = page_numbers_;
  return save_document_file(path, format, saved, LegacyFonts());
}

Status QtEditor::LoadFromMemory(BytesView bytes, FormatCode format) {
  Document loaded;
  const Status status = read_document(format, bytes, Format(), loaded, LegacyFonts());
  if (!status) return status;
  QTextCursor c(&document());
  as_one_step(c, [&] {
    c.select(QTextCursor::Document);
    c.removeSelectedText();
    insert_document(c, loaded);
  });
  c.setPosition(0);
  take_cursor(c);
  return status;
}

Status QtEditor::SaveToMemory(FormatCode format, Bytes& out) const {
  Document saved = document_of(document());
  saved.values = document_values_;
  saved.page_numbers = page_numbers_;
  return write_document(format, saved, out, LegacyFonts());
}

void QtEditor::Clear() { reset_to(Document{}); }

void QtEditor::reset_to(const Document& doc) {
  QTextDocument& d = document();
  d.setUndoRedoEnabled(false);
  d.clear();
  QTextCursor c(&d);
  // One edit block: the view lays the document out once at its end instead
  // of after every run and paragraph format (seconds for a long document).
  as_one_step(c, [&] { insert_document(c, doc); });
  d.setUndoRedoEnabled(true);
  d.setModified(false);
  c.setPosition(0);
  take_cursor(c);
}

}  // namespace quilm
