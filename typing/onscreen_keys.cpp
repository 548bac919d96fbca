// The buttons of the on-screen keyboard and their hints.
#include "typing/onscreen_keys.h"

#include <algorithm>
#include <array>

#include "fonts/font_index.h"
#include "typing/typing_state.h"

namespace quilm::typing {
namespace {

// number, row, inserts, caption, Morvend_P, Romanised hint, hint text, Quilm keys
constexpr std::array kKeys = std::to_array<OnscreenKey>({
    // Row 1: the vowels, then the consonants.
    {173, 1, "au", "", false, "u", "", ""},
    {174, 1, "aU", "", false, "oo U", "", ""},
    {177, 1, "A", "", false, "o", "", ""},
    {82, 1, "E", "", false, "a", "", ""},
    {170, 1, "Ew", "", false, "aa A", "", ""},
    {176, 1, "EY", "", false, "ai E", "", ""},
    {178, 1, "EO", "", false, "au O", "", ""},
    {171, 1, "ie", "", false, "i", "", ""},
    {172, 1, "eI", "", false, "ee I", "", ""},
    {175, 1, "ey", "", false, "e", "", ""},
    {189, 1, "a", "", false, "", "", ""},
    {190, 1, "E", "", false, "a", "", ""},
    {191, 1, "e", "", false, "", "", ""},
    {192, 1, "s", "", false, "s", "", ""},
    {193, 1, "h", "", false, "h", "", ""},
    {194, 1, "k", "", false, "k q", "", ""},
    {195, 1, "K", "", false, "kh", "", ""},
    {196, 1, "g", "", false, "g", "", ""},
    {197, 1, "G", "", false, "gh", "", ""},
    {184, 1, "Z", "", false, "X", "", ""},
    {180, 1, "c", "", false, "c ch", "", ""},
    {181, 1, "C", "", false, "chh", "", ""},
    {182, 1, "j", "", false, "j", "", ""},
    {183, 1, "J", "", false, "jh", "", ""},
    {198, 1, "z", "", false, "x", "", ""},
    {185, 1, "t", "", false, "T", "", ""},
    {186, 1, "T", "", false, "Th", "", ""},
    {187, 1, "f", "", false, "D", "", ""},
    {188, 1, "F", "", false, "Dh", "", ""},
    {199, 1, "x", "", false, "nh", "", ""},
    // Row 2: consonants, the dotted letters, the subjoined signs, vowel signs.
    {200, 2, "q", "", false, "t", "", ""},
    {201, 2, "Q", "", false, "th", "", ""},
    {202, 2, "d", "", false, "d", "", ""},
    {203, 2, "D", "", false, "dh", "", ""},
    {204, 2, "n", "", false, "n", "", ""},
    {205, 2, "p", "", false, "p", "", ""},
    {206, 2, "P", "", false, "f ph", "", ""},
    {207, 2, "b", "", false, "b", "", ""},
    {208, 2, "B", "", false, "bh", "", ""},
    {209, 2, "m", "", false, "m", "", ""},
    {210, 2, "X", "", false, "y", "", ""},
    {211, 2, "r", "", false, "r", "", ""},
    {212, 2, "l", "", false, "l", "", ""},
    {213, 2, "v", "", false, "v w", "", ""},
    {214, 2, "V", "", false, "rh", "", ""},
    {215, 2, "\xC8", "", false, "sh", "", "sL"},
    {216, 2, "\xC9", "", false, "Kh", "", "KL"},
    {217, 2, "\xCA", "", false, "G", "", "gL"},
    {218, 2, "\xCB", "", false, "z", "", "jL"},
    {179, 2, "\xCC", "", false, "F", "", "PL"},
    {219, 2, "\xDC", "", false, "L", "", "lL"},
    {220, 2, "H", "", false, "H", "", ""},
    {221, 2, "R", "", true, "R", "", ""},
    {222, 2, "W", "", true, "V", "", ""},
    {224, 2, "w", "", false, "aa A", "", ""},
    {241, 2, "\xA2", "", false, "", "wN", ""},
    {225, 2, "i", "", false, "i", "", ""},
    {226, 2, "I", "", false, "ee I", "", ""},
    {227, 2, "u", "", false, "u", "", ""},
    {228, 2, "U", "", true, "oo U", "", ""},
    // Row 3: signs, digits, punctuation and quotation marks.
    {229, 3, "y", "", false, "e", "", ""},
    {230, 3, "Y", "", false, "ai E", "", ""},
    {231, 3, "o", "", false, "o", "", ""},
    {232, 3, "O", "", false, "au O", "", ""},
    {233, 3, "N", "", false, "N M", "", ""},
    {234, 3, "M", "", false, "N M", "", ""},
    {235, 3, "S", "", false, "S or double letter", "", ""},
    {4, 3, "\xF1", "", false, "", "", ""},
    {5, 3, "\xF2", "", false, "", "", ""},
    {6, 3, "\xF3", "", false, "", "", ""},
    {7, 3, "\xF4", "", false, "", "", ""},
    {8, 3, "\xF5", "", false, "", "", ""},
    {9, 3, "\xF6", "", false, "", "", ""},
    {10, 3, "\xF7", "", false, "", "", ""},
    {11, 3, "\xF8", "", false, "", "", ""},
    {12, 3, "\xF9", "", false, "", "", ""},
    {13, 3, "\xFA", "", false, "", "", ""},
    {237, 3, "|", "", false, "", "", ""},
    {236, 3, ",", "", false, "", "", ""},
    {3, 3, "!", "", false, "", "", ""},
    {18, 3, ";", "", false, "", "", ""},
    {239, 3, "?", "", false, "", "", ""},
    {238, 3, ".", "", false, "", "", ""},
    {242, 3, "\xD2", "", false, "", "", ""},
    {14, 3, "\x91", "", false, "", "", ""},
    {15, 3, "\x92", "", false, "", "", ""},
    {16, 3, "\x93", "", false, "", "", ""},
    {17, 3, "\x94", "", false, "", "", ""},
    {240, 3, "\xC7", "", false, "", "", ""},
    {243, 3, "\xC3\xC4", "", false, "", "", ""},
    // Row 4: frequent words, each inserted with a blank after it.
    {244, 4, "aus ", "aus", false, "", "", ""},
    {245, 4, "auh ", "auh", false, "", "", ""},
    {250, 4, "aunH\xA2 ", "aunH\xA2", false, "", "", ""},
    {246, 4, "Eqy ", "Eqy", false, "", "", ""},
    {247, 4, "ies ", "ies", false, "", "", ""},
    {248, 4, "ieh ", "ieh", false, "", "", ""},
    {258, 4, "isMG ", "isMG", false, "", "", ""},
    {249, 4, "sI ", "sI", false, "", "", ""},
    {252, 4, "hn ", " hn ", false, "", "", ""},
    {264, 4, "huMdw ", "huMdw", false, "", "", ""},
    {251, 4, "hY ", "hY", false, "", "", ""},
    {253, 4, "ik ", "ik", false, "", "", ""},
    {254, 4, "ky ", "ky", false, "", "", ""},
    {21, 4, "ijs ", "ijs", false, "", "", ""},
    {22, 4, "ijnH\xA2 ", "ijnH\xA2", false, "", "", ""},
    {23, 4, "qrH\xA2 ", "qrH\xA2", false, "", "", ""},
    {255, 4, "q\xA2 ", "q\xA2", false, "", "", ""},
    {256, 4, "qy ", "qy", false, "", "", ""},
    {257, 4, "qoN ", "qoN", false, "", "", ""},
    {260, 4, "dw ", "dw", false, "", "", ""},
    {261, 4, "dy ", "dy", false, "", "", ""},
    {262, 4, "dI ", "dI", false, "", "", ""},
    {263, 4, "nhIN ", "nhIN", false, "", "", ""},
    {20, 4, "nwnk ", "nwnk", false, "", "", ""},
    {265, 4, "\x83 ", "\x83", false, "", "", ""},
    {259, 4, "pMjwb ", "pMjwb", false, "", "", ""},
    {266, 4, "mYN ", "mYN", false, "", "", ""},
    {19, 4, "leI ", "leI", false, "", "", ""},
    {267, 4, "ivc ", "ivc", false, "", "", ""},
    {268, 4, "vI ", "vI", false, "", "", ""},
});

}  // namespace

std::span<const OnscreenKey> onscreen_keys() { return kKeys; }

const OnscreenKey* onscreen_key(int number) {
  const auto* it = std::find_if(kKeys.begin(), kKeys.end(), [&](const OnscreenKey& k) { return k.number == number; });
  return it == kKeys.end() ? nullptr : &*it;
}

Bytes key_caption(const OnscreenKey& key) { return Bytes(key.caption.empty() ? key.inserts : key.caption); }

std::optional<Bytes> onscreen_hint(const OnscreenKey& key, int keyboard_layout, int font_index,
                                   const FontConverter& converter) {
  if (keyboard_layout == kRomanisedLayout) {
    if (key.romanised.empty()) return std::nullopt;
    return Bytes(key.romanised);
  }
  if (key.row == 4) return std::nullopt;
  if (font_index == font_index::kQuilm && !key.quilm_keys.empty()) return Bytes(key.quilm_keys);
  const std::string_view text = key.hint_text.empty() ? key.inserts : key.hint_text;
  return converter.conversion(text, font_index::kQuilm, font_index, false);
}

}  // namespace quilm::typing
