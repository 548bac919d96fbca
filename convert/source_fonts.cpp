#include "convert/source_fonts.h"

#include "fonts/conversion.h"

namespace quilm {

SourceFonts::SourceFonts(const FontRegistry& registry, std::string_view choice)
    : registry_(registry), automatic_(choice == kAutomaticDetection), chosen_(describe(std::string(choice))) {}

const CharacterFont& SourceFonts::of(const std::string& run_font_name) {
  if (!automatic_) return chosen_;
  auto it = seen_.find(run_font_name);
  if (it == seen_.end()) it = seen_.emplace(run_font_name, describe(run_font_name)).first;
  return it->second;
}

CharacterFont SourceFonts::describe(const std::string& name) const {
  CharacterFont font;
  font.name = name;
  font.index = registry_.get_font_index(name);
  font.gurmukhi = registry_.check_font_punjabi(name);
  font.readable = font.index != font_index::kNotSupported && conversion_support(font.index).reads;
  return font;
}

}  // namespace quilm
