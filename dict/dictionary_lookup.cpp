#include "dict/dictionary_lookup.h"

#include <optional>

#include "dict/dictionary_key.h"
#include "dict/gurmukhi_text.h"
#include "dict/word_variants.h"

namespace quilm {
namespace {

constexpr const char* kKeyField = "SORTWORD";
constexpr const char* kRootField = "Root";

bool has_key(Table& table, const Bytes& key) { return table.FindKey({FieldValue(key)}); }

// The key of the root that `roots` gives for `key`, when it has the key.
std::optional<Bytes> root_key(Table& roots, const Bytes& key) {
  if (!has_key(roots, key)) return std::nullopt;
  return dictionary_key(roots.FieldByName(kRootField).as_text());
}

LookupResult nearest(Table& dictionary, const Bytes& key) {
  dictionary.FindNearest({FieldValue(key)});
  return LookupResult::Nearest;
}

}  // namespace

const char* lookup_result_name(LookupResult result) {
  switch (result) {
    case LookupResult::Found: return "found";
    case LookupResult::Similar: return "similar";
    case LookupResult::Root: return "root";
    case LookupResult::Nearest: break;
  }
  return "nearest";
}

LookupResult look_up_punjabi(BytesView word, Table& dictionary, Table* roots, const FontConverter& converter) {
  const Bytes key = dictionary_key(word);
  if (has_key(dictionary, key)) return LookupResult::Found;

  // The spellings of the word that the dictionary may hold it under; the
  // last of them that is an inflected form is kept for its root.
  std::optional<Bytes> similar_key, root_hit;
  const SimilarWordList candidates = generate_similar_words_dict(word, kDictionaryFontIndex, converter);
  for (const Bytes& candidate : candidates.words()) {
    const Bytes candidate_key = dictionary_key(candidate);
    if (has_key(dictionary, candidate_key)) {
      similar_key = candidate_key;
      break;
    }
    if (roots && has_key(*roots, candidate_key)) root_hit = candidate_key;
  }

  if (!similar_key && !root_hit && roots) {
    if (const std::optional<Bytes> root = root_key(*roots, key); root && has_key(dictionary, *root))
      return LookupResult::Root;
    return nearest(dictionary, key);
  }
  if (similar_key) return LookupResult::Similar;  // the table is on it
  if (root_hit) {
    if (const std::optional<Bytes> root = root_key(*roots, *root_hit); root && has_key(dictionary, *root))
      return LookupResult::Root;
  }
  return nearest(dictionary, key);
}

Bytes english_headword(std::string_view word) {
  Bytes out;
  for (char c : word) out += out.empty() ? ascii_upper(c) : ascii_lower(c);
  return out;
}

LookupResult look_up_english(std::string_view word, Table& dictionary) {
  const Bytes headword = english_headword(word);
  if (dictionary.FindKey({FieldValue(headword)})) return LookupResult::Found;
  if (dictionary.FindKey({FieldValue(Bytes(word))})) return LookupResult::Found;
  dictionary.FindNearest({FieldValue(headword)});
  return LookupResult::Nearest;
}

}  // namespace quilm
