// The vowel keys of the Romanised layout. A vowel is written as a sign on
// the consonant before the caret, or, in a free position (at the start of a
// word, after another vowel), as an independent vowel on its bearer: URA (a)
// for U, UU, OO; AIRA (E) for A, AA, AI, AU; IRI (e) for I, II, EE. Typing
// a vowel key twice, or a second key after a, spells the long vowels and the
// diphthongs (aa, ai, au, ee, oo) by rewriting what the first key wrote.
#include <algorithm>

#include "typing/key_tables.h"
#include "typing/romanised_key.h"

namespace quilm::typing {
namespace {

namespace t = tables::romanised;

bool previous_matches(const FreePositionRow& row, std::uint8_t previous) {
  switch (row.previous_test) {
    case '=': return previous == row.previous_key;
    case '!': return previous != row.previous_key;
    default: return true;
  }
}

// Whether `key` must be written as an independent vowel here.
bool free_position(const RomanisedKey& k, std::uint8_t key) {
  if (!RomanisedKey::is_letter(k.at.p1()) || k.at.p2() == 'i') return true;
  const auto rows = t::free_position;
  const auto row = std::find_if(rows.begin(), rows.end(), [&](const FreePositionRow& r) {
    return r.key == key && previous_matches(r, k.previous);
  });
  if (row == rows.end()) return false;
  return in_set(row->listed_before, k.at.p1()) || row->listed_previous.contains(k.previous);
}

// Sihari is stored before its consonant, and before the consonant that
// carries a subjoined letter: the sign goes in front of what is already there.
std::uint8_t sihari_before_consonant(RomanisedKey& k) {
  const char16_t p1 = k.at.p1(), p2 = k.at.p2();
  if (in_set(t::subjoined, p1))
    replace_before(k.kb.editor, k.at.caret, 2, std::u16string{u'i', p2, p1});
  else
    replace_before(k.kb.editor, k.at.caret, 1, std::u16string{u'i', p1});
  return 0;
}

std::uint8_t key_i(RomanisedKey& k, bool free) {
  if (k.previous == 'a') return free ? k.insert({'Y'}) : 'Y';  // a i: the AI sign
  return free ? k.insert({'i', 'e'}) : sihari_before_consonant(k);
}

std::uint8_t key_a(RomanisedKey& k, bool free) {
  if (k.previous == 'a') {  // a a: the kanna
    if (free) return k.insert({'E', 'w'});
    k.forget = true;
    return 'w';
  }
  if (free) return 'E';
  if (k.at.p1() == 'E') {
    k.forget = true;
    return k.insert({'w'});
  }
  return 0;  // the vowel every consonant carries
}

std::uint8_t key_u(RomanisedKey& k, bool free) {
  if (k.previous == 'a') {  // a u: AU, with the AIRA already there
    k.forget = true;
    return free ? k.insert({'O'}) : 'O';
  }
  return free ? k.insert({'a', 'u'}) : 'u';
}

std::uint8_t key_y(RomanisedKey& k, bool free) {
  if (k.previous != 'a') return 'X';  // YA
  k.forget = true;                    // a y: EE
  return free ? k.replace_p1({'e', 'y'}) : 'y';
}

std::uint8_t key_e(RomanisedKey& k, bool free) {
  if (k.previous == 'e') {  // e e: II
    k.forget = true;
    return free ? 'I' : k.replace_p1({'I'});
  }
  return free ? k.insert({'e', 'y'}) : 'y';
}

std::uint8_t key_o(RomanisedKey& k, bool free) {
  if (k.previous == 'o') {  // o o: UU
    k.forget = true;
    return free ? k.replace_p1({'a', 'U'}) : k.replace_p1({'U'});
  }
  return free ? 'A' : 'o';
}

}  // namespace

bool is_vowel_key(std::uint8_t key) {
  switch (key) {
    case 'i': case 'I': case 'U': case 'A': case 'E': case 'O':
    case 'a': case 'u': case 'y': case 'e': case 'o':
      return true;
    default:
      return false;
  }
}

std::uint8_t vowel_key(RomanisedKey& k, std::uint8_t key) {
  const bool free = free_position(k, key);
  switch (key) {
    case 'i': return key_i(k, free);
    case 'I': return free ? k.insert({'e', 'I'}) : 'I';
    case 'U': return free ? k.insert({'a', 'U'}) : 'U';
    case 'A': return free ? k.insert({'E', 'w'}) : 'w';
    case 'E': return free ? k.insert({'E', 'Y'}) : 'Y';
    case 'O': return free ? k.insert({'E', 'O'}) : 'O';
    case 'a': return key_a(k, free);
    case 'u': return key_u(k, free);
    case 'y': return key_y(k, free);
    case 'e': return key_e(k, free);
    case 'o': return key_o(k, free);
    default: return key;
  }
}

}  // namespace quilm::typing
