// UniCodetoGur, over the tables of encoding/tables/unicode_to_gur.txt.
#include "encoding/unicode_input.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "encoding/pivot.h"
#include "encoding/unicode_meaning.h"

namespace quilm {
namespace {

#include "encoding/unicode_to_gur_tables.inc"

constexpr char16_t kGurmukhiBlock = 0x0A00, kDevanagariBlock = 0x0900;
constexpr std::uint8_t kViramaLow = 0x4D, kSignILow = 0x3F, kNuktaLow = 0x3C;

bool in_block(char16_t c, char16_t block) { return c >= block && c < block + 0x80; }
bool is_indic(char16_t c) { return in_block(c, kGurmukhiBlock) || in_block(c, kDevanagariBlock); }
std::uint8_t low(char16_t c) { return static_cast<std::uint8_t>(c & 0xFF); }
bool is_low(char16_t c, std::uint8_t l) { return is_indic(c) && low(c) == l; }

// The letter tables with their bytes in place, so that a character costs one
// load: an entry of at most kMostPivotBytes bytes.
constexpr std::size_t kMostPivotBytes = kPivotBytesPerUnicodeUnit;
struct PivotBytes {
  std::array<char, kMostPivotBytes> bytes{};
  std::uint8_t size = 0;
};
using PivotBytesTable = std::array<PivotBytes, 256>;

constexpr PivotBytesTable in_place(const std::array<std::string_view, 256>& table) {
  PivotBytesTable out{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].size() > kMostPivotBytes) throw "a character of more than three pivot bytes";
    std::copy(table[i].begin(), table[i].end(), out[i].bytes.begin());
    out[i].size = static_cast<std::uint8_t>(table[i].size());
  }
  return out;
}

constexpr PivotBytesTable kGurmukhiLetters = in_place(kGurmukhiLowByte);
constexpr PivotBytesTable kDevanagariLetters = in_place(kDevanagariLowByte);
constexpr PivotBytesTable kSubjoinedLetters = in_place(kSubjoinedLowByte);

// The pivot bytes of a Gurmukhi or Devanagari letter (none when it has none).
const PivotBytes& pivot_of_letter(char16_t c) {
  return in_block(c, kGurmukhiBlock) ? kGurmukhiLetters[low(c)] : kDevanagariLetters[low(c)];
}

// Punctuation outside a Gurmukhi run: the first pivot byte that stands for
// exactly that character.
const std::array<std::uint8_t, 256>& punctuation_bytes() {
  static const std::array<std::uint8_t, 256> bytes = [] {
    std::array<std::uint8_t, 256> b{};
    for (int p = 255; p >= 0; --p) {
      const auto u = pivot::unicode(static_cast<std::uint8_t>(p));
      const auto role = pivot::role(static_cast<std::uint8_t>(p));
      const bool plain = role == pivot::Role::Punctuation || role == pivot::Role::Digit ||
                         role == pivot::Role::Control;
      if (plain && u.size() == 1 && u[0] < 0x100) b[u[0]] = static_cast<std::uint8_t>(p);
    }
    return b;
  }();
  return bytes;
}

bool has_sihari(std::u16string_view text) {
  for (char16_t c : text)
    if (is_low(c, kSignILow)) return true;
  return false;
}

// Sihari is written after its consonant in Unicode and stored before it: it
// moves before the consonant, before a consonant, VIRAMA, consonant cluster,
// and before a consonant and its separate nukta. Works in place on `t`.
void sihari_before_consonant(std::span<char16_t> t) {
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (!is_low(t[i], kSignILow)) continue;
    std::size_t to = i - 1;
    if (to >= 1 && is_low(t[to], kNuktaLow)) --to;
    if (to >= 2 && is_low(t[to - 1], kViramaLow)) to -= 2;
    std::rotate(t.begin() + static_cast<std::ptrdiff_t>(to), t.begin() + static_cast<std::ptrdiff_t>(i),
                t.begin() + static_cast<std::ptrdiff_t>(i + 1));
  }
}

// Writes the pivot bytes of the character at t[i] (and of the letter after
// it when the two make a subjoined letter) at `out`, which has room for
// kMostPivotBytes; returns the end of what was written.
char* write_unit(std::u16string_view t, std::size_t& i, char* out) {
  auto put = [&](const PivotBytes& p) {
    std::copy(p.bytes.begin(), p.bytes.end(), out);
    return out + p.size;
  };
  const char16_t c = t[i];
  if (in_block(c, kGurmukhiBlock) && low(c) != kViramaLow && kGurmukhiLetters[low(c)].size)
    return put(kGurmukhiLetters[low(c)]);  // most characters
  if (const auto byte = unknown_glyph_byte(c)) {
    *out = static_cast<char>(*byte);
    return out + 1;
  }
  if (!is_indic(c)) {
    const std::uint8_t b = c < 0x100 ? punctuation_bytes()[c] : 0;
    *out = static_cast<char>(b || c == 0 ? b : 0x3C);
    return out + 1;
  }
  if (low(c) == kViramaLow && i + 1 < t.size() && is_indic(t[i + 1])) {
    const PivotBytes& subjoined = kSubjoinedLetters[low(t[i + 1])];
    if (subjoined.size) {
      ++i;
      return put(subjoined);
    }
  }
  const PivotBytes& letter = pivot_of_letter(c);
  if (letter.size) return put(letter);
  *out = '\x3C';
  return out + 1;
}

}  // namespace

std::optional<std::uint8_t> pivot_punctuation_byte(char16_t c) {
  if (c >= 0x100) return std::nullopt;
  const std::uint8_t b = punctuation_bytes()[c];
  if (b == 0 && c != 0) return std::nullopt;
  return b;
}

bool has_pivot_glyph(char16_t c) {
  if (unknown_glyph_byte(c)) return true;
  return is_indic(c) && pivot_of_letter(c).size != 0;
}

std::size_t UniCodetoGur(std::u16string_view text, char* out) {
  // A word with a sihari is reordered in a copy: on the stack when short.
  constexpr std::size_t kShortRun = 64;
  char16_t short_copy[kShortRun];
  std::u16string long_copy;
  if (has_sihari(text)) {
    char16_t* copy = short_copy;
    if (text.size() > kShortRun) {
      long_copy.assign(text);
      copy = long_copy.data();
    } else {
      std::copy(text.begin(), text.end(), copy);
    }
    sihari_before_consonant({copy, text.size()});
    text = {copy, text.size()};
  }
  char* end = out;
  for (std::size_t i = 0; i < text.size(); ++i) end = write_unit(text, i, end);
  return static_cast<std::size_t>(end - out);
}

void UniCodetoGur(std::u16string_view text, Bytes& out) {
  const std::size_t start = out.size();
  out.resize(start + text.size() * kMostPivotBytes);
  out.resize(start + UniCodetoGur(text, out.data() + start));
}

Bytes UniCodetoGur(std::u16string_view text) {
  Bytes out;
  out.reserve(text.size() + 4);
  UniCodetoGur(text, out);
  return out;
}

}  // namespace quilm
