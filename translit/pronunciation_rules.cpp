#include "translit/pronunciation_rules.h"

#include "translit/word_bytes.h"

namespace quilm {
namespace {

using namespace translit_detail;

constexpr std::uint8_t kSihari = 'f';
constexpr std::uint8_t kIri = 'J';
constexpr std::uint8_t kYa = ':';
constexpr ByteSet kVowelSigns = chars("\"'[hk");

// Positions are 0-based here; "at 2 to the next-to-last" in the rule
// descriptions counts from 1.

void lla_as_la(Bytes& w) {
  for (char& c : w)
    if (static_cast<std::uint8_t>(c) == 0xE6) c = 'b';
}

// A vowel sign, sihari, IRI: the sihari becomes YA and the IRI goes.
void sihari_iri_after_vowel_as_ya(Bytes& w) {
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (in(kVowelSigns, at(w, i)) && at(w, i + 1) == kSihari && at(w, i + 2) == kIri) {
      w[i + 1] = kYa;
      w.erase(i + 2, 1);
    }
  }
}

void nasal_after_ha(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i) {
    if ((w[i] == 'I' || w[i] == 'z') && w[i + 1] == 'j') {
      swap_at(w, i, i + 1);
      ++i;
    }
  }
}

void final_iri_ee_after_vowel_as_ya(Bytes& w) {
  const std::size_t n = w.size();
  if (n > 3 && in(kVowelSigns, at(w, n - 3)) && w[n - 2] == kIri && w[n - 1] == '/') w[n - 2] = kYa;
}

void la_drops_nukta(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (w[i] == 'b' && w[i + 1] == 'a') w.erase(i + 1, 1);
}

void uu_after_a_aa_ura_as_u(Bytes& w) {
  for (std::size_t i = 0; i + 3 < w.size(); ++i)
    if (w[i] == 'n' && w[i + 1] == 'k' && w[i + 2] == 'T' && w[i + 3] == '{') w[i + 3] = '[';
}

void sihari_iri_a_as_ya(Bytes& w) {
  for (std::size_t i = 0; i + 2 < w.size(); ++i) {
    if (w[i] == 'f' && w[i + 1] == 'J' && w[i + 2] == 'n') {
      w[i + 2] = kYa;
      w.erase(i, 2);
    }
  }
}

void kanna_bindi_drops_a(Bytes& w) {
  for (std::size_t i = 0; i + 2 < w.size(); ++i)
    if (w[i] == 'k' && w[i + 1] == 'I' && w[i + 2] == 'n') w.erase(i + 2, 1);
}

void a_after_sihari_letter_as_ya(Bytes& w) {
  for (std::size_t i = 0; i + 2 < w.size(); ++i) {
    if (w[i] != 'f') continue;
    if (w[i + 2] == 'n') {
      w[i + 2] = kYa;
    } else if (w[i + 2] == 'q' && at(w, i + 3) == 'n') {
      w[i + 3] = kYa;
    }
  }
}

void tippi_before_ma_na_as_addak(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (w[i] == 'z' && (w[i + 1] == 'w' || w[i + 1] == 'B')) w[i] = 'Z';
}

void a_after_ii_as_ya(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (w[i] == 'h' && w[i + 1] == 'n') w[i + 1] = kYa;
}

void ura_after_sihari_letter_as_ya(Bytes& w) {
  for (std::size_t i = 0; i + 3 < w.size(); ++i) {
    if (w[i] == 'f' && w[i + 2] == 'T' && (w[i + 3] == '[' || w[i + 3] == '{')) {
      w[i + 2] = kYa;
      w[i + 3] = '{';
    }
  }
}

void va_between_u_and_a_aa(Bytes& w) {
  for (std::size_t i = 0; i + 2 < w.size(); ++i) {
    if (w[i] == '[' && w[i + 1] == 'n' && w[i + 2] == 'k') {
      w.insert(i + 1, 1, 't');
      i += 2;
    }
  }
}

void initial_ura_u_ha_as_oo(Bytes& w) {
  if (w.size() > 2 && w[0] == 'T' && w[1] == '[' && w[2] == 'j') w.replace(0, 2, "U");
}

void sihari_before_ha_as_ai(Bytes& w) {
  constexpr ByteSet kSignsBefore = chars("\"'/?K[k{");
  for (std::size_t i = 1; i + 1 < w.size(); ++i)
    if (!in(kSignsBefore, at(w, i - 1)) && w[i] == 'f' && w[i + 1] == 'j') w[i] = '?';
}

void sihari_after_letter_before_ra(Bytes& w) {
  for (std::size_t i = 0; i + 2 < w.size(); ++i) {
    if (w[i] == 'f' && w[i + 2] == 'q') {
      swap_at(w, i, i + 1);
      i += 1;
    }
  }
}

void inner_bindi_as_tippi(Bytes& w) {
  for (std::size_t i = 1; i + 1 < w.size(); ++i)
    if (w[i] == 'I' || w[i] == 'A') w[i] = 'z';
}

void oo_letter_after_i_as_yo(Bytes& w) {
  for (std::size_t i = 0; i < w.size(); ++i) {
    std::size_t oo = 0;
    if (w[i] == 'f' && at(w, i + 2) == 'U') oo = i + 2;
    if (w[i] == 'h' && at(w, i + 1) == 'U') oo = i + 1;
    if (oo == 0) continue;
    w[oo] = kYa;
    w.insert(oo + 1, 1, '\'');
    i = oo + 1;
  }
}

void final_u_dropped(Bytes& w) {
  const std::size_t n = w.size();
  if (n > 0 && w[n - 1] == '[' && !(n > 1 && w[n - 2] == 'T')) w.erase(n - 1);
}

void sihari_before_last_dropped(Bytes& w) {
  const std::size_t n = w.size();
  if (n >= 2 && w[n - 2] == 'f' && w[n - 1] != 'J' && w[n - 1] != 'e') w.erase(n - 2, 1);
}

void final_sihari_iri_as_iri_ee(Bytes& w) {
  const std::size_t n = w.size();
  if (n > 2 && w[n - 2] == 'f' && w[n - 1] == 'J') w.replace(n - 2, 2, "J/");
}

// Sihari moves behind the character it is written before, once; a sihari
// with nothing after it stays where it is.
void sihari_to_spoken_place(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i) {
    if (w[i] == 'f' && w[i + 1] != 'J') {
      swap_at(w, i, i + 1);
      ++i;
    }
  }
}

void silent_tippi_dropped(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (w[i] == 'z' && w[i + 1] == 'w') w.erase(i, 1);
  for (std::size_t i = 0; i + 2 < w.size(); ++i)
    if (w[i] == 'B' && w[i + 1] == '{' && w[i + 2] == 'z') w.erase(i + 2, 1);
}

}  // namespace

void apply_pronunciation_rules(Bytes& w) {
  lla_as_la(w);
  sihari_iri_after_vowel_as_ya(w);
  nasal_after_ha(w);
  final_iri_ee_after_vowel_as_ya(w);
  la_drops_nukta(w);
  uu_after_a_aa_ura_as_u(w);
  sihari_iri_a_as_ya(w);
  kanna_bindi_drops_a(w);
  a_after_sihari_letter_as_ya(w);
  tippi_before_ma_na_as_addak(w);
  a_after_ii_as_ya(w);
  ura_after_sihari_letter_as_ya(w);
  va_between_u_and_a_aa(w);
  initial_ura_u_ha_as_oo(w);
  sihari_before_ha_as_ai(w);
  sihari_after_letter_before_ra(w);
  inner_bindi_as_tippi(w);
  oo_letter_after_i_as_yo(w);
  final_u_dropped(w);
  sihari_before_last_dropped(w);
  final_sihari_iri_as_iri_ee(w);
  sihari_to_spoken_place(w);
  silent_tippi_dropped(w);
}

}  // namespace quilm
