// Font indices: the small integers that name a glyph encoding, and the record
// the font registry keeps for each encoding (its converters and font names).
#pragma once

#include <span>
#include <string_view>

namespace quilm {

namespace font_index {
inline constexpr int kUndetermined = -1;  // callers keep it until they ask
inline constexpr int kIdentity = 8;       // no converters, produced by no name
inline constexpr int kPivot = 9;          // "GurmukhiLys 020": the pivot encoding
inline constexpr int kNotSupported = 30;  // any other name: text passes unchanged
inline constexpr int kQuilm = 35;         // the Quilm encoding, in which the program types
inline constexpr int kSharedEncodingGroup = 48;
inline constexpr int kDevanagari = 70;    // destination only (the Devanagari writer)
}  // namespace font_index

// A range of slots of the Gurmukhi font-name table, first to last inclusive.
struct SlotRange {
  int first;
  int last;
};

// One row of the font-index table.
struct FontEncoding {
  int index;
  // Converters are named by stem: the reader into the pivot encoding is
  // stem + "_to_gur", the writer out of it "gur_to_" + stem. A few are
  // irregular, so both names are kept; empty means there is none.
  std::string_view stem;
  std::string_view reader;
  std::string_view writer;
  std::string_view description;  // for the encodings that are not a font family
  // The font names written in this encoding. For the shared-encoding group
  // these are the names of its slots of the font-name table.
  std::span<const std::string_view> names;
  // Set only for the group that is recognised by slot of the font-name table.
  std::span<const SlotRange> slot_groups;

  // Identity encodings have no converters: text passes unchanged both ways.
  bool identity() const { return reader.empty() && writer.empty(); }
};

}  // namespace quilm
