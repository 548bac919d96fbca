// The preparation for export. The reordering passes each scan the text once
// from left to right, exchanging bytes in place; their order matters, as a
// sign moved by one pass may be moved again by a later one.
#include "encoding/export_preparation.h"

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

void clean(Bytes& t) {
  special_characters_in_place(t);
  removing_spaces_in_place(t);
  special_characters_in_place(t);
  aunkar_dulankar_in_place(t);
  removing_bindi_in_place(t);
  double_a_in_place(t);
  removing_pairwalibindi_in_place(t);
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

void reorder(Bytes& t) {
  swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return kSignBeforeSubjoined.contains(a) && subjoined(b); });
  for (std::size_t i = 0; i + 2 < t.size(); ++i)  // URA _ U: the U goes next to URA
    if (byte_at(t, i) == kUra && (byte_at(t, i + 2) == kSignU || byte_at(t, i + 2) == kSignUU))
      std::swap(t[i + 1], t[i + 2]);
  swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return a == kTippi && kTippiFollows.contains(b); });
  swap_pairs(t, [](std::uint8_t a, std::uint8_t b) {
    return (a == kAddak && b == kSignU) || (a == kBindi && kBindiFollows.contains(b));
  });
  swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return a == kAddak && below(b); });
  swap_over_one(t, [](std::uint8_t a, std::uint8_t b, std::uint8_t c) { return a == kAddak && below(b) && below(c); });
  swap_over_one(t, [](std::uint8_t a, std::uint8_t b, std::uint8_t c) { return above(a) && above(b) && subjoined(c); });
  swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return above(a) && subjoined(b); });
  swap_pairs(t, [](std::uint8_t a, std::uint8_t b) { return a == kBindi && above(b); });
}

}  // namespace

void prepare_for_export_in_place(Bytes& t) {
  one_glyph_for_bindi_and_addak(t);
  clean(t);
  compose_nukta_consonants(t);
  expand_ligatures(t);
  reorder(t);
}

Bytes prepare_for_export(BytesView pivot) {
  Bytes t(pivot);
  prepare_for_export_in_place(t);
  return t;
}

}  // namespace quilm
