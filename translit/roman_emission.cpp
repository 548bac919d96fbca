#include "translit/roman_emission.h"

#include <array>
#include <string_view>

#include "translit/roman_tables.h"
#include "translit/word_bytes.h"

namespace quilm {
namespace {

using namespace translit_detail;

// Characters before which no inherent vowel is spoken, and after which none is.
constexpr ByteSet with_high_bytes(ByteSet set) {
  for (int b = 0x7F; b <= 0xFF; ++b) set.insert(static_cast<std::uint8_t>(b));
  return set;
}
constexpr ByteSet kNoVowelBefore = with_high_bytes(chars("\"#'./?@AIKU[_\x60" "afhknq{"));
constexpr ByteSet kNoVowelAfter = with_high_bytes(chars("\"'/?AIJKTUZ[_\x60" "afhknz{"));
// Letters that an addak doubles as letter + "h", and among them the
// aspirates, which an addak doubles as their unaspirated partner + letter + "h".
constexpr ByteSet kDoubledWithH = chars("\"CDEFGJMRSVWXY]muxy{");
constexpr ByteSet kAspirates = chars("EGMSXY]mxy");

// Characters spelled with more than one Roman letter wherever they stand.
struct Spelling {
  char character;
  std::string_view roman;
};
constexpr std::array<Spelling, 25> kSpellings = {{
    {'"', "au"}, {'?', "ai"},  {'C', "ng"},  {'D', "nh"}, {'E', "th"},  {'F', "sh"},
    {'G', "bh"}, {'M', "jh"},  {'R', "Ny"},  {'S', "chh"}, {'V', "rh"}, {'W', "ru"},
    {'X', "dh"}, {'Y', "Dh"},  {']', "kh"},  {'h', "ee"}, {'k', "aa"},  {'m', "Th"},
    {'u', "ch"}, {'x', "gh"},  {'y', "kh"},  {'{', "oo"}, {'\xBB', "ik onkaar"},
    {'\xBC', "khanDaa"}, {'\xBD', ".."},
}};

constexpr std::array<std::string_view, 256> spelling_table() {
  std::array<std::string_view, 256> table{};
  for (const Spelling& s : kSpellings) table[static_cast<std::uint8_t>(s.character)] = s.roman;
  return table;
}
constexpr std::array<std::string_view, 256> kSpellingOf = spelling_table();

// The consonant after an addak, doubled.
void append_doubled(std::uint8_t c, std::string& out) {
  if (in(kDoubledWithH, c) && in(kAspirates, c)) {
    append_aspirate_base(c, out);
    append_roman_letter(c, out);
    out += 'h';
  } else if (in(kDoubledWithH, c)) {
    append_roman_letter(c, out);
    out += 'h';
  } else {
    append_roman_letter(c, out);
    append_roman_letter(c, out);
  }
}

// Appends the spelling of the characters at i; returns how many it used up.
std::size_t spell_at(BytesView w, std::size_t i, std::string& out) {
  const std::uint8_t c = at(w, i), next = at(w, i + 1), third = at(w, i + 2);
  const bool first = i == 0;
  auto put = [&](std::string_view text, std::size_t used) {
    out += text;
    return used;
  };
  if (c == 'b' && next == 'a') return put("l", 2);
  if (c == 'b' && next == '/' && third == 'a') return put("le", 3);
  if (c == '&') return put("", 2);
  if (c == 'T' && next == '[') return put("u", 2);
  if (c == 'T' && next == '{') return put("oo", 2);
  if (c == 'Z' && next == 'J' && third == 'h') return put("aee", 3);
  if (c == 'Z') {
    append_doubled(next, out);
    return 2;
  }
  if (c == 'J' && next == 'h') return put(first ? "i" : "ee", 2);
  if (c == 'J' && next == '/') return put(first ? "e" : "ae", 2);
  if (c == 'V' && next == 'Q') return put("rh", 2);
  if (c == 'f' && next == 'J') return put("i", 2);
  if (c == 'f') return put("i", 1);
  if (c == 'n' && next == 'k' && (third == 'I' || third == '_' || third == 'A')) return put("aan", 3);
  if (c == 'n' && next == 'k') return put("aa", 2);
  if (c == 'n' && next == '?') return put("ai", 2);
  if (c == 'n' && next == '"') return put("au", 2);
  if (c == 'J' && next == 'n') return put(first ? "i" : "ee", 2);
  if (c == '~') return put("noo", 2);
  if (const std::string_view s = kSpellingOf[c]; !s.empty()) return put(s, 1);
  if (c == 'z' && (next == 'g' || next == 'p')) return put("m", 1);
  append_roman_letter(c, out);
  return 1;
}

}  // namespace

std::string emit_roman(BytesView w) {
  std::string out;
  out.reserve(w.size() * 2);
  const std::size_t n = w.size();
  for (std::size_t i = 0; i < n;) {
    if (i >= 1 && !in(kNoVowelBefore, at(w, i)) && !in(kNoVowelAfter, at(w, i - 1))) out += 'a';
    i += spell_at(w, i, out);
  }
  return out;
}

namespace {

bool is_vowel_letter(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// "gura" before a consonant loses its "a" (gurabaanhee: gurbaanhee).
void gura_before_consonant(std::string& r) {
  if (r.size() < 5) return;
  for (std::size_t p = r.find("gura"); p != std::string::npos; p = r.find("gura", p + 1))
    if (p + 4 < r.size() && !is_vowel_letter(r[p + 4])) r.erase(p + 3, 1);
}

// "aae" not followed by "e" loses an "a", then "aaa" loses one; scanned up to
// the next-to-last position of the text as it stands.
void three_vowels(std::string& r) {
  for (std::size_t p = 0; p + 3 < r.size(); ++p)
    if (r.compare(p, 3, "aae") == 0 && r[p + 3] != 'e') r.erase(p + 1, 1);
  for (std::size_t p = 0; p + 2 < r.size(); ++p)
    if (r.compare(p, 3, "aaa") == 0) r.erase(p + 1, 1);
}

void ia_as_i(std::string& r) {
  for (std::size_t p = r.find("ia"); p != std::string::npos; p = r.find("ia", p + 1)) r.erase(p + 1, 1);
}

void initial_sav_as_sw(std::string& r) {
  if (r.size() > 3 && r.compare(0, 3, "sav") == 0) r.replace(0, 3, "sw");
}

}  // namespace

void adjust_roman(std::string& r) {
  gura_before_consonant(r);
  three_vowels(r);
  ia_as_i(r);
  initial_sav_as_sw(r);
}

}  // namespace quilm
