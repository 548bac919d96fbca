// The Romanised layout's rules, tried in order: the NA-UU-tippi ligature,
// doubled consonants, doubled aspirates, h, the vowel keys
// (romanised_vowels.cpp), the nasal key, and the table of the other keys.
// The uniform parts are the tables of typing/tables/romanised.txt.
#include "typing/romanised_layout.h"

#include "fonts/font_index.h"
#include "typing/key_tables.h"
#include "fonts/quilm_glyphs.h"
#include "typing/romanised_key.h"

namespace quilm::typing {
namespace {

namespace t = tables::romanised;
using namespace glyph;

bool in_pairs(std::span<const GlyphPair> pairs, std::uint8_t first, char16_t second) {
  return second <= 0xFF && contains_pair(pairs, first, static_cast<std::uint8_t>(second));
}

// n U N and n N U both end as the one glyph of NA with UU and tippi.
bool ligature(RomanisedKey& k, std::uint8_t key) {
  const bool uu_after_tippi = key == 'U' && k.at.p1() == kTippi && k.at.p2() == 'n';
  const bool nasal_after_uu = key == 'N' && k.at.p1() == 'U' && k.at.p2() == 'n';
  if (!uu_after_tippi && !nasal_after_uu) return false;
  replace_before(k.kb.editor, k.at.caret, 2, glyphs({kNaUuTippi}));
  return true;
}

// The addak glyph that does not collide with the sign before it.
std::uint8_t addak_for(char16_t before_consonant, char16_t before_that) {
  return before_consonant == 'Y' || before_that == kUra ? kAddakBeside : kAddak;
}

// The key that made the consonant before the caret, typed again inside a
// word: an addak goes in front of the consonant.
bool doubled_consonant(RomanisedKey& k, std::uint8_t key) {
  const CaretContext& at = k.at;
  if (at.p2() == kAddak || k.previous == 'i' || k.previous == 'a') return false;
  if (!in_set(t::doubling_context, at.p2()) || !in_pairs(t::doubled_consonant, key, at.p1())) return false;
  insert_at(k.kb.editor, at.caret - 1, glyphs({addak_for(at.p2(), at.p3())}), k.font);
  k.kb.editor.SetSelStart(at.caret + 1);
  return true;
}

// An aspirate, then its plain consonant, then h (k h k h): the aspirate is
// doubled, so the addak goes in front of it and the plain consonant goes.
bool doubled_aspirate(RomanisedKey& k, std::uint8_t key) {
  const CaretContext& at = k.at;
  if (key != 'h' || at.p3() == kAddak || at.p3() == kSihari || at.p2() == kAddak || k.previous == 'a') return false;
  if (!in_set(t::doubling_context, at.p3()) || at.p1() > 0xFF ||
      !in_pairs(t::doubled_aspirate, static_cast<std::uint8_t>(at.p1()), at.p2()))
    return false;
  Editor& editor = k.kb.editor;
  insert_at(editor, at.caret - 2, glyphs({addak_for(at.p2(), at.p4())}), k.font);
  editor.Select(at.caret, 1);  // the plain consonant, moved on by the addak
  editor.SetSelText(u"");
  editor.SetSelStart(at.caret);
  return true;
}

// h after a consonant makes its aspirate; after m, l and v it is the
// subjoined HA; elsewhere HA itself.
std::uint8_t key_h(RomanisedKey& k) {
  const char16_t p1 = k.at.p1();
  std::uint8_t key = 'h';
  const bool plain_ha = k.previous == 'a' || !RomanisedKey::is_letter(p1);
  if (!plain_ha && in_set(t::takes_subjoined_ha, p1)) key = kSubjoinedHa;
  if (p1 == 'K') return k.replace_p1({kKhha});
  if (k.previous != 'a' && p1 <= 0xFF) {
    if (const std::uint8_t aspirate = second_of(t::aspirate, static_cast<std::uint8_t>(p1)))
      return k.replace_p1({aspirate});
  }
  return key;
}

// N is the tippi, except after the vowel signs that take the bindi and on
// URA with its sign (U, UU); after the kanna it makes the one glyph of kanna
// and bindi.
std::uint8_t key_nasal(RomanisedKey& k) {
  if (k.at.p1() == kKanna) return k.replace_p1({kKannaBindi});
  if (in_set(t::nasal_takes_bindi, k.at.p1()) || k.at.p2() == kUra) return kBindi;
  return kTippi;
}

std::uint8_t final_key(const RomanisedKey& k, std::uint8_t key) {
  if (key == 'S') return addak_for(k.at.p1(), k.at.p2());
  const std::uint8_t glyph = second_of(t::final_keys, key);
  return glyph ? glyph : key;
}

std::uint8_t translate(RomanisedKey& k, std::uint8_t key) {
  if (ligature(k, key) || doubled_consonant(k, key) || doubled_aspirate(k, key)) return 0;
  if (key == 'h' && k.at.p2() != kSihari) return key_h(k);
  if (is_vowel_key(key)) return vowel_key(k, key);
  if (key == 'N') return key_nasal(k);
  return final_key(k, key);
}

}  // namespace

bool RomanisedKey::is_letter(char16_t c) { return c > 0xFF || in_set(t::letter, c); }

std::uint8_t RomanisedKey::insert(std::initializer_list<std::uint8_t> bytes) {
  insert_at(kb.editor, at.caret, glyphs(bytes), font);
  return 0;
}

std::uint8_t RomanisedKey::replace_p1(std::initializer_list<std::uint8_t> bytes) {
  replace_before(kb.editor, at.caret, 1, glyphs(bytes));
  return 0;
}

std::uint8_t romanised_key(Keyboard& kb, std::uint8_t key, int font_index) {
  Editor& editor = kb.editor;
  const WindowLock lock(editor);
  if (font_index != font_index::kQuilm) editor.SetFontName(kTypingFont);
  RomanisedKey k{kb, read_caret_context(editor), editor.FontName(), kb.state.previous_roman_key};
  const std::uint8_t glyph = translate(k, key);
  // A rewrite moved the caret, and with it the font the editor types next.
  if (glyph != 0 && editor.SelLength() == 0 && editor.FontName() != k.font) editor.SetFontName(k.font);
  kb.state.previous_roman_key = k.forget ? 0 : key;
  return glyph;
}

}  // namespace quilm::typing
