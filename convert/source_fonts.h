// The font a character of the document is read in, for the font conversion:
// the font name the editor reports for it (automatic detection), or the one
// font the user chose for the whole text.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "fonts/registry.h"

namespace quilm {

struct CharacterFont {
  std::string name;
  int index = font_index::kNotSupported;
  bool gurmukhi = false;  // a name of the Gurmukhi font-name table
  bool readable = false;  // a reader into the pivot encoding exists
};

class SourceFonts {
 public:
  // `choice` is a font name or "Automatic Detection".
  SourceFonts(const FontRegistry& registry, std::string_view choice);

  bool automatic() const { return automatic_; }
  // The chosen font; meaningful only when the choice is not automatic.
  const CharacterFont& chosen() const { return chosen_; }
  // The font of a character whose run is in font `run_font_name`.
  const CharacterFont& of(const std::string& run_font_name);

 private:
  CharacterFont describe(const std::string& name) const;

  const FontRegistry& registry_;
  bool automatic_;
  CharacterFont chosen_;
  std::map<std::string, CharacterFont, std::less<>> seen_;
};

}  // namespace quilm
