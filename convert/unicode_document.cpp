// Unicode export, import and conversion of the document.
#include "convert/unicode_document.h"

#include <algorithm>

#include "formats/unicode_text.h"
#include "convert/document_files.h"
#include "convert/document_pieces.h"
#include "convert/document_walk.h"
#include "fonts/text_conversion.h"
#include "convert/unicode_pieces.h"
#include "encoding/unicode_runs.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"
#include "fonts/gurmukhi_digits.h"

namespace quilm {
namespace {

constexpr std::size_t kUnicodeCheckLength = 2000;
constexpr char16_t kCheckIgnoredAbove = 3500, kHighFrom = 254;
constexpr long kMeanOfUnicode = 777;

bool opened_as_bytes(const Editor& editor) {
  const std::u16string text = editor.Text();
  return text.size() >= 2 && text[0] == 0xFF && text[1] == 0xFE;
}

// The document's characters as code units: a Unicode file opened as 8-bit
// text (it starts with U+00FF U+00FE) gives back its bytes, read as UTF-16LE;
// any other document holds its Unicode characters as themselves.
std::optional<std::u16string> document_units(const Editor& editor) {
  if (!opened_as_bytes(editor)) return editor.Text();
  Bytes bytes;
  if (!editor.SaveToMemory(FormatCode::Bytes, bytes)) return std::nullopt;
  return from_utf16le(bytes);
}

// A stretch of one run that goes into the legacy font: Gurmukhi words with
// the separators between them, and those at either end of the run. Latin
// letters, and the separators between them and Gurmukhi, stay in the run's
// own font.
struct UnicodeEdit {
  int start = 0;
  int length = 0;
  CharFormat format;
};

struct PieceSpan {
  UnicodePiece::Kind kind;
  std::size_t start, end;
};

std::vector<PieceSpan> piece_spans(std::u16string_view text) {
  std::vector<PieceSpan> spans;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = at;
    const UnicodePiece piece = next_unicode_piece(text, at);
    spans.push_back({piece.kind, start, at});
  }
  return spans;
}

// The stretches of one run, positions within the run.
void add_run_stretches(const TextRun& run, int run_start, std::vector<UnicodeEdit>& edits) {
  const std::vector<PieceSpan> spans = piece_spans(run.text);
  std::size_t segment = 0;  // first span after the last Latin piece
  for (std::size_t i = 0; i <= spans.size(); ++i) {
    if (i < spans.size() && spans[i].kind != UnicodePiece::Kind::Latin) continue;
    // spans[segment, i) hold no Latin letters.
    std::optional<std::size_t> first, last;
    for (std::size_t j = segment; j < i; ++j) {
      if (spans[j].kind != UnicodePiece::Kind::Gurmukhi) continue;
      if (!first) first = j;
      last = j;
    }
    if (first) {
      const std::size_t from = segment == 0 ? 0 : spans[*first].start;
      const std::size_t to = i == spans.size() ? run.text.size() : spans[*last].end;
      edits.push_back({run_start + static_cast<int>(from), static_cast<int>(to - from), run.format});
    }
    segment = i + 1;
  }
}

std::vector<UnicodeEdit> gurmukhi_stretches(const std::vector<TextRun>& runs) {
  std::vector<UnicodeEdit> edits;
  int run_start = 0;
  for (const TextRun& run : runs) {
    add_run_stretches(run, run_start, edits);
    run_start += static_cast<int>(run.text.size());
  }
  return edits;
}

// Converts the Gurmukhi stretches of a document that holds its Unicode as
// characters, each into `target_font` with the rest of its run's format.
void convert_unicode_stretches(DocumentContext& context, int target, const std::string& target_font) {
  Editor& editor = context.editor;
  const std::u16string text = editor.Text();
  const std::vector<UnicodeEdit> edits = gurmukhi_stretches(editor.Runs());
  const bool format_selection = editor.FormatSelection();
  editor.SetFormatSelection(true);
  // From the end backwards, so that the positions of the stretches before
  // the one being replaced stay as they were.
  for (auto it = edits.rbegin(); it != edits.rend(); ++it) {
    const std::u16string_view units(text.data() + it->start, static_cast<std::size_t>(it->length));
    const std::u16string converted = unicode_to_font_text(units, target, context.converter, context.prompter);
    editor.Select(it->start, it->length);
    editor.SetSelText(converted);
    CharFormat format = it->format;
    format.font_name = target_font;
    editor.Select(it->start, static_cast<int>(converted.size()));
    editor.SetFormat(format);
  }
  editor.SetFormatSelection(format_selection);
  editor.SetSelStart(0);
}

// A Unicode file opened as 8-bit text holds no formats: its text takes the
// target font at the Punjabi default size.
void replace_opened_unicode_file(DocumentContext& context, const std::u16string& units, int target,
                                 const std::string& target_font) {
  const std::u16string text = unicode_to_font_text(units, target, context.converter, context.prompter);
  Editor& editor = context.editor;
  editor.Clear();
  FormatChange format;
  format.font_name = target_font;
  format.font_size = context.defaults.punjabi_size;
  editor.ApplyFormat(format);
  editor.SetSelText(text);
  editor.SetSelStart(0);
}

// The text of a UTF-8 file (the usual Unicode text file on Linux, with or
// without a byte-order mark) that holds Gurmukhi; nullopt for bytes that are
// not UTF-8 or hold no Gurmukhi, which are legacy 8-bit text.
std::optional<std::u16string> gurmukhi_utf8_text(BytesView bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
  std::optional<std::u16string> text = from_utf8(bytes);
  if (!text) return std::nullopt;
  const bool gurmukhi = std::any_of(text->begin(), text->end(), [](char16_t c) { return c >= 0x0A00 && c <= 0x0A7F; });
  if (!gurmukhi) return std::nullopt;
  return text;
}

}  // namespace

bool CheckUnicode(const Editor& editor) {
  if (opened_as_bytes(editor)) return true;
  const std::u16string text = editor.Text();
  std::u16string sample = text.substr(0, kUnicodeCheckLength);
  if (sample.size() < kUnicodeCheckLength) sample.push_back(0);
  long high = 0, low = 0, sum = 0;
  for (char16_t c : sample) {
    if (c > kCheckIgnoredAbove) continue;
    (c >= kHighFrom ? high : low) += 1;
    sum += c;
  }
  const long considered = high + low;
  return high * 3 >= low && considered >= 2 && sum / considered >= kMeanOfUnicode;
}

std::u16string document_as_unicode(const DocumentContext& context, bool gurmukhi_digits) {
  std::u16string out;
  out.reserve(static_cast<std::size_t>(context.editor.TextLength()) + 16);
  walk_document(context, "Exporting to Unicode...",
                {[&](BytesView word, int font) {
                   const std::size_t start = out.size();
                   append_legacy_word_as_unicode(word, font, context.converter, UnicodeScript::Gurmukhi, out);
                   if (gurmukhi_digits) use_gurmukhi_digits(out, start);
                 },
                 [&](char16_t c) { out.push_back(c); }});
  return out;
}

Status SaveUnicodeFile(const DocumentContext& context, const std::filesystem::path& path, const UnicodeExport& how) {
  Bytes contents;
  if (how.form.encoding == TextFileForm::Encoding::EightBit) {
    if (!context.editor.SaveToMemory(FormatCode::PlainText, contents))
      return Status::Error("Error Creating Unicode File: " + path.string());
    contents = with_line_ends(std::move(contents), how.form);
  } else {
    contents = encode_unicode_text(with_line_ends(document_as_unicode(context, how.gurmukhi_digits), how.form),
                                   how.form);
  }
  const Status status = write_export_file(path, contents, "Error Creating Unicode File");
  if (!status) context.prompter.error(status.message());
  return status;
}

void ASCIIToUnicode(const DocumentContext& context) {
  Editor& editor = context.editor;
  EditGroup one_undo_step(editor);
  SourceFonts sources(context.fonts, kAutomaticDetection);
  const DestinationFont unicode = DestinationFont::unicode(context.defaults.unicode, context.converter);
  const std::u16string text = editor.Text();
  const DocumentPieces cut = cut_document(editor.Runs(), sources, unicode.name());
  replace_pieces(editor, text, cut.pieces, unicode, context.prompter);
}

bool ConvertUnicode(DocumentContext& context, ConversionContext& conversion, const std::string& target_font) {
  if (!CheckUnicode(context.editor)) return false;
  const std::optional<std::u16string> units = document_units(context.editor);
  if (!units) return false;
  const bool typing = conversion.typing;
  conversion.typing = false;
  context.prompter.status_caption("Importing from Unicode...");
  const int target = context.fonts.get_font_index(target_font);
  EditGroup one_undo_step(context.editor);
  if (opened_as_bytes(context.editor)) replace_opened_unicode_file(context, *units, target, target_font);
  else convert_unicode_stretches(context, target, target_font);
  context.prompter.status_caption("");
  conversion.typing = typing;
  return true;
}

Status ImportUnicodeFile(const DocumentContext& context, const std::filesystem::path& path, TextFileForm* form) {
  Bytes bytes;
  if (Status read = read_import_file(path, "Cannot import the Unicode file", bytes); !read) return read;
  TextFileForm found;
  found.crlf = crlf_line_ends(bytes);
  if (bytes.substr(0, 2) != kUtf16Bom) {
    const std::optional<std::u16string> utf8 = gurmukhi_utf8_text(bytes);
    found.encoding = utf8 ? TextFileForm::Encoding::Utf8 : TextFileForm::Encoding::EightBit;
    found.byte_order_mark = utf8 && bytes.starts_with(kUtf8Bom);
    if (!utf8) {
      Status loaded = context.editor.LoadFile(path, FormatCode::PlainText);
      if (loaded && form) *form = found;
      return loaded;
    }
    context.prompter.status_caption("Importing from Unicode...");
    insert_unicode_pieces(context, *utf8);
    context.prompter.status_caption("");
    if (form) *form = found;
    return Status::Ok();
  }
  const std::optional<std::u16string> text = from_utf16le(bytes);
  if (!text)
    return Status::Error("Cannot import " + path.string() + ": a Unicode file has an even number of bytes");
  if (Status paired = check_surrogate_pairs(*text, kUtf16Bom.size()); !paired)
    return Status::Error("Cannot import " + path.string() + ": " + paired.message());
  context.prompter.status_caption("Importing from Unicode...");
  insert_unicode_pieces(context, *text);
  context.prompter.status_caption("");
  found.crlf = crlf_line_ends(std::u16string_view(*text));
  if (form) *form = found;
  return Status::Ok();
}

}  // namespace quilm
