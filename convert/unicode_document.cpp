// Unicode export, import and conversion of the document.
#include "convert/unicode_document.h"

#include <algorithm>

#include "formats/unicode_text.h"
#include "convert/document_files.h"
#include "convert/document_walk.h"
#include "fonts/text_conversion.h"
#include "convert/unicode_pieces.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"

namespace quilm {
namespace {

constexpr std::size_t kUnicodeCheckLength = 2000;
constexpr char16_t kCheckIgnoredAbove = 3500, kHighFrom = 254;
constexpr long kMeanOfUnicode = 777;

// The document's characters as code units: a Unicode file opened as 8-bit
// text (it starts with U+00FF U+00FE) gives back its bytes, read as UTF-16LE;
// any other document holds its Unicode characters as themselves.
std::optional<std::u16string> document_units(const Editor& editor) {
  const std::u16string text = editor.Text();
  if (text.size() < 2 || text[0] != 0xFF || text[1] != 0xFE) return text;
  Bytes bytes;
  if (!editor.SaveToMemory(FormatCode::Bytes, bytes)) return std::nullopt;
  return from_utf16le(bytes);
}

}  // namespace

bool CheckUnicode(const Editor& editor) {
  const std::u16string text = editor.Text();
  if (text.size() >= 2 && text[0] == 0xFF && text[1] == 0xFE) return true;
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

std::u16string document_as_unicode(const DocumentContext& context) {
  std::u16string out;
  out.reserve(static_cast<std::size_t>(context.editor.TextLength()) + 16);
  walk_document(context, "Exporting to Unicode...",
                {[&](BytesView word, int font) {
                   append_legacy_word_as_unicode(word, font, context.converter, UnicodeScript::Gurmukhi, out);
                 },
                 [&](char16_t c) { out.push_back(c); }});
  return out;
}

Status SaveUnicodeFile(const DocumentContext& context, const std::filesystem::path& path) {
  const Status status = write_export_file(path, to_utf16le(document_as_unicode(context), true),
                                          "Error Creating Unicode File");
  if (!status) context.prompter.error(status.message());
  return status;
}

void ASCIIToUnicode(const DocumentContext& context) {
  const std::u16string text = document_as_unicode(context);
  Editor& editor = context.editor;
  editor.Select(0, editor.TextLength());
  FormatChange raavi;
  raavi.font_name = "Raavi";
  raavi.bold = false;
  raavi.font_size = 12;
  editor.ApplyFormat(raavi);
  editor.LoadFromMemory(to_utf16le(text, true), FormatCode::Unicode);
}

bool ConvertUnicode(DocumentContext& context, ConversionContext& conversion, const std::string& target_font) {
  if (!CheckUnicode(context.editor)) return false;
  const std::optional<std::u16string> units = document_units(context.editor);
  if (!units) return false;
  const bool typing = conversion.typing;
  conversion.typing = false;
  context.prompter.status_caption("Importing from Unicode...");
  const int target = context.fonts.get_font_index(target_font);
  const std::u16string text = unicode_to_font_text(*units, target, context.converter, context.prompter);
  Editor& editor = context.editor;
  editor.Clear();
  FormatChange format;
  format.font_name = target_font;
  format.font_size = context.defaults.punjabi_size;
  editor.ApplyFormat(format);
  editor.SetSelText(text);
  editor.SetSelStart(0);
  context.prompter.status_caption("");
  conversion.typing = typing;
  return true;
}

Status ImportUnicodeFile(const DocumentContext& context, const std::filesystem::path& path) {
  Bytes bytes;
  if (Status read = read_import_file(path, "Cannot import the Unicode file", bytes); !read) return read;
  if (bytes.substr(0, 2) != kUtf16Bom) return context.editor.LoadFile(path, FormatCode::PlainText);
  const std::optional<std::u16string> text = from_utf16le(bytes);
  if (!text)
    return Status::Error("Cannot import " + path.string() + ": a Unicode file has an even number of bytes");
  if (Status paired = check_surrogate_pairs(*text, kUtf16Bom.size()); !paired)
    return Status::Error("Cannot import " + path.string() + ": " + paired.message());
  context.prompter.status_caption("Importing from Unicode...");
  insert_unicode_pieces(context, *text);
  context.prompter.status_caption("");
  return Status::Ok();
}

}  // namespace quilm
