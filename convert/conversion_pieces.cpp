#include "convert/conversion_pieces.h"

#include <cstddef>

namespace quilm {
namespace {

Bytes glyph_bytes(const std::u16string& text, const ConversionPiece& piece) {
  Bytes bytes;
  bytes.reserve(static_cast<std::size_t>(piece.length));
  for (int i = piece.start; i < piece.end(); ++i) bytes.push_back(static_cast<char>(text[static_cast<std::size_t>(i)]));
  return bytes;
}

// Steps the progress bar about a hundred times over the whole run.
class Progress {
 public:
  Progress(Prompter& prompter, long max) : prompter_(prompter), every_(max / 100 + 1) {}
  void at(long position) {
    if (position - last_ < every_) return;
    prompter_.progress_step(position);
    last_ = position;
  }

 private:
  Prompter& prompter_;
  long every_;
  long last_ = 0;
};

// One edit: the characters [start, end) of the original text become `converted`.
struct Replacement {
  int start = 0;
  int end = 0;
  CharFormat format;
  std::u16string converted;
};

void replace(Editor& editor, const Replacement& r, int shift) {
  editor.Select(r.start + shift, r.end - r.start);
  editor.SetSelText(r.converted);
  if (r.converted.empty()) return;
  editor.Select(r.start + shift, static_cast<int>(r.converted.size()));
  editor.SetFormat(r.format);
}

}  // namespace

void replace_pieces(Editor& editor, const std::u16string& text, const std::vector<ConversionPiece>& pieces,
                    const DestinationFont& destination, Prompter& prompter) {
  const bool format_selection = editor.FormatSelection();
  editor.SetFormatSelection(true);
  Progress progress(prompter, static_cast<long>(text.size()) + 1);
  int shift = 0;  // how much longer the document is than the original so far
  Replacement pending;
  bool have_pending = false;
  auto flush = [&] {
    if (!have_pending) return;
    replace(editor, pending, shift);
    shift += static_cast<int>(pending.converted.size()) - (pending.end - pending.start);
    progress.at(pending.end);
    have_pending = false;
  };
  for (const ConversionPiece& piece : pieces) {
    CharFormat format = piece.format;
    format.font_name = destination.name();
    const std::u16string converted = destination.convert_piece(glyph_bytes(text, piece), piece.font);
    if (have_pending && pending.end == piece.start && pending.format == format) {
      pending.end = piece.end();
      pending.converted += converted;
      continue;
    }
    flush();
    pending = {piece.start, piece.end(), format, converted};
    have_pending = true;
  }
  flush();
  editor.SetFormatSelection(format_selection);
}

}  // namespace quilm
