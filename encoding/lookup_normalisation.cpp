// convert_for_gurmukhi and its passes.
#include "encoding/lookup_normalisation.h"

#include <utility>

#include "encoding/byte_set.h"
#include "encoding/cleaning.h"
#include "encoding/nukta_composition.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

using namespace pivot;

constexpr ByteSet kSignsBindiFollows{kSignEE, kSignAI, kSignOO, kSignAU};
constexpr ByteSet kBelow{kSubjoinedVA, kSubjoinedHA, kSignU, kSubjoinedRA, kSignUU};
constexpr ByteSet kAbove{kSignAU, kSignOO, kSignEE, kSignAI, kBindi3, kBindi, kAddak, kTippi};
// Signs that may stand between LA and its nukta in specialcharacters.
constexpr ByteSet kBetweenLaAndNukta{0x22, 0x27, 0x2B, 0x2F, 0x3F, 0x41, 0x49, 0x50, 0x51,
                                     0x5A, 0x5B, 0x60, 0x68, 0x6B, 0x71, 0x7A, 0x7B};

std::uint8_t at(BytesView w, std::size_t i) { return i < w.size() ? byte_at(w, i) : 0; }

// Pass 1 of newcases: URA U, A AI and LA nukta become their one-glyph forms.
Bytes join_pairs(BytesView w) {
  Bytes out;
  out.reserve(w.size());
  for (std::size_t i = 0; i < w.size(); ++i) {
    const std::uint8_t b = byte_at(w, i), next = at(w, i + 1);
    const bool pair = i + 1 < w.size();
    if (pair && b == kUra && next == kSignU) out.push_back('\xA2');
    else if (pair && b == kLetterA && next == kSignAI) out.push_back('\xA3');
    else if (pair && b == 0x62 && next == kNukta) out.push_back('\xE6');
    else {
      out.push_back(static_cast<char>(b));
      continue;
    }
    ++i;
  }
  return out;
}

// In place, one scan: a bindi before EE, AI, OO or AU changes places with it.
void bindi_behind_top_signs(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (byte_at(w, i) == kBindi && kSignsBindiFollows.contains(w[i + 1])) std::swap(w[i], w[i + 1]);
}

void one_bindi_and_addak_glyph(Bytes& w) {
  for (char& c : w) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b == kAddak2) c = static_cast<char>(kAddak);
    else if (b == kBindi2 || b == kBindi3) c = static_cast<char>(kBindi);
  }
}

// Pass 5 of newcases: the bindi goes after a following EE, AI, OO, AU or II,
// and a second bindi after it is dropped.
Bytes bindi_after_vowel_sign(BytesView w) {
  constexpr ByteSet kSigns{kSignAU, kSignOO, kSignEE, kSignAI, kSignII};
  Bytes out;
  out.reserve(w.size());
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (byte_at(w, i) == kBindi && i + 1 < w.size() && kSigns.contains(w[i + 1])) {
      out.push_back(w[i + 1]);
      out.push_back(static_cast<char>(kBindi));
      i += at(w, i + 2) == kBindi && i + 2 < w.size() ? 2 : 1;
      continue;
    }
    out.push_back(w[i]);
  }
  return out;
}

// Step 6 of convert_for_gurmukhi: one-glyph forms spelt out.
Bytes expand_one_glyph_forms(BytesView w) {
  Bytes out;
  out.reserve(w.size() + 4);
  for (char c : w) {
    switch (static_cast<std::uint8_t>(c)) {
      case 0x4B: out += "\x6B\x49"; break;
      case 0x57: out += "\x6F\x5B"; break;
      case 0x2B: out += "\x3F\x49"; break;
      case 0xB5: case 0xC5: out += '\x46'; break;
      case 0x95: out += '\x5D'; break;
      case 0x96: out += '\x5C'; break;
      case 0x97: out += '\x7D'; break;
      case 0x8C: case 0xD5: out += "\x7A\x5B"; break;
      case 0x7E: out += "\x42\x7B\x7A"; break;
      default: out += c;
    }
  }
  return out;
}

// Step 7: a sign written below before a sign written above changes places
// with it, in one scan.
void below_before_above(Bytes& w) {
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (kBelow.contains(w[i]) && kAbove.contains(w[i + 1])) std::swap(w[i], w[i + 1]);
}

void final_glyph_forms(Bytes& w) {
  for (char& c : w)
    if (static_cast<std::uint8_t>(c) == kAddak2) c = static_cast<char>(kAddak);
  for (char& c : w)
    if (static_cast<std::uint8_t>(c) == kBindi3) c = static_cast<char>(kBindi2);
}

void clean(Bytes& w) {
  removing_spaces_in_place(w);
  removing_bindi_in_place(w);
  double_a_in_place(w);
  aunkar_dulankar_in_place(w);
  removing_pairwalibindi_in_place(w);
}

}  // namespace

Bytes newcases(BytesView word) {
  Bytes w = join_pairs(word);
  bindi_behind_top_signs(w);
  one_bindi_and_addak_glyph(w);
  w = newspecialcases(w);
  return bindi_after_vowel_sign(w);
}

Bytes newspecialcases(BytesView w) {
  Bytes out;
  out.reserve(w.size());
  for (std::size_t i = 0; i < w.size(); ++i) {
    const std::uint8_t b = byte_at(w, i), next = at(w, i + 1);
    const bool pair = i + 1 < w.size();
    if (pair && b == kBindi2 && next == kBindi) {
      out.push_back(static_cast<char>(kBindi));
      ++i;
    } else if (pair && b == kSignII && (next == kSubjoinedHA || next == kSubjoinedRA || next == kSubjoinedVA)) {
      out.push_back(static_cast<char>(next));
      out.push_back(static_cast<char>(kSignII));
      ++i;
    } else if (i + 2 < w.size() && b == kUra && next == kAddak && at(w, i + 2) == kSignU) {
      out += "\xA2\x5A";
      i += 2;
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return out;
}

Bytes removing_extra_hyphen(BytesView word) {
  const BytesView w = word.substr(0, kLookupWordCapacity);
  Bytes out;
  out.reserve(w.size());
  for (char c : w)
    if (!(static_cast<std::uint8_t>(c) == kHyphen && !out.empty() && static_cast<std::uint8_t>(out.back()) == kHyphen))
      out.push_back(c);
  if (out.size() > 1 && static_cast<std::uint8_t>(out.back()) == kHyphen) out.pop_back();
  return out;
}

Bytes specialcharacters(BytesView word) {
  Bytes w(word);  // the bindi rule lets a sign overtake it in place
  Bytes out;
  out.reserve(w.size());
  for (std::size_t i = 0; i < w.size(); ++i) {
    const std::uint8_t b = byte_at(w, i), next = at(w, i + 1), third = at(w, i + 2);
    const bool pair = i + 1 < w.size(), triple = i + 2 < w.size();
    if (pair && b == kUra && next == kSignU) {
      out.push_back('\xA2');
      i += 1;
    } else if (triple && b == kUra && third == kSignU) {
      out.push_back('\xA2');
      out.push_back(static_cast<char>(next));
      i += 2;
    } else if (pair && b == kLetterA && next == kSignAI) {
      out.push_back('\xA3');
      i += 1;
    } else if (pair && b == 0x62 && next == kNukta) {
      out.push_back('\xE6');
      i += 1;
    } else if (triple && b == 0x62 && third == kNukta && kBetweenLaAndNukta.contains(next)) {
      out.push_back('\xE6');
      out.push_back(static_cast<char>(next));
      i += 2;
    } else if (pair && b == kBindi && kSignsBindiFollows.contains(next)) {
      out.push_back(static_cast<char>(next));  // the sign first; the bindi is looked at again
      w[i + 1] = static_cast<char>(kBindi);
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return out;
}

LookupForm convert_for_gurmukhi(BytesView word) {
  LookupForm form;
  Bytes w = newcases(word);
  if (w.size() > 1) {
    const Bytes reference = w;
    clean(w);
    form.changed = w != reference;
    w = removing_extra_hyphen(w);
    if (!w.empty() && byte_at(w, 0) == kHyphen) w.erase(0, 1);
    w = specialcharacters(newspecialcases(w));
  }
  compose_nukta_consonants(w);
  w = expand_one_glyph_forms(w);
  below_before_above(w);
  final_glyph_forms(w);
  aunkar_dulankar_in_place(w);
  form.word = std::move(w);
  return form;
}

}  // namespace quilm
