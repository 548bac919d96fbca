#include "roman/spelling_generation.h"

#include <algorithm>
#include <unordered_set>

#include "encoding/byte_set.h"
#include "roman/roman_rules.h"

namespace quilm {
namespace {

bool is_vowel_letter(char c) { return std::string_view("AEIOUaeiou").find(c) != std::string_view::npos; }
bool is_consonant_letter(char c) { return c != '\0' && !is_vowel_letter(c); }

// One spelling pass: `pattern` becomes `replacement` wherever it stands
// (from the second letter on when `not_first`, only at the end when
// `at_end`, only in words longer than `longer_than`).
struct Pass {
  std::string_view pattern;
  std::string_view replacement;
  bool not_first = false;
  bool at_end = false;
  std::size_t longer_than = 0;
  // A further condition on the letters around the match at `at`, if any.
  bool (*fits)(std::string_view word, std::size_t at) = nullptr;
};

bool is_one_of(std::string_view word, std::size_t i, std::string_view set) {
  return i < word.size() && set.find(word[i]) != std::string_view::npos;
}
// An inherent a that may stand for kanna: no vowel after it, none of A a e i o before it.
bool short_a_before_consonant(std::string_view w, std::size_t at) {
  return !is_one_of(w, at + 1, "Aaeiou") && (at == 0 || !is_one_of(w, at - 1, "Aaeio"));
}
bool short_a_between_consonants(std::string_view w, std::size_t at) {
  return !is_one_of(w, at + 1, "Aaeiou") && (at == 0 || !is_one_of(w, at - 1, "Aaeiou"));
}

// The passes in the order they are tried.
constexpr Pass kPasses[] = {
    {"ung", "ang"},         {"aou", "au"},          {"ao", "au"},           {"ae", "Ae"},
    {"ai", "Ai"},           {"yae", "yai"},         {"oey", "oiy"},         {"aa", "Aa", false, true, 3},
    {"a", "A", false, false, 0, short_a_before_consonant},
    {"a", "A", false, false, 0, short_a_between_consonants},
    {"ean", "ian"},         {"eon", "ion"},         {"aea", "aia"},         {"ea", "ia", false, true},
    {"dv", "dV"},           {"sv", "sV"},           {"dw", "dV"},           {"sw", "sV"},
    {"d", "D"},             {"t", "T"},             {"f", "F"},             {"l", "L"},
    {"o", "O"},             {"g", "G"},             {"kh", "Kh"},           {"bh", "B"},
    {"b", "B"},             {"j", "J"},             {"n", "N", true},       {"r", "rh", true},
    {"i", "ee"},            {"u", "oo", true},      {"ai", "aaee", false, true}, {"iy", "ee"},
    {"eea", "eeA"},         {"ay", "ai"},           {"br", "bR"},           {"gr", "gR"},
    {"kr", "kR"},           {"pr", "pR"},           {"tr", "tR"},           {"dr", "dR"},
    {"ia", "iA"},           {"ea", "Ea"},           {"ei", "ee"},           {"d", "dh"},
    {"D", "Dh"},            {"d", "rh"},            {"umb", "amb"},         {"ump", "amp"},
    {"au", "ahu"},          {"oye", "oe"},          {"eh", "ih"},           {"ei", "ai"},
    {"ai", "ahi"},          {"au", "aoo"},          {"au", "aU"},           {"ey", "e"},
    {"ay", "e"},            {"ire", "Air", false, false, 3},
};

std::size_t start_of(const Pass& pass) { return pass.not_first ? 1 : 0; }

class FormList {
 public:
  explicit FormList(const RomanKnownWords& known) : known_(known) {}

  // Adds (roman, its spelling) when the spelling is new; beyond the free
  // forms only a confirmed spelling is added, and never beyond the most.
  bool add(std::string roman) {
    if (forms_.size() >= kMostRomanForms) return false;
    Bytes pivot = spell_roman_by_rules(roman, RomanEngine::Simple);
    if (pivot.empty() || seen_.count(pivot) != 0) return false;
    if (forms_.size() >= kFreeRomanForms && !known_.ScanDictionaryAndCorpus(pivot)) return false;
    seen_.insert(pivot);
    forms_.push_back({std::move(roman), std::move(pivot)});
    return true;
  }
  std::vector<RomanForm>& forms() { return forms_; }

 private:
  const RomanKnownWords& known_;
  std::unordered_set<Bytes> seen_;
  std::vector<RomanForm> forms_;
};

// Applies one pass to every form that stands when it starts. A match whose
// spelling is already known stays in the working copy, so that the next
// match builds on it; a new form starts the copy afresh.
void apply_pass(const Pass& pass, FormList& list) {
  const std::size_t standing = list.forms().size();
  for (std::size_t k = 0; k < standing; ++k) {
    const std::string original = list.forms()[k].roman;
    if (original.size() <= pass.longer_than) continue;
    std::string copy = original;
    for (std::size_t at = copy.find(pass.pattern, start_of(pass)); at != std::string::npos;
         at = copy.find(pass.pattern, at)) {
      if ((pass.at_end && at + pass.pattern.size() != copy.size()) || (pass.fits && !pass.fits(copy, at))) {
        at += 1;
        continue;
      }
      copy.replace(at, pass.pattern.size(), pass.replacement);
      const std::size_t next = at + pass.replacement.size();
      if (list.add(copy)) copy = original;
      at = std::min(next, copy.size());
      if (list.forms().size() >= kMostRomanForms) return;
    }
  }
}

// Every inherent-vowel "a" between two consonants dropped, in one form.
std::string without_short_a(const std::string& roman) {
  std::string out;
  for (std::size_t i = 0; i < roman.size(); ++i) {
    const bool between = i > 0 && i + 1 < roman.size() && is_consonant_letter(roman[i - 1]) &&
                         is_consonant_letter(roman[i + 1]) && roman[i - 1] != roman[i + 1] && roman[i + 1] != 'h' &&
                         roman[i + 1] != 'y';
    if (roman[i] == 'a' && between) continue;
    out += roman[i];
  }
  return out;
}

// The letters after which an addak or tippi may come (set A), and the
// letters an addak may double (set B: set A without NA, HA, the U sign, the
// A carrier and MA, with sihari).
constexpr ByteSet kBeforeMark{0x3A, 0x3B, 0x42, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E,
                              0x53, 0x56, 0x58, 0x59, 0x5B, 0x5C, 0x5D, 0x62, 0x63, 0x64, 0x65, 0x67, 0x69, 0x6A,
                              0x6D, 0x6E, 0x6F, 0x70, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7C, 0x7D};
constexpr ByteSet kDoublable = [] {
  ByteSet set = kBeforeMark;
  for (std::uint8_t b : {0x42, 0x6A, 0x5B, 0x6E, 0x77}) set.erase(b);
  set.insert(0x66);
  return set;
}();

char at_or_zero(BytesView word, std::size_t i) { return i < word.size() ? word[i] : '\0'; }

}  // namespace

std::vector<RomanForm> roman_forms(std::string_view roman, const RomanKnownWords& known) {
  std::string x(roman);
  if (x.size() > 2 && x.back() == 'a' && !is_vowel_letter(x[x.size() - 2])) x.back() = 'A';
  FormList list(known);
  list.add(x);
  for (const Pass& pass : kPasses) apply_pass(pass, list);
  const std::size_t standing = list.forms().size();
  for (std::size_t k = 0; k < standing; ++k) list.add(without_short_a(list.forms()[k].roman));
  return std::move(list.forms());
}

std::vector<Bytes> GenerateChhForms(BytesView word) {
  std::vector<Bytes> out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != 0x75) continue;
    Bytes variant(word);
    variant[i] = 0x53;
    out.push_back(std::move(variant));
  }
  return out;
}

std::vector<Bytes> GenerateAddakForms(BytesView word) {
  std::vector<Bytes> out;
  for (std::size_t i = 0; i + 1 < word.size(); ++i) {
    if (!kBeforeMark.contains(static_cast<std::uint8_t>(word[i]))) continue;
    const char next = word[i + 1];
    const char after = at_or_zero(word, i + 2);
    Bytes variant(word);
    if (kDoublable.contains(static_cast<std::uint8_t>(next))) {
      const bool nasal = next == 0x66 && (after == 0x42 || after == 0x77);
      variant.insert(i + 1, 1, nasal ? 0x7A : 0x5A);
    } else if (next == 0x42 || next == 0x77) {
      variant.insert(i + 1, 1, 0x7A);
    } else {
      continue;
    }
    out.push_back(std::move(variant));
  }
  return out;
}

std::vector<Bytes> GenerateAllForms(std::string_view roman, const std::vector<Bytes>& fixed,
                                    const RomanKnownWords& known, std::size_t limit) {
  std::vector<Bytes> out;
  std::unordered_set<Bytes> given(fixed.begin(), fixed.end());
  auto offer = [&](const Bytes& pivot) {
    if (out.size() >= limit || given.count(pivot) != 0 || !known.ScanDictionaryAndCorpus(pivot)) return;
    given.insert(pivot);
    out.push_back(pivot);
  };
  for (const RomanForm& form : roman_forms(roman, known)) {
    offer(form.pivot);
    for (const Bytes& v : GenerateChhForms(form.pivot)) offer(v);
    for (const Bytes& v : GenerateAddakForms(form.pivot)) offer(v);
    if (out.size() >= limit) break;
  }
  return out;
}

}  // namespace quilm
