// The compiled converter tables: for each legacy font family a reader (glyph
// codes into the pivot encoding) and a writer (pivot text into glyph codes).
// tools/convgen generates the table data at build time from the text files
// in fonts/tables/; the reader engine (fonts/reader.h) and the writer engine
// (fonts/writer.h) interpret them. Nothing here changes at run time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "encoding/byte_set.h"

namespace quilm {

inline constexpr std::size_t kMaxGlyphs = 7;
// Font indices 0 to 50 name encodings; 70 is a destination only.
inline constexpr int kFontIndexSlots = 71;

// The output of one step of a converter: up to kMaxGlyphs glyph codes. Eight
// bytes in all, so that the engines copy an output with one 8-byte move and
// then count only `size` of it.
struct alignas(8) Glyphs {
  std::array<std::uint8_t, kMaxGlyphs> bytes{};
  std::uint8_t size = 0;
};
static_assert(sizeof(Glyphs) == 8);

// What a byte asks of the engines besides its single-byte output.
namespace step_flag {
inline constexpr std::uint8_t kUnitStart = 1;     // a unit may start with it
inline constexpr std::uint8_t kContextRule = 2;   // writers: a context rule may rewrite it
inline constexpr std::uint8_t kKeepsContext = 4;  // writers: leaves the writer context as it was
}  // namespace step_flag

// The units that start with byte b are units[begin[b] .. begin[b + 1]).
struct UnitIndex {
  std::array<std::uint16_t, 257> begin{};
  ByteSet seconds;  // every byte that is the second of some unit: a quick "no unit here"
  constexpr bool any_from(std::uint8_t b) const { return begin[b] != begin[b + 1]; }
};

enum class ReaderUnitKind : std::uint8_t {
  pair,         // two bytes read together (with an output of their own, or a precedence unit)
  three_byte,   // three bytes read together
  conditional,  // two bytes read together only when `third` follows; the third is then read on its own
};

struct ReaderUnit {
  std::uint8_t first = 0, second = 0, third = 0;
  ReaderUnitKind kind = ReaderUnitKind::pair;
  // A precedence unit is written with the two single-byte outputs here, so
  // the engine treats it like any other pair.
  bool precedence = false;
  Glyphs output;
};

struct ReaderTable {
  std::string_view name;  // "anmollipi_to_gur"
  std::array<Glyphs, 256> single;
  std::array<std::uint8_t, 256> flags{};  // step_flag bits of each byte
  UnitIndex index;
  std::span<const ReaderUnit> units;
  std::uint8_t growth = 1;  // most output bytes one input byte can give
};

struct WriterUnit {
  std::uint8_t first = 0, second = 0;
  // A precedence unit gives the two single-byte outputs, written here; it
  // only keeps a unit from starting at its second byte.
  bool precedence = false;
  Glyphs output;
};

// A byte whose glyph depends on the glyphs before it: the alternate output is
// written when the previous pivot byte is in `previous` or the byte before
// that is in `before_previous`.
struct ContextRule {
  Glyphs alternate;
  ByteSet previous;
  ByteSet before_previous;
};

// What a writer does with a typed byte that joins glyphs already in the editor.
enum class PatternAction : std::uint8_t {
  plain,   // write the byte as usual
  drop,    // write nothing for the byte
  append,  // write `glyph`, delete nothing
  join,    // replace the glyphs of the earlier bytes by `glyph`
};

struct TypingBehaviour {
  PatternAction action = PatternAction::plain;
  std::uint8_t glyph = 0;
};

enum class PostPass : std::uint8_t { none, format_for_quilm };
// Run over the pivot text before the writer reads it: sa_nukta_as_sha reads
// SA followed by nukta (0x3B 0x61) as the one letter SHA (0x46).
enum class PrePass : std::uint8_t { none, sa_nukta_as_sha };

struct WriterTable {
  std::string_view name;  // "gur_to_satluj"
  std::array<Glyphs, 256> single;
  std::array<std::uint8_t, 256> flags{};  // step_flag bits of each byte
  UnitIndex index;
  std::span<const WriterUnit> units;
  std::array<std::uint8_t, 256> rule_of{};  // 0: no rule, else 1 + position in rules
  std::span<const ContextRule> rules;
  ByteSet keeps_context;  // bytes that leave the writer context as it was
  TypingBehaviour bindi_after_kanna;   // 0x49 typed after 0x6B
  TypingBehaviour nukta_after_joiner;  // 0x61 after a byte of the joining set
  TypingBehaviour na_uu_tippi;         // 0x7A or 0x7B completing 0x42 0x7B 0x7A
  PostPass post_pass = PostPass::none;
  std::uint8_t growth = 1;
  // The glyph a nukta after a consonant of the joining set adds, for writers
  // that join it without a unit for the pair (`first` is the consonant).
  std::span<const WriterUnit> joined;
  PrePass pre_pass = PrePass::none;
};

// Every compiled reader and writer (generated).
std::span<const ReaderTable* const> all_readers();
std::span<const WriterTable* const> all_writers();
// The converter that a font index selects, or nullptr (generated).
const ReaderTable* reader_for_font(int font_index);
const WriterTable* writer_for_font(int font_index);
// A converter by its name ("anmollipi_to_gur", "gur_to_satluj"), or nullptr.
const ReaderTable* find_reader(std::string_view name);
const WriterTable* find_writer(std::string_view name);

}  // namespace quilm
