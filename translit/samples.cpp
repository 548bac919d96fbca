#include "translit/samples.h"

#include <array>

#include "encoding/unicode_output.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"
#include "translit/gurmukhi_to_roman.h"

namespace quilm {
namespace {

using K = SampleKind;

constexpr std::array<Sample, 71> kSamples = {{
    {K::Vowel, "Ew", "aa", "aa.wav"},
    {K::Vowel, "ie", "i", "e.wav"},
    {K::Vowel, "eI", "ee", "ee.wav"},
    {K::Vowel, "au", "u", "o.wav"},
    {K::Vowel, "aU", "oo", "oo.wav"},
    {K::Vowel, "ey", "e", "ei.wav"},
    {K::Vowel, "EY", "ai", "aay.wav"},
    {K::Vowel, "A", "o", "ooh.wav"},
    {K::Vowel, "EO", "au", "ouh.wav"},
    {K::Vowel, "E", "a", "a.wav"},
    {K::Consonant, "s", "s", "saa.wav"},
    {K::Consonant, "h", "h", "haa.wav"},
    {K::Consonant, "k", "k", "kaa.wav"},
    {K::Consonant, "K", "kh", "kha.wav"},
    {K::Consonant, "g", "g", "gaa.wav"},
    {K::Consonant, "G", "gh", "gha.wav"},
    {K::Consonant, "c", "ch", "cha.wav"},
    {K::Consonant, "C", "chh", "chah.wav"},
    {K::Consonant, "j", "j", "jaa.wav"},
    {K::Consonant, "J", "jh", "jha.wav"},
    {K::Consonant, "t", "T", "tainka.wav"},
    {K::Consonant, "T", "Th", "ttha.wav"},
    {K::Consonant, "f", "D", "daa.wav"},
    {K::Consonant, "F", "Dh", "dha.wav"},
    {K::Consonant, "x", "nh", "nai.wav"},
    {K::Consonant, "q", "t", "taa.wav"},
    {K::Consonant, "Q", "th", "tha.wav"},
    {K::Consonant, "d", "d", "dada.wav"},
    {K::Consonant, "D", "dh", "dhada.wav"},
    {K::Consonant, "n", "n", "nana.wav"},
    {K::Consonant, "p", "p", "papa.wav"},
    {K::Consonant, "P", "f", "fafa.wav"},
    {K::Consonant, "b", "b", "baba.wav"},
    {K::Consonant, "B", "bh", "bhabha.wav"},
    {K::Consonant, "m", "m", "mama.wav"},
    {K::Consonant, "X", "y", "yaiya.wav"},
    {K::Consonant, "r", "r", "rara.wav"},
    {K::Consonant, "l", "l", "lala.wav"},
    {K::Consonant, "v", "v", "vava.wav"},
    {K::Consonant, "V", "rh", "rartha.wav"},
    {K::Consonant, "\xC8", "sh", "shasha.wav"},
    {K::Consonant, "\xCB", "z", "jajadot.wav"},
    {K::Word, "EwieEw", "aayaa", "w1.wav"},
    {K::Word, "aUrjw", "oorajaa", "w2.wav"},
    {K::Word, "EMimRq", "amrit", "w3.wav"},
    {K::Word, "ausqrw", "usataraa", "w4.wav"},
    {K::Word, "EwVHqIEw", "aarhateeyaa", "w5.wav"},
    {K::Word, "EYnkwN", "ainakaan", "w6.wav"},
    {K::Word, "EOsLDI", "aushadhee", "w7.wav"},
    {K::Word, "iekSlw", "ikallaa", "w8.wav"},
    {K::Word, "iesweI", "isaaee", "w9.wav"},
    {K::Word, "Ahly", "ohale", "w10.wav"},
    {K::Word, "KrgosL", "kharagosh", "w11.wav"},
    {K::Word, "GMtIEwN", "ghanTeeyaan", "w12.wav"},
    {K::Word, "isMG ", "singh", "w13.wav"},
    {K::Word, "tmwtr", "TamaaTar", "w14.wav"},
    {K::Word, "Tykydwr", "Thekedaar", "w15.wav"},
    {K::Word, "FSkx", "Dhakkanh", "w16.wav"},
    {K::Word, "iqqlI", "titalee", "w17.wav"},
    {K::Word, "sWwidsLt", "swaadishaT", "w18.wav"},
    {K::Word, "cMfIgVH", "chanDeegarh", "w19.wav"},
    {K::Word, "CutIEwN", "chhuTeeyaan", "w20.wav"},
    {K::Word, "sLrIPL", "shareeF", "w21.wav"},
    {K::Word, "Jrny", "jharane", "w22.wav"},
    {K::Word, "DoKybwjL", "dhokebaaz", "w23.wav"},
    {K::Word, "BweIcwrw", "bhaaeechaaraa", "w24.wav"},
    {K::Word, "vwieln", "vaailan", "w25.wav"},
    {K::Word, "gaU", "gaoo", "w26.wav"},
    // A second OO button, and the two buttons that only play a recording.
    {K::Sound, "A", "", "ooh.wav"},
    {K::Sound, "a", "", "aira.wma"},
    {K::Sound, "E", "", "baba.wma"},
}};

std::string_view without_blanks(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

}  // namespace

std::span<const Sample> transliteration_samples() { return kSamples; }

std::string sample_rules_roman(const Sample& sample, const FontConverter& converter) {
  const Bytes pivot = converter.conversion(without_blanks(sample.quilm), font_index::kQuilm, font_index::kPivot, true);
  return transliterate_word(pivot, nullptr).roman;
}

std::string sample_gurmukhi_utf8(const Sample& sample, const FontConverter& converter) {
  const Bytes pivot = converter.conversion(without_blanks(sample.quilm), font_index::kQuilm, font_index::kPivot, true);
  return to_utf8(GurToUnicode(pivot));
}

}  // namespace quilm
