#include "spell/word_checker.h"

#include "spell/lookup_form.h"

namespace quilm {

const WordVerdict& WordChecker::remembered(Bytes key, const std::function<WordVerdict()>& decide) {
  const auto it = cache_.find(key);
  if (it != cache_.end()) return it->second;
  return cache_.emplace(std::move(key), decide()).first->second;
}

WordVerdict WordChecker::check_pivot_lookup(Bytes lookup, bool repairable) const {
  WordVerdict v;
  v.mode = LookupMode::Punjabi;
  v.known = lexicon_.Lookup_dictionaries(lookup, LookupMode::Punjabi) ||
            lexicon_.search_ignorelist(lookup, LookupMode::Punjabi) ||
            lexicon_.search_hyphenlist(lookup, LookupMode::Punjabi);
  v.repairable = v.known && repairable;
  v.lookup = std::move(lookup);
  return v;
}

const WordVerdict& WordChecker::check_font_word(BytesView word, int font_index) {
  Bytes key = "F" + std::to_string(font_index) + ':';
  key += word;
  return remembered(std::move(key), [&] {
    LookupWord form = punjabi_lookup_word(convert_dic_format(word, LookupMode::Punjabi, font_index, converter_));
    return check_pivot_lookup(std::move(form.word), form.repairable);
  });
}

const WordVerdict& WordChecker::check_unicode_word(std::u16string_view word) {
  Bytes key = "U:";
  key.append(reinterpret_cast<const char*>(word.data()), word.size() * sizeof(char16_t));
  return remembered(std::move(key), [&] {
    LookupWord form = punjabi_lookup_word(unicode_word_to_pivot(word));
    return check_pivot_lookup(std::move(form.word), false);
  });
}

const WordVerdict& WordChecker::check_english_word(BytesView word) {
  Bytes key = "E:";
  key += word;
  return remembered(std::move(key), [&] {
    WordVerdict v;
    v.mode = LookupMode::English;
    v.lookup = english_dic_format(word);
    v.known = lexicon_.Lookup_dictionaries(v.lookup, LookupMode::English) ||
              lexicon_.search_ignorelist(v.lookup, LookupMode::English);
    return v;
  });
}

}  // namespace quilm
