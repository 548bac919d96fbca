#include "convert/document_pieces.h"

#include <optional>

#include "convert/word_chars.h"

namespace quilm {
namespace {

class DocumentCutter {
 public:
  DocumentCutter(DocumentPieces& out, const std::string& destination) : out_(out), destination_(destination) {}

  void character(char16_t c, int position, const CharacterFont& font, const CharFormat& format) {
    out_.last_font_index = font.index;
    if (left_alone(c, font)) {
      flush();
      return;
    }
    if (is_word_char(font.index, static_cast<std::uint8_t>(c))) {
      word_character(position, font, format);
      return;
    }
    // A character that ends a word goes with the word of its own font.
    if (word_ && word_->font == font.index && word_->end() == position) {
      ++word_->length;
      flush();
      return;
    }
    flush();
    out_.pieces.push_back({position, 1, font.index, format});
  }

  void flush() {
    if (word_) out_.pieces.push_back(*word_);
    word_.reset();
  }

 private:
  bool left_alone(char16_t c, const CharacterFont& font) {
    if (c <= 0x1F || c > 0xFF || !font.gurmukhi || font.name == destination_) return true;
    if (font.readable) return false;
    out_.unsupported.insert(font.name);
    return true;
  }

  // The word takes the attributes of its last character.
  void word_character(int position, const CharacterFont& font, const CharFormat& format) {
    if (word_ && word_->font == font.index && word_->end() == position) {
      ++word_->length;
      word_->format = format;
      return;
    }
    flush();
    word_ = ConversionPiece{position, 1, font.index, format};
  }

  DocumentPieces& out_;
  const std::string& destination_;
  std::optional<ConversionPiece> word_;
};

}  // namespace

DocumentPieces cut_document(const std::vector<TextRun>& runs, SourceFonts& sources,
                            const std::string& destination_name) {
  DocumentPieces out;
  DocumentCutter cutter(out, destination_name);
  int position = 0;
  for (const TextRun& run : runs) {
    const CharacterFont& font = sources.of(run.format.font_name);
    for (char16_t c : run.text) cutter.character(c, position++, font, run.format);
  }
  cutter.flush();
  return out;
}

}  // namespace quilm
