#include "convert/selection_pieces.h"

#include <algorithm>

namespace quilm {
namespace {

class SelectionCutter {
 public:
  SelectionCutter(SelectionPieces& out, const std::string& destination) : out_(out), destination_(destination) {}

  void character(char16_t c, int position, const CharacterFont& font, const CharFormat& format) {
    if (c <= 0x20 || c > 0xFF) {
      flush();
      return;
    }
    if (!word_ || word_font_ != &font || word_->end() != position) {
      flush();
      word_ = ConversionPiece{position, 0, font.index, format};
      word_font_ = &font;
    }
    ++word_->length;
    word_->format = format;
  }

  void flush() {
    if (!word_) return;
    const CharacterFont& font = *word_font_;
    if (font.gurmukhi && font.name != destination_) {
      if (!font.readable && !out_.unsupported) out_.unsupported = font.name;
      if (font.readable) out_.pieces.push_back(*word_);
    }
    word_.reset();
  }

 private:
  SelectionPieces& out_;
  const std::string& destination_;
  std::optional<ConversionPiece> word_;
  const CharacterFont* word_font_ = nullptr;
};

}  // namespace

SelectionPieces cut_selection(const std::vector<TextRun>& runs, int start, int length, SourceFonts& sources,
                              const std::string& destination_name) {
  SelectionPieces out;
  SelectionCutter cutter(out, destination_name);
  const int end = start + length;
  int run_start = 0;
  for (const TextRun& run : runs) {
    const int run_end = run_start + static_cast<int>(run.text.size());
    const CharacterFont& font = sources.of(run.format.font_name);
    for (int p = std::max(start, run_start); p < std::min(end, run_end); ++p)
      cutter.character(run.text[static_cast<std::size_t>(p - run_start)], p, font, run.format);
    run_start = run_end;
    if (run_start >= end) break;
  }
  cutter.flush();
  return out;
}

}  // namespace quilm
