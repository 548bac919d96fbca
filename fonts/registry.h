// The font registry: which glyph encoding (font index) a font name is written
// in, and which font names the program treats as Gurmukhi at all.
//
// Every language tool starts here: it takes the font name of its text, asks
// for the font index and converts through the pivot encoding. The workspace
// owns one registry; it is filled once from the built-in tables and never
// changes afterwards.
#pragma once

#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/font_index.h"

namespace quilm {

// What a font drop-down list shows besides the font names.
struct DropdownExtras {
  bool automatic_detection = false;  // source lists: "Automatic Detection"
  bool unicode = false;              // destination list of the current-document conversion
};

inline constexpr std::string_view kAutomaticDetection = "Automatic Detection";
inline constexpr std::string_view kUnicodeChoice = "Unicode";
// The Unicode Gurmukhi font in which text converted into Unicode is set,
// unless the defaults name another.
inline constexpr std::string_view kUnicodeGurmukhiFont = "Raavi";

class FontRegistry {
 public:
  FontRegistry();

  // --- The Gurmukhi font-name table ------------------------------------------
  int slot_capacity() const { return static_cast<int>(slots_.size()); }  // 200
  int count() const { return count_; }  // 199: membership looks at slots 0..count
  const std::string& slot(int i) const { return slots_.at(i); }  // "" when empty

  // True when `name` equals one of slots 0..count. There is no length test, so
  // an empty name matches the empty last slot; callers that want a real font
  // name use check_font_punjabi.
  bool in_font_table(std::string_view name) const;
  // A Gurmukhi font name: at least two characters and in the table.
  bool check_font_punjabi(std::string_view name) const;

  // --- Font indices ------------------------------------------------------------
  // The font index of a font name; 30 (not supported) for a name the index
  // table lacks. Names compare byte for byte: case and trailing blanks count.
  int get_font_index(std::string_view name) const;
  // True when `name` is a name of the index table, of the font-name table, or
  // one the drop-down lists add ("PNB-TTAmar").
  bool known_font_name(std::string_view name) const;
  // The known font name that `name` spells but for the case of its letters
  // ("anmollipi" gives "AnmolLipi"); empty when none does. A name that is
  // known as it stands gives itself.
  std::string name_ignoring_case(std::string_view name) const;

  // Every encoding of the font-index table, in lookup order, including the
  // identity encodings (8, 9, 30) and the destination-only one (70).
  std::span<const FontEncoding> encodings() const;
  const FontEncoding* encoding(int index) const;  // nullptr for an unknown index

  // --- Drop-down lists ------------------------------------------------------------
  // The font names the language tools offer as source or destination: the
  // table's names less a few, plus a few, each once, sorted without regard to
  // case (as a sorted list box orders them); the extras are sorted in with them.
  std::vector<std::string> font_dropdown_names(DropdownExtras extras = {}) const;

 private:
  std::vector<std::string> slots_;
  int count_ = 0;
  std::map<std::string, int, std::less<>> index_by_name_;
  std::set<std::string, std::less<>> table_names_;
};

}  // namespace quilm
