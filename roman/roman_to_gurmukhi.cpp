#include "roman/roman_to_gurmukhi.h"

#include <algorithm>

#include "roman/english_forms.h"
#include "roman/roman_ranking.h"
#include "roman/roman_rules.h"
#include "roman/spelling_generation.h"

namespace quilm {
namespace {

RankingContext ranking(const RomanData& data) { return {&data.statistics, &data.known, &data.recent}; }

// The window's case folding: the capitals that have meanings of their own
// in the letter table keep them inside the word; the first letter is
// lowered whatever it is.
std::string fold_case(std::string_view word) {
  std::string out(word);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z' && std::string_view("ABDGJKNRTV").find(c) == std::string_view::npos)
      c = static_cast<char>(c - 'A' + 'a');
  if (!out.empty() && out[0] >= 'A' && out[0] <= 'Z') out[0] = static_cast<char>(out[0] - 'A' + 'a');
  return out;
}

std::vector<RomanCandidate> scored(const RomanData& data, const std::vector<Bytes>& words, RomanOrigin origin,
                                   const RomanWordContext& context) {
  std::vector<RomanCandidate> out;
  for (const Bytes& w : words)
    out.push_back({w, origin, candidate_score(ranking(data), context.previous, context.before_previous, w)});
  return out;
}

std::vector<Bytes> ranked_dictionary_words(const RomanData& data, std::string_view word,
                                           const RomanWordContext& context) {
  std::vector<Bytes> words = search_roman_word_window(data.dictionaries, word);
  if (words.size() > kMostRomanCandidates) words.resize(kMostRomanCandidates);
  StatAnalysis(ranking(data), lower_roman(word), -1, context.previous, context.before_previous, words);
  return words;
}

RomanOrigin dictionary_origin(const RomanData& data, std::string_view word, const Bytes& pivot) {
  const auto punjabi = data.dictionaries.punjabi.find(lower_roman(word));
  return std::find(punjabi.begin(), punjabi.end(), pivot) != punjabi.end() ? RomanOrigin::Dictionary
                                                                           : RomanOrigin::English;
}

std::vector<RomanCandidate> generated(const RomanData& data, std::string_view word, const RomanWordContext& context) {
  const std::string folded = fold_case(word);
  const Bytes rules = spell_roman_by_rules(folded, RomanEngine::Full);
  std::vector<Bytes> forms = GenerateAllForms(folded, {rules}, data.known, kMostRomanCandidates);
  if (forms.size() < 3) {
    std::vector<Bytes> fixed = forms;
    fixed.push_back(rules);
    for (Bytes& f : CheckEnglishForms(data.dictionaries, lower_roman(word), fixed, kMostRomanCandidates - forms.size()))
      forms.push_back(std::move(f));
  }
  std::vector<Bytes> words;
  const bool rules_stay = forms.empty() || data.known.ScanDictionaryAndCorpus(rules);
  if (rules_stay) words.push_back(rules);
  words.insert(words.end(), forms.begin(), forms.end());
  if (words.size() > kMostRomanCandidates) words.resize(kMostRomanCandidates);
  StatAnalysis(ranking(data), lower_roman(word), -1, context.previous, context.before_previous, words);
  std::vector<RomanCandidate> out;
  for (const Bytes& w : words)
    out.push_back({w, w == rules && rules_stay ? RomanOrigin::Rules : RomanOrigin::Generated,
                   candidate_score(ranking(data), context.previous, context.before_previous, w)});
  return out;
}

}  // namespace

std::string_view origin_name(RomanOrigin origin) {
  switch (origin) {
    case RomanOrigin::Abbreviation: return "abbreviation";
    case RomanOrigin::Dictionary: return "dictionary";
    case RomanOrigin::English: return "english";
    case RomanOrigin::Rules: return "rules";
    case RomanOrigin::Generated: return "generated";
  }
  return "rules";
}

std::vector<RomanCandidate> roman_word_candidates(const RomanData& data, std::string_view word,
                                                  const RomanWordContext& context) {
  if (word.empty()) return {};
  const Abbreviation abbreviation = data.abbreviations.check(word);
  if (abbreviation.kind == AbbreviationKind::Spelled ||
      (abbreviation.kind == AbbreviationKind::Known && context.before_full_stop))
    return {{abbreviation.pivot, RomanOrigin::Abbreviation, 0}};
  const std::vector<Bytes> words = ranked_dictionary_words(data, word, context);
  std::vector<RomanCandidate> out;
  if (abbreviation.kind == AbbreviationKind::Letter) out.push_back({abbreviation.pivot, RomanOrigin::Abbreviation, 0});
  if (words.empty()) {
    for (RomanCandidate& c : generated(data, word, context)) out.push_back(std::move(c));
  } else {
    for (RomanCandidate& c : scored(data, words, RomanOrigin::Dictionary, context)) {
      c.origin = dictionary_origin(data, word, c.pivot);
      out.push_back(std::move(c));
    }
  }
  if (out.size() > kMostRomanCandidates) out.resize(kMostRomanCandidates);
  return out;
}

Bytes transliterate_roman_word(const RomanData& data, std::string_view word, BytesView previous,
                               BytesView before_previous) {
  if (word.empty()) return {};
  std::vector<Bytes> words = search_roman_word(data.dictionaries, lower_roman(word));
  if (words.size() > 12) words.resize(12);
  if (!words.empty())
    return StatAnalysis(ranking(data), lower_roman(word), -1, previous, before_previous, words);
  return spell_roman_by_rules(fold_case(word), RomanEngine::Full);
}

}  // namespace quilm
