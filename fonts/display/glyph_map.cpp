// The byte-by-byte reading of an encoding, for the display fonts.
#include "fonts/display/glyph_map.h"

#include "fonts/conversion.h"
#include "fonts/conversion_context.h"

namespace quilm::display {
namespace {

// `text` of font index `font_index` in the pivot encoding, as conversion
// reads it (unchanged when the index has no reader).
Bytes read_as_pivot(BytesView text, int font_index) {
  ConversionContext context;
  return FontConverter(context).to_pivot(text, font_index);
}

bool has_reader(int font_index) { return reader_for_font(font_index) != nullptr; }

// The two bytes of each unit that the reader of `font_index` reads together
// (a legacy font often draws one letter in two glyphs, such as EK ONKAR).
std::vector<Bytes> reader_pairs(int font_index) {
  std::vector<Bytes> out;
  const ReaderTable* reader = reader_for_font(font_index);
  if (!reader) return out;
  for (const ReaderUnit& u : reader->units)
    if (u.kind == ReaderUnitKind::pair && !u.precedence)
      out.push_back(Bytes{static_cast<char>(u.first), static_cast<char>(u.second)});
  return out;
}

bool is_gurmukhi_role(pivot::Role role) {
  using pivot::Role;
  switch (role) {
    case Role::Consonant:
    case Role::NuktaConsonant:
    case Role::VowelCarrier:
    case Role::IndependentVowel:
    case Role::VowelSign:
    case Role::NasalSign:
    case Role::GeminationSign:
    case Role::Nukta:
    case Role::SubjoinedLetter:
    case Role::Ligature:
    case Role::SignCombination:
    case Role::OtherSign:
      return true;
    default:
      return false;
  }
}

// Alternate glyphs stand for their standard bytes; every other byte for itself.
Bytes standard_bytes(BytesView pivot_text) {
  Bytes out;
  for (std::size_t i = 0; i < pivot_text.size(); ++i) {
    const std::uint8_t b = byte_at(pivot_text, i);
    if (pivot::role(b) == pivot::Role::AlternateGlyph && !pivot::alternate_glyph(b).empty())
      out += pivot::alternate_glyph(b);
    else
      out += static_cast<char>(b);
  }
  return out;
}

// The pivot sequence (consonant and nukta, carrier and vowel sign …) that
// starts at `pos`, or nullptr.
const pivot::PivotSequence* sequence_at(BytesView text, std::size_t pos) {
  for (const pivot::PivotSequence& s : pivot::sequences())
    if (text.substr(pos, s.bytes.size()) == s.bytes) return &s;
  return nullptr;
}

// The characters of a pivot string, byte pairs that spell one letter read as
// that letter (0x54 0x5B is U, not URA and the sign U).
std::u32string characters(BytesView text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    if (const pivot::PivotSequence* s = sequence_at(text, i)) {
      out += s->unicode;
      i += s->bytes.size();
    } else {
      out += pivot::unicode(byte_at(text, i));
      ++i;
    }
  }
  return out;
}

ByteReading read_bytes(int font_index, BytesView bytes) {
  ByteReading r;
  r.byte = byte_at(bytes, 0);
  r.pivot = read_as_pivot(bytes, font_index);
  r.meaning = standard_bytes(r.pivot);
  for (std::size_t i = 0; i < r.meaning.size(); ++i) r.roles.push_back(pivot::role(byte_at(r.meaning, i)));
  r.unicode = characters(r.meaning);
  return r;
}

}  // namespace

bool ByteReading::draws_gurmukhi() const {
  for (pivot::Role role : roles)
    if (is_gurmukhi_role(role)) return true;
  return false;
}

std::vector<ByteReading> glyph_map(int font_index) {
  std::vector<ByteReading> map;
  for (int b = 0; b < 256; ++b) map.push_back(read_bytes(font_index, Bytes(1, static_cast<char>(b))));
  return map;
}

std::vector<PairReading> pair_map(int font_index) {
  std::vector<PairReading> map;
  for (const Bytes& pair : reader_pairs(font_index)) map.push_back({pair, read_bytes(font_index, pair)});
  return map;
}

std::vector<int> displayed_encodings(const FontRegistry& registry) {
  std::vector<int> out;
  for (const FontEncoding& e : registry.encodings()) {
    const bool readable = e.index == font_index::kPivot || has_reader(e.index);
    if (readable && !names_of_encoding(registry, e.index).empty()) out.push_back(e.index);
  }
  return out;
}

std::vector<std::string> names_of_encoding(const FontRegistry& registry, int font_index) {
  std::vector<std::string> out;
  const FontEncoding* e = registry.encoding(font_index);
  if (!e) return out;
  for (std::string_view name : e->names) {
    const std::string n(name);
    if (registry.get_font_index(n) != font_index) continue;
    bool seen = false;
    for (const std::string& o : out) seen = seen || o == n;
    if (!seen) out.push_back(n);
  }
  return out;
}

}  // namespace quilm::display
