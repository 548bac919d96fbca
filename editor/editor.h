// The editor control as the rest of the system sees it.
//
// Every tool that works on the document goes through this interface, so it is
// written once and runs the same on the in-memory document (command-line tool,
// tests) and on the Qt editor of the program. Positions count characters from 0.
//
// A paragraph break is the one character U+000D (kParagraphBreak) in Text(),
// SelText() and Runs(), the way a Windows rich-text control reports it, so a
// break counts one position. Text given to SetSelText may end its lines with
// CR LF, LF, CR or U+2029: each becomes one paragraph break. Files and the
// memory images of formats 1 and 6 write a paragraph break as CR LF.
//
// A character of a legacy Gurmukhi font is held as the character whose code
// equals the glyph byte (U+0000..U+00FF): the font name of its run says how to
// read it. Unicode text is held as itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"
#include "editor/table_edit.h"

namespace quilm {

inline constexpr char16_t kParagraphBreak = u'\r';

// Editor format codes, as the document commands and the settings name them.
//
// Loading plain or Unicode text gives every character the current format.
// PlainText holds only U+0000..U+00FF: saving a document with any other
// character fails with a message naming it, rather than writing a stand-in
// that would lose the text. A Unicode file with an odd number of bytes or an
// unpaired surrogate is refused with a message; the document stays as it was.
// Formats not written yet give a "not supported yet" Status.
enum class FormatCode : int {
  PlainText = 1,  // 8-bit text, one byte per character
  Pbi = 3,        // the program's own format, keeps everything the editor holds
  Html = 4,
  Rtf = 5,
  Unicode = 6,    // UTF-16LE text with a byte-order mark
  Bytes = 7,      // one byte per character, save to memory only
  Word = 9,
  Xml = 10,
  Css = 11,
  Pdf = 12,       // save only
};

// RGB colour as 0x00RRGGBB.
using Color = std::uint32_t;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;

struct CharFormat {
  std::string font_name;  // 8-bit font name; it tells the encoding of the run
  int font_size = 12;     // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethru = false;
  Color fore_color = kBlack;
  Color back_color = kWhite;

  bool operator==(const CharFormat&) const = default;
};

// A stretch of text that shares one character format. Walking the runs is the
// same as selecting every character in turn and reading its format, only fast.
struct TextRun {
  std::u16string text;
  CharFormat format;

  bool operator==(const TextRun&) const = default;
};

// A change of some attributes; the others stay as each character has them.
struct FormatChange {
  std::optional<std::string> font_name;
  std::optional<int> font_size;
  std::optional<bool> bold, italic, underline, strikethru;
  std::optional<Color> fore_color, back_color;

  void apply_to(CharFormat& f) const {
    if (font_name) f.font_name = *font_name;
    if (font_size) f.font_size = *font_size;
    if (bold) f.bold = *bold;
    if (italic) f.italic = *italic;
    if (underline) f.underline = *underline;
    if (strikethru) f.strikethru = *strikethru;
    if (fore_color) f.fore_color = *fore_color;
    if (back_color) f.back_color = *back_color;
  }
};

enum class Alignment : int { Left = 0, Right = 1, Center = 2, Justify = 3 };

// --- Paragraph format: lists, indents, spacing, tab stops, frame -----------
// Lengths are in twips (1/1440 inch), as the page values are.

// ListType: 0 no list, 2 bullets, 4 numbered.
enum class ListType : int { None = 0, Bullets = 2, Numbered = 4 };
// The numbering format of a numbered list.
enum class Numbering : int { Arabic = 3, LowerLetters = 4, UpperLetters = 5, UpperRoman = 6, LowerRoman = 7 };

// A list paragraph: its level (from 1) and two indent values, where its
// number or bullet stands and where its text starts. Their difference is the
// indent step that a level up or down adds or takes away.
struct ListFormat {
  ListType type = ListType::None;
  Numbering numbering = Numbering::Arabic;
  int level = 1;
  int start = 1;  // the number of the first item
  int number_indent = 0;
  int text_indent = 360;

  int indent_step() const { return text_indent - number_indent; }
  bool operator==(const ListFormat&) const = default;
};

// A border drawn around a paragraph: FrameStyle 0 none, 1 single line,
// 2 double line; FrameLineWidth and FrameDistance (to the text) in twips.
struct FrameFormat {
  int style = 0;
  int line_width = 20;
  int distance = 0;
  bool operator==(const FrameFormat&) const = default;
};

struct ParagraphFormat {
  // A paragraph of `a` and defaults otherwise; documents of formats that keep
  // only the alignment read this way.
  ParagraphFormat(Alignment a = Alignment::Left) : alignment(a) {}  // NOLINT(google-explicit-constructor)

  Alignment alignment = Alignment::Left;
  int left_indent = 0, right_indent = 0, first_indent = 0;
  int space_before = 0, space_after = 0;
  int line_spacing = 100;  // percent of single spacing
  std::vector<int> tab_stops;  // from the left indent, ascending
  ListFormat list;
  FrameFormat frame;

  bool operator==(const ParagraphFormat&) const = default;
};

// Page numbers printed in the header or footer of every page (HeaderFooter):
// where they go, how they are aligned and the number of the first page. They
// belong to the document and are saved with it.
enum class PageNumberPlace : int { None = 0, Header = 1, Footer = 2 };

struct PageNumbering {
  PageNumberPlace place = PageNumberPlace::None;
  Alignment alignment = Alignment::Center;  // Left, Center or Right
  int first_number = 1;
  bool operator==(const PageNumbering&) const = default;
};

// The cells of a table, row by row: each cell its text with its formats.
// Paragraphs inside a cell are separated by kParagraphBreak.
using TableCell = std::vector<TextRun>;
struct TableCells {
  std::vector<std::vector<TableCell>> rows;
  bool operator==(const TableCells&) const = default;
};

// Whether a font name is a legacy Gurmukhi font, whose characters are glyph
// bytes. Files from other programs carry such bytes as Windows-1252
// punctuation (U+201C for 0x93) or as symbol-font code points (U+F093);
// loaders turn them back into the bytes inside runs of these fonts, and the
// RTF writer writes their bytes as 8-bit codes.
using LegacyFontTest = std::function<bool(const std::string& font_name)>;

class Editor {
 public:
  virtual ~Editor() = default;

  // --- Text and selection -------------------------------------------------
  virtual std::u16string Text() const = 0;
  virtual int TextLength() const = 0;  // characters; paragraph breaks count one
  virtual int SelStart() const = 0;
  virtual void SetSelStart(int position) = 0;  // collapses the selection
  virtual int SelLength() const = 0;
  virtual void SetSelLength(int length) = 0;   // from SelStart, clamped to the text
  virtual std::u16string SelText() const = 0;
  // Replaces the selection with `text` in the current format and leaves the
  // caret after it.
  virtual void SetSelText(const std::u16string& text) = 0;
  void Select(int start, int length) {
    SetSelStart(start);
    SetSelLength(length);
  }

  // --- Character format at the caret or of the selection -------------------
  // Reading gives the format of the first selected character (or of the
  // character before the caret; at the start of a paragraph that has text, of
  // the character after it). Writing changes the selection when
  // FormatSelection is on (the default) and a selection exists, and otherwise
  // the format of text typed next, until the caret moves.
  virtual CharFormat Format() const = 0;
  virtual void ApplyFormat(const FormatChange& change) = 0;
  void SetFormat(const CharFormat& f) {
    ApplyFormat({f.font_name, f.font_size, f.bold, f.italic, f.underline, f.strikethru,
                 f.fore_color, f.back_color});
  }
  std::string FontName() const { return Format().font_name; }
  void SetFontName(const std::string& name) { Modify([&](FormatChange& f) { f.font_name = name; }); }
  int FontSize() const { return Format().font_size; }
  void SetFontSize(int size) { Modify([&](FormatChange& f) { f.font_size = size; }); }
  bool FontBold() const { return Format().bold; }
  void SetFontBold(bool on) { Modify([&](FormatChange& f) { f.bold = on; }); }
  bool FontItalic() const { return Format().italic; }
  void SetFontItalic(bool on) { Modify([&](FormatChange& f) { f.italic = on; }); }
  bool FontUnderline() const { return Format().underline; }
  void SetFontUnderline(bool on) { Modify([&](FormatChange& f) { f.underline = on; }); }
  bool FontStrikethru() const { return Format().strikethru; }
  void SetFontStrikethru(bool on) { Modify([&](FormatChange& f) { f.strikethru = on; }); }
  Color ForeColor() const { return Format().fore_color; }
  void SetForeColor(Color c) { Modify([&](FormatChange& f) { f.fore_color = c; }); }
  Color TextBkColor() const { return Format().back_color; }
  void SetTextBkColor(Color c) { Modify([&](FormatChange& f) { f.back_color = c; }); }
  virtual bool FormatSelection() const = 0;
  virtual void SetFormatSelection(bool on) = 0;

  // The whole document as runs of equal format, in order.
  virtual std::vector<TextRun> Runs() const = 0;
  // Replaces the characters [start, start + length) by `runs` as one change,
  // every paragraph keeping its alignment, and leaves the caret after them:
  // a conversion of many stretches of a long document in one pass. Only
  // when the runs hold as many paragraph breaks as the text they replace;
  // otherwise, and in an editor that cannot, false, with nothing changed
  // (the caller then edits stretch by stretch).
  virtual bool ReplaceRuns(int start, int length, std::vector<TextRun> runs) {
    (void)start, (void)length, (void)runs;
    return false;
  }

  // --- Paragraph ------------------------------------------------------------
  virtual Alignment ParagraphAlignment() const = 0;
  virtual void SetParagraphAlignment(Alignment alignment) = 0;
  // The whole format of the paragraph that holds the caret, and a change of
  // the format of every paragraph the selection touches, as one undo step.
  virtual ParagraphFormat ParagraphFormatAt() const = 0;
  virtual void ChangeParagraphs(const std::function<void(ParagraphFormat&)>& change) = 0;

  // --- View ---------------------------------------------------------------------
  virtual int ViewMode() const = 0;  // 0 normal, 1 page, 2 centred page
  virtual void SetViewMode(int mode) = 0;
  static constexpr int kMinZoom = 10, kMaxZoom = 400;
  virtual int ZoomFactor() const = 0;  // percent, kept within kMinZoom..kMaxZoom
  virtual void SetZoomFactor(int percent) = 0;
  virtual bool LockWindowUpdate() const = 0;
  virtual void SetLockWindowUpdate(bool locked) = 0;

  // --- Page -------------------------------------------------------------------
  // Sizes in twips (1/1440 inch), as the document values store them.
  struct PageLayout {
    int width = 11906, height = 16838;  // A4
    int margin_left = 1440, margin_top = 1440, margin_right = 1440, margin_bottom = 1440;
    bool operator==(const PageLayout&) const = default;
  };
  virtual PageLayout Page() const = 0;
  virtual void SetPage(const PageLayout& page) = 0;
  virtual int CurrentPages() const = 0;  // at least 1
  // The page (from 1) on which `position` lies as the editor lays out its
  // text, counted in printable page heights of Page(). An editor that lays
  // nothing out has one page.
  virtual int PageOfPosition(int position) const = 0;

  // Six numbered values kept inside a document (the page size and margins are
  // stored there before every save).
  static constexpr int kDocumentValues = 6;
  virtual int DocumentValue(int index) const = 0;
  virtual void SetDocumentValue(int index, int value) = 0;
  // The page numbering kept inside a document, like the document values:
  // loading a file takes the file's, saving writes it.
  virtual PageNumbering PageNumbers() const = 0;
  virtual void SetPageNumbers(const PageNumbering& numbering) = 0;

  // --- State --------------------------------------------------------------------
  virtual bool CanUndo() const = 0;
  virtual bool CanRedo() const = 0;
  virtual bool CanCopy() const = 0;  // a selection exists
  virtual bool CanPaste() const = 0;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  // The edits between BeginEditGroup and the matching EndEditGroup are undone
  // and redone as one step (a whole font conversion is one Undo). Groups nest;
  // the outermost one makes the step.
  virtual void BeginEditGroup() = 0;
  virtual void EndEditGroup() = 0;
  // 1 cut, 2 copy, 3 paste, 4 delete.
  virtual void Clip(int action) = 0;
  // Set by every change of text, format or alignment, undo and redo included.
  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;

  // --- Lines and search ---------------------------------------------------------
  // A line is a paragraph: the text between two paragraph breaks. (Lines as
  // wrapped on screen depend on the window; nothing in the core needs them.)
  virtual int LineCount() const = 0;              // at least 1
  virtual int LineStart(int line) const = 0;      // line from 0; -1 past the end
  virtual int LineOfPosition(int position) const = 0;  // from 0
  // First position at or after `from` where `text` occurs, or -1 (also for an
  // empty `text`). Without match_case, ASCII and Latin-1 letters match either case.
  virtual int Find(const std::u16string& text, int from, bool match_case = true) const = 0;

  // --- Tables -------------------------------------------------------------------
  // The table that holds the caret (TableAtInputPos); false when the caret
  // is in no table.
  virtual bool TableAtInputPos(TableCells& table) const = 0;
  // Writes `cells` into the table that holds the caret, every cell with its
  // own text and formats, as one undo step. The table keeps its shape: it
  // fails, changing nothing, when the caret is in no table or `cells` has
  // not the table's rows and columns. The caret stays in the table.
  virtual Status SetTableAtInputPos(const TableCells& cells) = 0;
  // Inserts an empty table of `rows` by `columns` at the caret, which ends
  // in its first cell.
  virtual void InsertTable(int rows, int columns) = 0;

  // --- Table shape, cells and attributes ---------------------------------------
  // All of these work on the table that holds the caret (SelStart); they fail
  // with a message, changing nothing, when the caret is in no table or a row
  // or column is out of range. Each change is one undo step and leaves the
  // caret in the cell it was in (or, when that cell is gone, in the cell now
  // at its row and column, or where the table was).
  //
  // The cell that holds `position`, when it lies in the table at the caret.
  virtual std::optional<TableCellIndex> TableCellAt(int position) const = 0;
  // The text of cell (row, column): from its first position, without the
  // cell's end. A merged cell answers for every row and column it covers.
  virtual std::optional<TextRange> TableCellRange(int row, int column) const = 0;
  // `count` empty rows (columns) put before row `row` (column `column`);
  // `row` may be the number of rows, to append.
  virtual Status TableInsertRows(int row, int count) = 0;
  virtual Status TableInsertColumns(int column, int count) = 0;
  // Removing every row or every column removes the whole table.
  virtual Status TableDeleteRows(int row, int count) = 0;
  virtual Status TableDeleteColumns(int column, int count) = 0;
  virtual Status TableDelete() = 0;
  // Makes rows [row, rows) a table of their own after an empty paragraph;
  // `row` lies in 1..rows-1. A merged cell across the cut is cut too, its
  // text staying above.
  virtual Status TableSplit(int row) = 0;
  // Whether cells without a border are drawn with thin grid lines on screen
  // (never printed or saved). On at the start.
  virtual bool TableGridLines() const = 0;
  virtual void SetTableGridLines(bool shown) = 0;
  virtual std::optional<TableAttributes> TableAttributesAtInputPos() const = 0;
  virtual Status SetTableAttributesAtInputPos(const TableAttributes& attributes) = 0;

  // What the table at the caret allows now (TableCanInsertColumn ...).
  bool TableCanInsertColumn() const { return table_size_allows(0, 1); }
  bool TableCanInsertLines() const { return table_size_allows(1, 0); }
  bool TableCanDeleteColumn() const { return table_size_allows(0, 0); }
  bool TableCanDeleteLines() const { return table_size_allows(0, 0); }
  int TableRowAtInputPos() const {
    const auto cell = TableCellAt(SelStart());
    return cell ? cell->row : -1;
  }
  int TableColAtInputPos() const {
    const auto cell = TableCellAt(SelStart());
    return cell ? cell->column : -1;
  }

  // --- Load and save by format code ---------------------------------------------
  // A failed load leaves the document as it was. Loading a file starts a fresh
  // document (not modified, nothing to undo); loading from memory is an edit
  // like any other (modified, undoable).
  virtual Status LoadFile(const std::filesystem::path& path, FormatCode format) = 0;
  // Files are replaced atomically: a crash leaves the old file or the new one.
  virtual Status SaveFile(const std::filesystem::path& path, FormatCode format) const = 0;
  virtual Status LoadFromMemory(BytesView bytes, FormatCode format) = 0;
  // The document in `format`; FormatCode::Bytes gives one byte per character
  // (the low byte of each character's code).
  virtual Status SaveToMemory(FormatCode format, Bytes& out) const = 0;

  // Empties the document and starts it fresh: default format, not modified,
  // nothing to undo. View, page and document values stay.
  virtual void Clear() = 0;

  // Set once by the editor's owner (from the font registry); without it no
  // font counts as a legacy font.
  void SetLegacyFonts(LegacyFontTest test) { legacy_fonts_ = std::move(test); }
  const LegacyFontTest& LegacyFonts() const { return legacy_fonts_; }

 private:
  LegacyFontTest legacy_fonts_;

  // Whether the caret is in a table that may grow by `more_rows` and `more_columns`.
  bool table_size_allows(int more_rows, int more_columns) const {
    TableCells table;
    if (!TableAtInputPos(table) || table.rows.empty()) return false;
    return static_cast<int>(table.rows.size()) + more_rows <= kMaxTableRows &&
           static_cast<int>(table.rows.front().size()) + more_columns <= kMaxTableColumns;
  }

  template <typename Change>
  void Modify(Change change) {
    FormatChange c;
    change(c);
    ApplyFormat(c);
  }
};

// One undo step for the edits of a scope.
class EditGroup {
 public:
  explicit EditGroup(Editor& editor) : editor_(editor) { editor_.BeginEditGroup(); }
  ~EditGroup() { editor_.EndEditGroup(); }
  EditGroup(const EditGroup&) = delete;
  EditGroup& operator=(const EditGroup&) = delete;

 private:
  Editor& editor_;
};

}  // namespace quilm
