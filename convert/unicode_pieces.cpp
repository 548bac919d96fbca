// Readings of Unicode runs.
#include "convert/unicode_pieces.h"

#include "encoding/unicode_input.h"
#include "encoding/unicode_runs.h"
#include "fonts/font_index.h"

namespace quilm {
namespace {

constexpr unsigned char kFullStop = 0x2E, kQuilmDanda = 0x7C;
constexpr long kProgressEvery = 4096;

void append_bytes(BytesView bytes, std::u16string& out) {
  for (char c : bytes) out.push_back(static_cast<unsigned char>(c));
}

// Groups consecutive text of one format into one insertion.
class FormattedInserter {
 public:
  explicit FormattedInserter(Editor& editor) : editor_(editor) {}
  void add(std::u16string_view text, const std::string& font, int size) {
    if (font != font_ || size != size_) flush();
    font_ = font;
    size_ = size;
    pending_ += text;
  }
  void flush() {
    if (!pending_.empty()) insert_in_font(editor_, pending_, font_, size_);
    pending_.clear();
  }

 private:
  Editor& editor_;
  std::u16string pending_;
  std::string font_;
  int size_ = 0;
};

}  // namespace

void insert_in_font(Editor& editor, const std::u16string& text, const std::string& font, int size) {
  FormatChange format;
  format.font_name = font;
  format.font_size = size;
  editor.ApplyFormat(format);
  editor.SetSelText(text);
}

std::u16string unicode_to_font_text(std::u16string_view units, int target, const FontConverter& converter,
                                    Prompter& prompter) {
  std::u16string out;
  out.reserve(units.size());
  prompter.progress_start(static_cast<long>(units.size()));
  long done = 0;
  for (const UnicodePiece& piece : split_unicode_runs(units)) {
    if (piece.kind == UnicodePiece::Kind::Gurmukhi) {
      append_bytes(converter.from_pivot(UniCodetoGur(piece.text), target), out);
    } else if (piece.kind == UnicodePiece::Kind::Separator && piece.byte) {
      const char byte = static_cast<char>(*piece.byte == kFullStop ? kQuilmDanda : *piece.byte);
      append_bytes(converter.conversion(BytesView(&byte, 1), font_index::kQuilm, target, false), out);
    } else {
      out += piece.text;
    }
    const long before = done;
    done += static_cast<long>(piece.text.size());
    if (done / kProgressEvery != before / kProgressEvery) prompter.progress_step(done);
  }
  prompter.progress_end();
  return out;
}

void insert_unicode_pieces(const DocumentContext& context, std::u16string_view text) {
  Editor& editor = context.editor;
  const DefaultFonts& d = context.defaults;
  const int punjabi = context.fonts.get_font_index(d.punjabi);
  editor.Clear();
  context.prompter.progress_start(static_cast<long>(text.size()));
  FormattedInserter inserter(editor);
  long done = 0;
  for (const UnicodePiece& piece : split_unicode_runs(text)) {
    if (piece.kind == UnicodePiece::Kind::Gurmukhi) {
      std::u16string glyphs;
      append_bytes(context.converter.from_pivot(UniCodetoGur(piece.text), punjabi), glyphs);
      inserter.add(glyphs, d.punjabi, d.punjabi_size);
    } else {
      inserter.add(piece.text, d.english, d.english_size);
    }
    const long before = done;
    done += static_cast<long>(piece.text.size());
    if (done / kProgressEvery != before / kProgressEvery) context.prompter.progress_step(done);
  }
  inserter.flush();
  context.prompter.progress_end();
  editor.SetSelStart(0);
}

}  // namespace quilm
