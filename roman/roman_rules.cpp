#include "roman/roman_rules.h"

#include "encoding/sound_order.h"
#include "roman/roman_normalise.h"

namespace quilm {
namespace {

bool one_of(char c, std::string_view set) { return c != '\0' && set.find(c) != std::string_view::npos; }

struct Step {
  std::string_view pivot;
  std::size_t consumed = 0;
};

class Walk {
 public:
  Walk(std::string_view word, RomanEngine engine) : r_(word), engine_(engine), simple_(engine == RomanEngine::Simple) {}

  Bytes run() {
    for (std::size_t i = 0; i < r_.size();) i += i == 0 ? first(i) : middle(i);
    return std::move(out_);
  }

 private:
  std::size_t emit(std::string_view pivot, std::size_t consumed) {
    out_ += pivot;
    return consumed;
  }
  std::size_t emit_letter(std::size_t i) {
    append_roman_to_pivot_letter(engine_, static_cast<std::uint8_t>(r_.at(i)), out_);
    return 1;
  }
  // A letter from D K T b c d g j k p s t (and n in the simple engine) then h.
  bool aspirate_at(std::size_t i, std::uint8_t* pivot) const {
    if (r_.at(i + 1) != 'h') return false;
    *pivot = roman_aspirate(engine_, static_cast<std::uint8_t>(r_.at(i)));
    return *pivot != 0;
  }
  std::size_t emit_aspirate(std::uint8_t pivot) {
    out_ += static_cast<char>(pivot);
    return 2;
  }
  // Positions counted from 1 as the rules state them: i is 0-based.
  std::size_t pos(std::size_t i) const { return i + 1; }
  std::size_t n() const { return r_.size(); }

  std::size_t first(std::size_t i);
  std::size_t middle(std::size_t i);
  bool clusters(std::size_t i, std::size_t* consumed);
  bool doubled(std::size_t i, std::size_t* consumed);
  std::size_t other(std::size_t i);

  RomanReader r_;
  RomanEngine engine_;
  bool simple_;
  Bytes out_;
};

std::size_t Walk::first(std::size_t i) {
  std::uint8_t aspirate = 0;
  if (r_.at(i) == '"') return emit("**", 1);
  if (r_.has(i, "amb")) return emit("nzp", 3);
  if (!simple_ && r_.has(i, "aai")) return emit("nkJh", 3);
  if (r_.has(i, "aau")) return emit("nkT[", 3);
  if (r_.has(i, "ao")) return emit("nkU", 2);
  if (r_.has(i, "aU")) return emit("nT[", 2);
  if (r_.has(i, "chh") || r_.has(i, "cch")) return emit("S", 3);
  if (aspirate_at(i, &aspirate)) return emit_aspirate(aspirate);
  if (r_.has(i, "aa")) return emit("nk", 2);
  if (r_.at(i) == 'A') return emit("nk", 1);
  if (r_.has(i, "ae") || r_.has(i, "ai")) return emit("n?", 2);
  if (r_.has(i, "au")) return emit("n\"", 2);
  if (r_.at(i) == 'a') return emit("n", 1);
  if (r_.at(i) == 'i') return emit("fJ", 1);
  if (r_.has(i, "ee")) return emit("Jh", 2);
  if (r_.at(i) == 'I') return emit("Jh", 1);
  if (r_.at(i) == 'e') return emit("J/", 1);
  if (r_.at(i) == 'u') return emit("T[", 1);
  if (r_.has(i, "oo")) return emit("T{", 2);
  if (r_.at(i) == 'o') return emit("U", 1);
  return emit_letter(i);
}

std::size_t Walk::middle(std::size_t i) {
  std::size_t consumed = 0;
  if (clusters(i, &consumed)) return consumed;
  if (r_.at(i) == r_.at(i + 1) && doubled(i, &consumed)) return consumed;
  return other(i);
}

// The name endings (-pinder, -rinder, -jinder ...) and the long vowel clusters.
bool Walk::clusters(std::size_t i, std::size_t* consumed) {
  auto take = [&](std::string_view pivot, std::size_t count) {
    *consumed = emit(pivot, count);
    return true;
  };
  if (!simple_ && pos(i) + 4 <= n() && one_of(r_.at(i), "prbjmstvw") && r_.has(i + 1, "indr")) {
    static constexpr std::string_view kFrom = "prbjmstvw", kTo = "gopiw;stt";
    out_ += kTo[kFrom.find(r_.at(i))];
    return take("fzdo", 5);
  }
  // Sound order like every other rule (PA, sihari, tippi, DA, RA); the
  // ordering pass puts the sihari before PA once.
  if (simple_ && pos(i) + 5 < n() && r_.has(i, "pinder")) return take("gfzdo", 6);
  if (r_.has(i, "eyee")) return take("/Jh", 4);
  if (simple_) {
    if (r_.has(i, "eeaaN")) return take("hnkI", 5);
    if (r_.has(i, "eeye")) return take("hJ/", 4);
    if (r_.has(i, "eeaa")) return take("hnk", 4);
    if (r_.has(i, "eea") && !is_lookahead_vowel(r_.at(i + 3))) return take("hn", 3);
    if (r_.has(i, "eeA")) return take("hnk", 3);
  } else if (r_.has(i, "eeye")) {
    return take("hJ/", 4);
  }
  if (r_.has(i, "aU")) return take("T[", 2);
  if (r_.has(i, "Aa")) return take("kn", 2);
  if (simple_ && r_.has(i, "Ai")) return take("kfJ", 2);
  return false;
}

bool Walk::doubled(std::size_t i, std::size_t* consumed) {
  auto take = [&](std::string_view pivot, std::size_t count) {
    *consumed = emit(pivot, count);
    return true;
  };
  const char c = r_.at(i);
  if (r_.has(i, "aai")) return take("kJf", 3);
  if (r_.has(i, "ooa")) return take("{n", 3);
  if (r_.at(i + 2) == 'h') {
    static constexpr std::string_view kFrom = "dkctT", kTo = "XySEm";
    if (const std::size_t at = kFrom.find(c); at != std::string_view::npos) {
      out_ += 'Z';
      out_ += kTo[at];
      *consumed = 3;
      return true;
    }
  }
  if (r_.has(i, "aau")) return take("kT[", 3);
  if (r_.has(i, "aa")) return take("k", 2);
  if (r_.has(i, "eee")) return take("/Jh", 3);
  if (r_.has(i, "eeaa")) return take("fnk", 4);
  if (r_.has(i, "eeaN")) return take("hnkI", 4);
  if (r_.has(i, "eea")) return take("hn", 3);
  if (r_.has(i, "ee")) return take("h", 2);
  if (r_.has(i, "oo")) return take("{", 2);
  if ((c == 'm' || c == 'n') && !(pos(i) == 2 && (r_.at(0) == 'o' || r_.at(0) == 'u'))) {
    out_ += 'z';
    *consumed = 1 + emit_letter(i);
    return true;
  }
  out_ += 'Z';
  *consumed = 1 + emit_letter(i);
  return true;
}

std::size_t Walk::other(std::size_t i) {
  const char c = r_.at(i);
  const std::size_t p = pos(i);
  const bool vowel_after_2 = is_lookahead_vowel(r_.at(i + 2));
  std::uint8_t aspirate = 0;
  if (r_.has(i, "khkh")) return emit("Zy", 4);
  if (r_.has(i, "thth")) return emit("ZE", 4);
  if (r_.has(i, "ThTh")) return emit("Zm", 4);
  if (r_.has(i, "chch")) return emit("Zu", 4);
  if (simple_ && p + 1 < n() && r_.has(i, "rhh")) return emit("VQ", 3);
  if (r_.has(i, "chh")) return emit("S", 3);
  if (r_.has(i, "aee")) return emit("Jh", 3);
  if (simple_ && r_.has(i, "Aee")) return emit("kJh", 3);
  if (r_.has(i, "aia")) return emit("kJhnk", 3);
  if (r_.has(i, "mb")) return emit("zp", 2);
  if (r_.has(i, "mB")) return emit("zG", 2);
  if (r_.has(i, "mp")) return emit("zg", 2);
  if (c == 'x') return emit("e;", 1);
  if (aspirate_at(i, &aspirate)) return emit_aspirate(aspirate);
  if (p + 1 == n() && (r_.has(i, "ay") || r_.has(i, "ey"))) return emit("/", 2);
  if (p + 1 == n() && r_.has(i, "dy")) return emit("vh", 2);
  if (p == n() && c == 'a') return emit("k", 1);
  if (!simple_ && p == n() && c == 'i') return emit("h", 1);
  if (c == 'y' && one_of(r_.at(i - 1), "bcdfgklmnprstvz") && !one_of(r_.at(i + 1), "aeiou")) return emit("h", 1);
  if (p + 1 == n() && r_.has(i, "di")) return emit("dh", 2);
  if (simple_) {
    if (r_.ends_with_at(i, "eeaaN")) return emit("hnkI", 5);
    if (r_.ends_with_at(i, "iaaN")) return emit("fnkI", 4);
    if (r_.ends_with_at(i, "iaN")) return emit("fnkI", 3);
    if (r_.ends_with_at(i, "aN")) return emit("kI", 2);
  } else {
    if (r_.ends_with_at(i, "ian")) return emit("fnkI", 3);
    if (r_.ends_with_at(i, "iaan")) return emit("fnkI", 4);
  }
  if (r_.has(i, "oi")) return emit("'Jf", 2);
  if (r_.has(i, "iaa")) return emit("fnk", 3);
  if (r_.has(i, "ia") && !vowel_after_2) return emit(simple_ ? "fn" : "fnk", 2);
  if (simple_ && r_.has(i, "iA") && !vowel_after_2) return emit("fnk", 2);
  if (r_.has(i, "ua") && !vowel_after_2) return emit("[n", 2);
  if (r_.has(i, "oa") && (!simple_ || !vowel_after_2)) return emit("'n", 2);
  if (simple_ && r_.has(i, "Ea")) return emit("/n", 2);
  if (r_.has(i, "ae") || r_.has(i, "ai")) return emit("?", 2);
  if (r_.has(i, "rh")) return emit("V", 2);
  if (r_.has(i, "ou")) return emit("'", 2);
  if (r_.has(i, "au")) return emit("\"", 2);
  if (c == 'a' && r_.at(i + 1) != 'o') return emit("", 1);
  return emit_letter(i);
}

}  // namespace

Bytes walk_roman_rules(std::string_view normalised, RomanEngine engine) {
  std::string word(normalised);
  if (!word.empty() && word[0] == 'R') word[0] = 'r';
  if (!word.empty() && word[0] == 'N') word[0] = 'n';
  return Walk(word, engine).run();
}

Bytes spell_roman_by_rules(std::string_view word, RomanEngine engine) {
  if (word.empty()) return {};
  return RepairGurmukhiWord(FormatGurmukhiString(walk_roman_rules(normalise_roman(word), engine)));
}

}  // namespace quilm
