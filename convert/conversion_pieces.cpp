#include "convert/conversion_pieces.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

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

bool holds_line_end(std::u16string_view text) {
  return text.find_first_of(u"\r\n\u2029") != std::u16string_view::npos;
}

// Appends the characters [from, to) of the document to `out` with their
// formats, walking `runs` forward from where the last call stopped.
class RunWalk {
 public:
  explicit RunWalk(const std::vector<TextRun>& runs) : runs_(runs) {}
  void append(int from, int to, std::vector<TextRun>& out) {
    while (from < to && run_ < runs_.size()) {
      const TextRun& run = runs_[run_];
      const int run_end = run_start_ + static_cast<int>(run.text.size());
      if (from >= run_end) {
        run_start_ = run_end;
        ++run_;
        continue;
      }
      const int stop = std::min(to, run_end);
      out.push_back({run.text.substr(static_cast<std::size_t>(from - run_start_), static_cast<std::size_t>(stop - from)),
                     run.format});
      from = stop;
    }
  }

 private:
  const std::vector<TextRun>& runs_;
  std::size_t run_ = 0;
  int run_start_ = 0;
};

// The whole stretch from the first piece to the end of the last as one
// edit, built in one pass over the document's runs: the cost grows with the
// document, not with its square, however many pieces it has. False, with
// nothing changed, when the editor cannot, or a piece or its conversion
// holds a line end (whose paragraph the edits piece by piece look after).
bool replace_in_one_pass(Editor& editor, const std::u16string& text, const std::vector<ConversionPiece>& pieces,
                         const DestinationFont& destination, Prompter& prompter) {
  const std::vector<TextRun> runs = editor.Runs();
  RunWalk walk(runs);
  std::vector<TextRun> replaced;
  Progress progress(prompter, static_cast<long>(text.size()) + 1);
  int at = pieces.front().start;
  for (const ConversionPiece& piece : pieces) {
    CharFormat format = piece.format;
    format.font_name = destination.name();
    std::u16string converted = destination.convert_piece(glyph_bytes(text, piece), piece.font);
    const std::u16string_view original(text.data() + piece.start, static_cast<std::size_t>(piece.length));
    if (holds_line_end(original) || holds_line_end(converted)) return false;
    walk.append(at, piece.start, replaced);
    replaced.push_back({std::move(converted), std::move(format)});
    at = piece.end();
    progress.at(at);
  }
  const int start = pieces.front().start;
  return editor.ReplaceRuns(start, at - start, std::move(replaced));
}

}  // namespace

void replace_pieces(Editor& editor, const std::u16string& text, const std::vector<ConversionPiece>& pieces,
                    const DestinationFont& destination, Prompter& prompter) {
  if (!pieces.empty() && replace_in_one_pass(editor, text, pieces, destination, prompter)) return;
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
