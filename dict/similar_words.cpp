#include "dict/similar_words.h"

#include <optional>
#include <vector>

#include "dict/similar_word_tables.h"
#include "dict/valid_word.h"
#include "encoding/pivot_bytes.h"

namespace quilm {
namespace {

// An entry of the list being built, with where each byte of the reference
// word r stands in it: at[i] for byte i, at[r.size()] the end.
struct Entry {
  Bytes text;
  std::vector<std::size_t> at;
};

enum class Purpose { Search, Dictionary };

class Generator {
 public:
  explicit Generator(Purpose purpose) : purpose_(purpose) {}

  SimilarWordList run(Bytes word) {
    drop_marks(std::move(word));
    exchange_nukta_letters();
    exchange_look_alikes();
    insert_signs();
    swap_sign_pairs();
    SimilarWordList list;
    for (Entry& e : entries_) list.append(std::move(e.text));
    return list;
  }

 private:
  void append(Entry e) {
    if (entries_.size() < kSimilarWordCapacity) entries_.push_back(std::move(e));
    else entries_.back() = std::move(e);
  }

  // The word, then the word less each mark in turn; the byte that moves into
  // a dropped mark's place is not looked at.
  void drop_marks(Bytes word) {
    std::vector<std::size_t> origin(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) origin[i] = i;
    std::vector<std::pair<Bytes, std::vector<std::size_t>>> forms{{word, origin}};
    for (std::size_t i = 0; i < word.size(); ++i) {
      if (!similar::marks().contains(word[i])) continue;
      word.erase(i, 1);
      origin.erase(origin.begin() + static_cast<std::ptrdiff_t>(i));
      forms.emplace_back(word, origin);
    }
    reference_ = word;
    for (auto& [text, from] : forms) append({std::move(text), places_of_reference(from, origin)});
  }

  // Where the reference's bytes (original places `reference_origin`) stand
  // in a form whose bytes came from original places `form_origin`.
  static std::vector<std::size_t> places_of_reference(const std::vector<std::size_t>& form_origin,
                                                      const std::vector<std::size_t>& reference_origin) {
    std::vector<std::size_t> at;
    std::size_t k = 0;
    for (std::size_t o : reference_origin) {
      while (form_origin[k] != o) ++k;
      at.push_back(k);
    }
    at.push_back(form_origin.size());
    return at;
  }

  // Every entry present so far with byte i of the reference replaced by
  // `partner`, where ValidWord accepts it.
  void exchange_at(std::size_t i, std::uint8_t partner) {
    const std::size_t present = entries_.size();
    for (std::size_t k = 0; k < present; ++k) {
      Entry e = entries_[k];
      e.text[e.at[i]] = static_cast<char>(partner);
      if (ValidWord(e.text)) append(std::move(e));
    }
  }

  void exchange_nukta_letters() {
    for (std::size_t i = 0; i < reference_.size(); ++i) {
      const std::uint8_t b = byte_at(reference_, i);
      if (purpose_ == Purpose::Dictionary && (b == pivot::kLetterSA || b == pivot::kLetterSHA)) continue;
      if (const std::optional<std::uint8_t> partner = similar::nukta_partner(b)) exchange_at(i, *partner);
    }
  }

  void exchange_look_alikes() {
    const bool starts_with_sihari = !reference_.empty() && byte_at(reference_, 0) == pivot::kSihari;
    for (std::size_t i = 1; i < reference_.size(); ++i) {
      if (i == 1 && starts_with_sihari) continue;
      if (const std::optional<std::uint8_t> partner = similar::look_alike(byte_at(reference_, i)))
        exchange_at(i, *partner);
    }
  }

  // Every entry present so far with `sign` put in after byte i of the
  // reference; with `checked`, only those ValidWord accepts.
  void insert_after(std::size_t i, std::uint8_t sign, bool checked) {
    const std::size_t present = entries_.size();
    for (std::size_t k = 0; k < present; ++k) {
      Entry e = entries_[k];
      e.text.insert(e.text.begin() + static_cast<std::ptrdiff_t>(e.at[i + 1]), static_cast<char>(sign));
      for (std::size_t j = i + 1; j < e.at.size(); ++j) ++e.at[j];
      if (!checked || ValidWord(e.text)) append(std::move(e));
    }
  }

  void insert_signs() {
    for (std::size_t i = 0; i < reference_.size(); ++i) {
      const std::uint8_t b = byte_at(reference_, i);
      const bool last = i + 1 == reference_.size();
      const bool carries_a_follower = !last && similar::followers().contains(byte_at(reference_, i + 1));
      if (last || !similar::consonants().contains(b) || carries_a_follower) {
        if (similar::vowel_signs().contains(b)) {
          if (purpose_ == Purpose::Search) insert_after(i, pivot::kBindi, false);
        } else if (b == pivot::kLetterNA || b == kLetterVA) {
          insert_after(i, pivot::kSubjoinedHA, true);
        }
      } else {
        insert_after(i, pivot::kAddak, true);
      }
    }
  }

  void swap_sign_pairs() {
    const std::size_t present = entries_.size();
    for (std::size_t k = 0; k < present; ++k) {
      const Bytes text = entries_[k].text;
      for (std::size_t j = 1; j < text.size(); ++j) {
        const std::uint8_t a = byte_at(text, j - 1), b = byte_at(text, j);
        const bool pair = (similar::leading_signs().contains(b) && similar::subjoined().contains(a)) ||
                          (similar::leading_signs().contains(a) && similar::subjoined().contains(b));
        if (!pair) continue;
        Entry swapped{text, {}};
        std::swap(swapped.text[j - 1], swapped.text[j]);
        if (ValidWord(swapped.text)) append(std::move(swapped));
      }
    }
  }

  static constexpr std::uint8_t kLetterVA = 0x56;

  Purpose purpose_;
  Bytes reference_;
  std::vector<Entry> entries_;
};

// A letter followed by a nukta written as the one nukta letter (SA and its
// nukta stay as they are); every bindi, addak and third bindi glyph dropped.
Bytes dictionary_form(BytesView word) {
  Bytes out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const std::uint8_t b = byte_at(word, i);
    if (similar::dictionary_marks().contains(b)) continue;
    const bool nukta_follows = i + 1 < word.size() && byte_at(word, i + 1) == pivot::kNukta;
    if (nukta_follows && similar::joins_nukta().contains(b)) {
      out.push_back(static_cast<char>(*similar::nukta_partner(b)));
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(b));
  }
  return out;
}

}  // namespace

SimilarWordList similar_words_of_pivot(BytesView word, bool all_similar) {
  if (!all_similar) {
    SimilarWordList list;
    list.append(Bytes(word));
    return list;
  }
  return Generator(Purpose::Search).run(Bytes(word));
}

}  // namespace quilm

namespace quilm {

SimilarWordList similar_words_for_dictionary_of_pivot(BytesView word) {
  return Generator(Purpose::Dictionary).run(dictionary_form(word));
}

}  // namespace quilm
