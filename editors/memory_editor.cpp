#include "editors/memory_editor.h"

#include <algorithm>

#include "formats/document_format.h"
#include "editor/line_ends.h"
#include "editor/run_list.h"
#include "editor/text_search.h"
#include "editors/memory_table.h"

namespace quilm {
namespace {

std::vector<ParagraphFormat> paragraphs_between(const Document& doc, int first_paragraph, int last_paragraph) {
  return {doc.paragraphs.begin() + first_paragraph, doc.paragraphs.begin() + last_paragraph + 1};
}

}  // namespace

MemoryEditor::MemoryEditor(std::shared_ptr<MemoryClipboard> clipboard) : clipboard_(std::move(clipboard)) {}

// --- Text and selection ---------------------------------------------------------

std::u16string MemoryEditor::Text() const { return text_of(doc_.runs); }

int MemoryEditor::TextLength() const { return paragraphs_.text_length(); }

void MemoryEditor::SetSelStart(int position) {
  selection_ = {std::clamp(position, 0, TextLength()), 0};
  pending_.reset();
}

void MemoryEditor::SetSelLength(int length) {
  selection_.length = std::clamp(length, 0, TextLength() - selection_.start);
  pending_.reset();
}

std::u16string MemoryEditor::SelText() const {
  return text_of(slice_runs(doc_.runs, selection_.start, selection_end()));
}

void MemoryEditor::SetSelText(const std::u16string& text) {
  std::vector<TextRun> runs;
  if (!text.empty()) runs.push_back({with_paragraph_breaks(text), Format()});
  replace_selection(std::move(runs));
}

bool MemoryEditor::ReplaceRuns(int start, int length, std::vector<TextRun> runs) {
  const int end = start + length;
  if (start < 0 || length < 0 || end > TextLength()) return false;
  DocumentEdit edit;
  edit.removed = slice_runs(doc_.runs, start, end);
  if (paragraph_breaks_in(edit.removed) != paragraph_breaks_in(runs)) return false;
  merge_runs(runs);
  edit.start = start;
  edit.first_paragraph = paragraph_of(start);
  edit.paragraphs_before = paragraphs_between(doc_, paragraph_of(start), paragraph_of(end));
  edit.paragraphs_after = edit.paragraphs_before;
  edit.selection_before = selection_;
  edit.selection_after = {start + length_of(runs), 0};
  edit.inserted = std::move(runs);
  pending_.reset();
  commit(std::move(edit));
  return true;
}

// --- Character format -------------------------------------------------------------

CharFormat MemoryEditor::Format() const {
  if (pending_) return *pending_;
  if (selection_.length > 0) return format_at(doc_.runs, selection_.start);
  return caret_format();
}

// The caret takes the format of the character before it, except at the start
// of a paragraph that has text, where it takes that of the first character:
// what is typed there belongs with the paragraph, not with the break before it.
CharFormat MemoryEditor::caret_format() const {
  const int caret = selection_.start;
  const bool paragraph_start = caret == 0 || char_at(doc_.runs, caret - 1) == kParagraphBreak;
  const bool text_follows = caret < TextLength() && char_at(doc_.runs, caret) != kParagraphBreak;
  if (paragraph_start && text_follows) return format_at(doc_.runs, caret);
  if (caret > 0) return format_at(doc_.runs, caret - 1);
  return CharFormat{};
}

void MemoryEditor::ApplyFormat(const FormatChange& change) {
  if (!format_selection_ || selection_.length == 0) {
    CharFormat next = Format();
    change.apply_to(next);
    pending_ = next;
    return;
  }
  commit(format_edit(change));
}

DocumentEdit MemoryEditor::format_edit(const FormatChange& change) const {
  DocumentEdit edit;
  edit.start = selection_.start;
  edit.removed = slice_runs(doc_.runs, selection_.start, selection_end());
  edit.inserted = with_change(edit.removed, change);
  edit.first_paragraph = paragraph_of(selection_.start);
  edit.paragraphs_before = paragraphs_between(doc_, paragraph_of(selection_.start), paragraph_of(selection_end()));
  edit.paragraphs_after = edit.paragraphs_before;
  edit.selection_before = edit.selection_after = selection_;
  return edit;
}

// --- Paragraph --------------------------------------------------------------------

Alignment MemoryEditor::ParagraphAlignment() const { return ParagraphFormatAt().alignment; }

void MemoryEditor::SetParagraphAlignment(Alignment alignment) {
  commit(paragraph_edit([alignment](ParagraphFormat& p) { p.alignment = alignment; }));
}

ParagraphFormat MemoryEditor::ParagraphFormatAt() const { return doc_.paragraphs[paragraph_of(selection_.start)]; }

void MemoryEditor::ChangeParagraphs(const std::function<void(ParagraphFormat&)>& change) {
  commit(paragraph_edit(change));
}

// Every paragraph the selection touches; its text is replaced by itself.
DocumentEdit MemoryEditor::paragraph_edit(const std::function<void(ParagraphFormat&)>& change) const {
  const int first = paragraph_of(selection_.start);
  const int last = paragraph_of(selection_end());
  DocumentEdit edit;
  edit.start = paragraphs_.start_of(first);
  edit.removed = slice_runs(doc_.runs, edit.start, paragraphs_.start_of(last));
  edit.inserted = edit.removed;
  edit.first_paragraph = first;
  edit.paragraphs_before = paragraphs_between(doc_, first, last);
  edit.paragraphs_after = edit.paragraphs_before;
  for (ParagraphFormat& p : edit.paragraphs_after) change(p);
  edit.selection_before = edit.selection_after = selection_;
  return edit;
}

// --- View, page and document values --------------------------------------------

void MemoryEditor::SetViewMode(int mode) {
  if (mode >= 0 && mode <= 2) view_mode_ = mode;
}

void MemoryEditor::SetZoomFactor(int percent) { zoom_ = std::clamp(percent, kMinZoom, kMaxZoom); }

int MemoryEditor::DocumentValue(int index) const {
  return index >= 0 && index < kDocumentValues ? document_values_[index] : 0;
}

void MemoryEditor::SetDocumentValue(int index, int value) {
  if (index >= 0 && index < kDocumentValues) document_values_[index] = value;
}

// --- Undo and clipboard ---------------------------------------------------------

void MemoryEditor::Undo() {
  if (!history_.can_undo()) return;
  const int group = history_.next_undo_group();
  do {
    const DocumentEdit& edit = history_.undo();
    revert(doc_, edit);
    paragraphs_.replaced(edit.start, length_of(edit.inserted), edit.removed);
    follow_tables(edit, true);
    selection_ = edit.selection_before;
  } while (group != 0 && history_.next_undo_group() == group);
  pending_.reset();
  modified_ = true;
}

void MemoryEditor::Redo() {
  if (!history_.can_redo()) return;
  const int group = history_.next_redo_group();
  do {
    const DocumentEdit& edit = history_.redo();
    apply(doc_, edit);
    paragraphs_.replaced(edit.start, length_of(edit.removed), edit.inserted);
    follow_tables(edit, false);
    selection_ = edit.selection_after;
  } while (group != 0 && history_.next_redo_group() == group);
  pending_.reset();
  modified_ = true;
}

void MemoryEditor::BeginEditGroup() { history_.begin_group(); }
void MemoryEditor::EndEditGroup() { history_.end_group(); }

void MemoryEditor::Clip(int action) {
  const bool selected = selection_.length > 0;
  switch (action) {
    case 1:  // cut
      if (!selected) return;
      clipboard_->runs = slice_runs(doc_.runs, selection_.start, selection_end());
      replace_selection({});
      return;
    case 2:  // copy
      if (selected) clipboard_->runs = slice_runs(doc_.runs, selection_.start, selection_end());
      return;
    case 3:  // paste
      if (!clipboard_->runs.empty()) replace_selection(clipboard_->runs);
      return;
    case 4:  // delete
      if (selected) replace_selection({});
      return;
    default:
      return;
  }
}

// --- Lines and search -------------------------------------------------------------

int MemoryEditor::LineCount() const { return paragraphs_.count(); }

int MemoryEditor::LineStart(int line) const {
  return line >= 0 && line < paragraphs_.count() ? paragraphs_.start_of(line) : -1;
}

int MemoryEditor::LineOfPosition(int position) const {
  return paragraph_of(std::clamp(position, 0, TextLength()));
}

int MemoryEditor::Find(const std::u16string& text, int from, bool match_case) const {
  return find_text(Text(), text, from, match_case);
}

// --- Load and save ------------------------------------------------------------------

Status MemoryEditor::LoadFile(const std::filesystem::path& path, FormatCode format) {
  Document loaded;
  const Status status = load_document_file(path, format, Format(), loaded, LegacyFonts());
  if (!status) return status;
  document_values_ = loaded.values;
  page_numbers_ = loaded.page_numbers;
  reset_to(std::move(loaded));
  return status;
}

Status MemoryEditor::SaveFile(const std::filesystem::path& path, FormatCode format) const {
  Document saved = doc_;
  saved.values = document_values_;
  saved.page_numbers = page_numbers_;
  return save_document_file(path, format, saved, LegacyFonts());
}

Status MemoryEditor::LoadFromMemory(BytesView bytes, FormatCode format) {
  Document loaded;
  const Status status = read_document(format, bytes, Format(), loaded, LegacyFonts());
  if (!status) return status;
  DocumentEdit edit;
  edit.removed = doc_.runs;
  edit.inserted = std::move(loaded.runs);
  edit.paragraphs_before = doc_.paragraphs;
  edit.paragraphs_after = std::move(loaded.paragraphs);
  edit.selection_before = selection_;
  commit(std::move(edit));
  pending_.reset();
  return status;
}

Status MemoryEditor::SaveToMemory(FormatCode format, Bytes& out) const {
  Document saved = doc_;
  saved.values = document_values_;
  saved.page_numbers = page_numbers_;
  return write_document(format, saved, out, LegacyFonts());
}

void MemoryEditor::Clear() { reset_to(Document{}); }

// --- Changes ------------------------------------------------------------------------

// A stretch that joins paragraphs keeps the alignment of the first of them,
// unless it starts a paragraph: then the paragraph it ends in survives whole
// and keeps its own. New paragraphs take the alignment of the one they split.
void MemoryEditor::replace_selection(std::vector<TextRun> runs) {
  const int start = selection_.start, end = selection_end();
  if (start == end && runs.empty()) return;
  const int first = paragraph_of(start), last = paragraph_of(end);
  const bool starts_paragraph = paragraphs_.start_of(first) == start;
  const ParagraphFormat kept = doc_.paragraphs[starts_paragraph ? last : first];

  DocumentEdit edit;
  edit.start = start;
  edit.removed = slice_runs(doc_.runs, start, end);
  edit.first_paragraph = first;
  edit.paragraphs_before = paragraphs_between(doc_, first, last);
  edit.paragraphs_after.assign(paragraph_breaks_in(runs) + 1, kept);
  edit.selection_before = selection_;
  edit.selection_after = {start + length_of(runs), 0};
  edit.inserted = std::move(runs);
  commit(std::move(edit));
  pending_.reset();
}

void MemoryEditor::commit(DocumentEdit edit) {
  apply(doc_, edit);
  paragraphs_.replaced(edit.start, length_of(edit.removed), edit.inserted);
  follow_tables(edit, false);
  selection_ = edit.selection_after;
  modified_ = true;
  history_.record(std::move(edit));
}

// --- Tables -----------------------------------------------------------------------

bool MemoryEditor::TableAtInputPos(TableCells& table) const {
  const std::optional<TableSpan> span = table_span_at(doc_.runs, paragraphs_, selection_.start);
  if (!span) return false;
  table = cells_in(doc_.runs, *span);
  return true;
}

Status MemoryEditor::SetTableAtInputPos(const TableCells& cells) {
  const std::optional<TableSpan> span = table_span_at(doc_.runs, paragraphs_, selection_.start);
  if (!span) return Status::Error("No table selected");
  if (!fits_table(cells, cells_in(doc_.runs, *span))) return Status::Error("The cells do not fit the table");
  const int caret = selection_.start;
  selection_ = {span->start, span->end - span->start};
  replace_selection(table_runs(cells, format_at(doc_.runs, span->start)));
  SetSelStart(std::min(caret, selection_.start));
  return Status::Ok();
}

void MemoryEditor::InsertTable(int rows, int columns) {
  if (rows <= 0 || columns <= 0) return;
  const int caret = selection_.start;
  const bool paragraph_start = caret == 0 || char_at(doc_.runs, caret - 1) == kParagraphBreak;
  std::u16string text = paragraph_start ? u"" : u"\r";
  const int first_cell = caret + static_cast<int>(text.size());
  for (int r = 0; r < rows; ++r) {
    text.append(static_cast<std::size_t>(columns), kCellEnd);
    text.push_back(kParagraphBreak);
  }
  SetSelText(text);
  SetSelStart(first_cell);
}

void MemoryEditor::reset_to(Document doc) {
  doc_ = std::move(doc);
  paragraphs_ = ParagraphIndex(doc_.runs);
  selection_ = {};
  pending_.reset();
  history_.clear();
  table_looks_.clear();
  modified_ = false;
}

}  // namespace quilm
