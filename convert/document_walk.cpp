// The document walk.
#include "convert/document_walk.h"

#include "common/progress_scope.h"
#include "editor/update_lock.h"

namespace quilm {
namespace {

constexpr long kProgressEvery = 4096;

class Walk {
 public:
  explicit Walk(const DocumentWalker& walker) : walker_(walker) {}

  // `font` is the font index of the character's font, or -1 when that font
  // is not a Gurmukhi font.
  void character(char16_t c, int font) {
    const bool glyph = c >= 0x21 && c <= 0xFF && font >= 0;
    if (glyph && !word_.empty() && font != word_font_) flush();
    if (glyph) {
      word_.push_back(static_cast<char>(c));
      word_font_ = font;
      last_ = c;
      return;
    }
    flush();
    line_end_or_other(c);
  }

  void flush() {
    if (word_.empty()) return;
    walker_.word(word_, word_font_);
    word_.clear();
  }

 private:
  // A paragraph break, or a line feed that does not follow one, is one line
  // end: CR LF. A line feed right after a carriage return belongs to it.
  void line_end_or_other(char16_t c) {
    const bool after_cr = last_ == u'\r';
    last_ = c;
    if (c == u'\r' || (c == u'\n' && !after_cr)) {
      walker_.other(u'\r');
      walker_.other(u'\n');
    } else if (c != u'\n') {
      walker_.other(c);
    }
  }

  const DocumentWalker& walker_;
  Bytes word_;
  int word_font_ = -1;
  char16_t last_ = 0;
};

}  // namespace

void walk_document(const DocumentContext& context, const std::string& caption, const DocumentWalker& walker) {
  const UpdateLock lock(context.editor);
  ProgressScope progress(context.prompter, caption, context.editor.TextLength());
  Walk walk(walker);
  long position = 0;
  for (const TextRun& run : context.editor.Runs()) {
    const bool gurmukhi = context.fonts.check_font_punjabi(run.format.font_name);
    const int font = gurmukhi ? context.fonts.get_font_index(run.format.font_name) : -1;
    for (char16_t c : run.text) {
      walk.character(c, font);
      if (++position % kProgressEvery == 0) progress.step(position);
    }
  }
  walk.flush();
}

}  // namespace quilm
