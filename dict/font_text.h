// How the text of a font is read: the glyph bytes of a Gurmukhi font's
// encoding (a character per byte, U+0000..U+00FF), or Unicode for any other
// font. The search and the dictionary work on pivot bytes and give their
// results back in the font they are put into.
#pragma once

#include <string>
#include <string_view>

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

class FontText {
 public:
  // Text of a Gurmukhi font name is its glyph bytes; an empty name, or any
  // other font, means Unicode.
  static FontText of(std::string_view font_name, const FontRegistry& registry);
  static FontText unicode() { return FontText(false, 0); }
  static FontText glyphs(int font_index) { return FontText(true, font_index); }

  bool is_glyphs() const { return glyphs_; }
  int font_index() const { return index_; }

  Bytes to_pivot(std::u16string_view text, const FontConverter& converter) const;
  std::u16string from_pivot(BytesView pivot, const FontConverter& converter) const;
  // Text of `from` as this font writes it (unchanged when both are the same).
  std::u16string converted(std::u16string_view text, const FontText& from, const FontConverter& converter) const;

  bool operator==(const FontText&) const = default;

 private:
  FontText(bool glyphs, int index) : glyphs_(glyphs), index_(index) {}
  bool glyphs_;
  int index_;
};

}  // namespace quilm
