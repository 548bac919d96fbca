#include "translit/roman_key.h"

#include "encoding/cleaning.h"
#include "translit/word_bytes.h"

namespace quilm {
namespace {

using namespace translit_detail;

// The second glyphs of addak and bindi read as the first.
void standard_nasal_glyphs(Bytes& w) {
  for (char& c : w) {
    if (c == 0x60) c = 'Z';
    if (c == 'A') c = 'I';
  }
}

void clean(Bytes& w) {
  special_characters_in_place(w);
  removing_spaces_in_place(w);
  special_characters_in_place(w);
  aunkar_dulankar_in_place(w);
  removing_bindi_in_place(w);
  double_a_in_place(w);
  removing_pairwalibindi_in_place(w);
}

// SA, GA, KHA, JA, PHA with a nukta (directly, or after one sign) become
// SHA, GHHA, KHHA, ZA, FA (followed by that sign).
char dotted_letter(std::uint8_t letter) {
  switch (letter) {
    case ';': return 'F';
    case 'r': return '|';
    case 'y': return ']';
    case 'i': return '}';
    case 'c': return '\\';
    default: return 0;
  }
}

void compose_nukta(Bytes& w) {
  constexpr ByteSet kSignBeforeNukta = chars("\"'+/?AHIZ[\x60" "fhkz{");
  for (std::size_t i = 0; i < w.size(); ++i) {
    const char dotted = dotted_letter(byte_at(w, i));
    if (!dotted) continue;
    if (at(w, i + 1) == 'a') {
      w[i] = dotted;
      w.erase(i + 1, 1);
    } else if (in(kSignBeforeNukta, at(w, i + 1)) && at(w, i + 2) == 'a') {
      w[i] = dotted;
      w.erase(i + 2, 1);
      ++i;
    }
  }
}

void expand_ligatures(Bytes& w) {
  Bytes out;
  out.reserve(w.size() + 4);
  for (char c : w) {
    switch (c) {
      case 'K': out += "kI"; break;
      case 'W': out += "o["; break;
      case '+': out += "?I"; break;
      case '~': out += "B{z"; break;
      case '_': out += 'I'; break;
      default: out += c;
    }
  }
  w = std::move(out);
}

// One left-to-right pass that exchanges the characters at i + a and i + b
// wherever `matches(w, i)` holds; after an exchange the scan goes on behind it.
template <typename Match>
void exchange_pass(Bytes& w, std::size_t a, std::size_t b, Match matches) {
  for (std::size_t i = 0; i + b < w.size();) {
    if (matches(w, i)) {
      swap_at(w, i + a, i + b);
      i += b + 1;
    } else {
      ++i;
    }
  }
}

void reorder_signs(Bytes& w) {
  constexpr ByteSet kSubjoined = chars("PQq");
  constexpr ByteSet kBeforeSubjoined = chars("?/'\"zaKk");
  constexpr ByteSet kUSigns = chars("[{");
  constexpr ByteSet kAfterTippi = chars("[{k?/\"'");
  constexpr ByteSet kAfterBindi = chars("h?/'\"");
  constexpr ByteSet kBelowSigns = chars("PQ[q{");
  constexpr ByteSet kM = chars("\"'/?AIZ\x60z");

  exchange_pass(w, 0, 1, [&](BytesView s, std::size_t i) {
    return in(kBeforeSubjoined, at(s, i)) && in(kSubjoined, at(s, i + 1));
  });
  exchange_pass(w, 1, 2, [&](BytesView s, std::size_t i) { return at(s, i) == 'T' && in(kUSigns, at(s, i + 2)); });
  exchange_pass(w, 0, 1, [&](BytesView s, std::size_t i) { return at(s, i) == 'z' && in(kAfterTippi, at(s, i + 1)); });
  exchange_pass(w, 0, 1, [&](BytesView s, std::size_t i) {
    return (at(s, i) == 'Z' && at(s, i + 1) == '[') || (at(s, i) == 'I' && in(kAfterBindi, at(s, i + 1)));
  });
  exchange_pass(w, 0, 1, [&](BytesView s, std::size_t i) { return at(s, i) == 'Z' && in(kBelowSigns, at(s, i + 1)); });
  exchange_pass(w, 0, 2, [&](BytesView s, std::size_t i) {
    return at(s, i) == 'Z' && in(kBelowSigns, at(s, i + 1)) && in(kBelowSigns, at(s, i + 2));
  });
  exchange_pass(w, 0, 2, [&](BytesView s, std::size_t i) {
    return in(kM, at(s, i)) && in(kM, at(s, i + 1)) && in(kSubjoined, at(s, i + 2));
  });
  exchange_pass(w, 0, 1, [&](BytesView s, std::size_t i) { return in(kM, at(s, i)) && in(kSubjoined, at(s, i + 1)); });
  exchange_pass(w, 0, 1, [&](BytesView s, std::size_t i) { return at(s, i) == 'I' && in(kM, at(s, i + 1)); });
}

}  // namespace

Bytes roman_key(BytesView word) {
  Bytes w(word);
  standard_nasal_glyphs(w);
  clean(w);
  compose_nukta(w);
  expand_ligatures(w);
  reorder_signs(w);
  return w;
}

}  // namespace quilm
