// The preparation for export. The reordering passes each scan the text once
// from left to right, exchanging bytes in place; their order matters, as a
// sign moved by one pass may be moved again by a later one.
//
// Most words hold nothing that most passes act on, so one scan first notes
// which passes the word can set off (WordProfile), and only those run. A pass
// that changes the text is followed by a fresh scan, since it may have
// brought new bytes or new neighbours.
#include "encoding/export_preparation.h"

#include <array>
#include <utility>

#include "encoding/cleaning.h"
#include "encoding/nukta_composition.h"
#include "encoding/pivot.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

using namespace pivot;

void one_glyph_for_bindi_and_addak(Bytes& t) {
  for (char& c : t) {
    if (static_cast<std::uint8_t>(c) == kAddak2) c = static_cast<char>(kAddak);
    else if (static_cast<std::uint8_t>(c) == kBindi3) c = static_cast<char>(kBindi);
  }
}

BytesView ligature_letters(std::uint8_t b) {
  switch (b) {
    case 0x4B: return "\x6B\x49";      // AA + bindi
    case 0x57: return "\x6F\x5B";      // RA + U
    case 0x2B: return "\x3F\x49";      // AI + bindi
    case 0x7E: return "\x42\x7B\x7A";  // NA + UU + tippi
    default: return {};
  }
}

void expand_ligatures(Bytes& t) {
  bool any = false;
  for (char c : t) any = any || !ligature_letters(static_cast<std::uint8_t>(c)).empty();
  if (any) {
    Bytes out;
    out.reserve(t.size() + 8);
    for (char c : t) {
      const BytesView letters = ligature_letters(static_cast<std::uint8_t>(c));
      if (letters.empty()) out.push_back(c);
      else out.append(letters);
    }
    t.swap(out);
  }
  for (char& c : t)
    if (static_cast<std::uint8_t>(c) == kBindi2) c = static_cast<char>(kBindi);
}

// Subjoined letters here are every subjoined glyph (VA, HA, RA and the
// further ones of the legacy fonts): each is a VIRAMA and a letter that
// Unicode writes before any vowel or nasal sign.
constexpr ByteSet kSignBeforeSubjoined{0x22, 0x27, 0x2F, 0x3F, 0x4B, 0x61, 0x6B, 0x7A};
constexpr ByteSet kTippiFollows{0x5B, 0x7B, 0x6B, 0x3F, 0x2F, 0x22, 0x27};
constexpr ByteSet kBindiFollows{0x68, 0x3F, 0x2F, 0x27, 0x22};

bool subjoined(std::uint8_t b) { return kSubjoinedForm.contains(b); }
bool below(std::uint8_t b) { return kBelowBaseSign.contains(b) || subjoined(b); }
bool above(std::uint8_t b) { return kAboveBaseSign.contains(b); }

template <typename Test>
void swap_pairs(Bytes& t, Test test) {
  for (std::size_t i = 0; i + 1 < t.size(); ++i)
    if (test(byte_at(t, i), byte_at(t, i + 1))) std::swap(t[i], t[i + 1]);
}

template <typename Test>
void swap_over_one(Bytes& t, Test test) {
  for (std::size_t i = 0; i + 2 < t.size(); ++i)
    if (test(byte_at(t, i), byte_at(t, i + 1), byte_at(t, i + 2))) std::swap(t[i], t[i + 2]);
}

// What a byte can set off: each flag names the passes that act on it.
namespace acts {
constexpr std::uint32_t kBindiAddakGlyph = 1u << 0;  // the second addak, the third bindi
constexpr std::uint32_t kAlternate = 1u << 1;        // an alternate glyph
constexpr std::uint32_t kIgnored = 1u << 2;          // the empty glyph 0x26
constexpr std::uint32_t kUSign = 1u << 3;            // U, UU
constexpr std::uint32_t kBindi = 1u << 4;
constexpr std::uint32_t kDoubled = 1u << 5;          // a sign that double_a collapses
constexpr std::uint32_t kNukta = 1u << 6;
constexpr std::uint32_t kLigature = 1u << 7;         // a ligature or the second bindi
constexpr std::uint32_t kSubjoined = 1u << 8;
constexpr std::uint32_t kUra = 1u << 9;
constexpr std::uint32_t kTippi = 1u << 10;
constexpr std::uint32_t kAddak = 1u << 11;
// Flags that set off a pass only when two neighbours share them (a repeated
// sign); a byte alone with one of these sets off nothing.
constexpr std::uint32_t kOnlyInPairs = kUSign | kDoubled;
}  // namespace acts

std::array<std::uint32_t, 256> make_acts_table() {
  std::array<std::uint32_t, 256> table{};
  for (int i = 0; i < 256; ++i) {
    const auto b = static_cast<std::uint8_t>(i);
    std::uint32_t f = 0;
    if (b == kAddak2 || b == kBindi3) f |= acts::kBindiAddakGlyph;
    if (!alternate_glyph(b).empty()) f |= acts::kAlternate;
    if (b == kIgnoredGlyph) f |= acts::kIgnored;
    if (b == kSignU || b == kSignUU) f |= acts::kUSign;
    if (b == pivot::kBindi) f |= acts::kBindi;
    if (kDoubledSigns.contains(b)) f |= acts::kDoubled;
    if (b == pivot::kNukta) f |= acts::kNukta;
    if (!ligature_letters(b).empty() || b == kBindi2) f |= acts::kLigature;
    if (subjoined(b)) f |= acts::kSubjoined;
    if (b == pivot::kUra) f |= acts::kUra;
    if (b == pivot::kTippi) f |= acts::kTippi;
    if (b == pivot::kAddak) f |= acts::kAddak;
    table[b] = f;
  }
  return table;
}

// The passes a word can set off: `present` has the flags of every byte,
// `neighbours` the flags that two neighbouring bytes share (the passes that
// act on a pair, such as a repeated sign, need those).
class WordProfile {
 public:
  explicit WordProfile(BytesView t) { scan(t); }

  void scan(BytesView t) {
    static const std::array<std::uint32_t, 256> table = make_acts_table();
    present_ = neighbours_ = 0;
    std::uint32_t previous = 0;
    for (char c : t) {
      const std::uint32_t f = table[static_cast<std::uint8_t>(c)];
      present_ |= f;
      neighbours_ |= previous & f;
      previous = f;
    }
  }
  bool sets_off_nothing() const { return (present_ & ~acts::kOnlyInPairs) == 0 && neighbours_ == 0; }
  bool holds(std::uint32_t flags) const { return (present_ & flags) != 0; }
  bool holds_pair(std::uint32_t flags) const { return (neighbours_ & flags) != 0; }

 private:
  std::uint32_t present_ = 0, neighbours_ = 0;
};

// Runs `pass` when `needed`, then brings the profile up to date.
template <typename Pass>
void run_if(bool needed, Bytes& t, WordProfile& profile, Pass pass) {
  if (!needed) return;
  pass(t);
  profile.scan(t);
}

void clean(Bytes& t, WordProfile& p) {
  run_if(p.holds(acts::kAlternate), t, p, special_characters_in_place);
  run_if(p.holds(acts::kIgnored), t, p, removing_spaces_in_place);
  run_if(p.holds(acts::kAlternate), t, p, special_characters_in_place);
  run_if(p.holds_pair(acts::kUSign), t, p, aunkar_dulankar_in_place);
  run_if(p.holds_pair(acts::kBindi) || p.holds(acts::kIgnored), t, p, removing_bindi_in_place);
  run_if(p.holds_pair(acts::kDoubled), t, p, double_a_in_place);
  run_if(p.holds_pair(acts::kNukta), t, p, removing_pairwalibindi_in_place);
}

// The reordering passes only exchange bytes, so the profile stays true.
void reorder(Bytes& t, const WordProfile& p) {
  if (p.holds(acts::kSubjoined))
    swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return kSignBeforeSubjoined.contains(a) && subjoined(b); });
  if (p.holds(acts::kUra))
    for (std::size_t i = 0; i + 2 < t.size(); ++i)  // URA _ U: the U goes next to URA
      if (byte_at(t, i) == kUra && (byte_at(t, i + 2) == kSignU || byte_at(t, i + 2) == kSignUU))
        std::swap(t[i + 1], t[i + 2]);
  if (p.holds(acts::kTippi))
    swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return a == kTippi && kTippiFollows.contains(b); });
  if (p.holds(acts::kAddak | acts::kBindi))
    swap_pairs(t, [](std::uint8_t a, std::uint8_t b) {
      return (a == kAddak && b == kSignU) || (a == kBindi && kBindiFollows.contains(b));
    });
  if (p.holds(acts::kAddak)) {
    swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return a == kAddak && below(b); });
    swap_over_one(t, [](std::uint8_t a, std::uint8_t b, std::uint8_t c) { return a == kAddak && below(b) && below(c); });
  }
  if (p.holds(acts::kSubjoined)) {
    swap_over_one(t, [](std::uint8_t a, std::uint8_t b, std::uint8_t c) { return above(a) && above(b) && subjoined(c); });
    swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return above(a) && subjoined(b); });
  }
  if (p.holds(acts::kBindi))
    swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return a == kBindi && above(b); });
}

}  // namespace

bool needs_preparation_for_export(BytesView pivot) { return !WordProfile(pivot).sets_off_nothing(); }

void prepare_for_export_in_place(Bytes& t) {
  WordProfile profile(t);
  if (profile.sets_off_nothing()) return;  // most words
  run_if(profile.holds(acts::kBindiAddakGlyph), t, profile, one_glyph_for_bindi_and_addak);
  clean(t, profile);
  run_if(profile.holds(acts::kNukta), t, profile, compose_nukta_consonants);
  run_if(profile.holds(acts::kLigature), t, profile, expand_ligatures);
  reorder(t, profile);
}

Bytes prepare_for_export(BytesView pivot) {
  Bytes t(pivot);
  prepare_for_export_in_place(t);
  return t;
}

}  // namespace quilm
