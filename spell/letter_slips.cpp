#include "spell/letter_slips.h"

#include <algorithm>

#include "encoding/unicode_output.h"
#include "spell/lookup_form.h"

namespace quilm {
namespace {

constexpr char16_t kNuktaSign = 0x0A3C;

// Where each letter of a Unicode word starts and how long it is (a nukta
// written after its letter belongs to it).
struct LetterSpan {
  std::size_t start, length;
};
std::vector<LetterSpan> letters_of(std::u16string_view u) {
  std::vector<LetterSpan> out;
  for (std::size_t i = 0; i < u.size(); ++i) {
    if (!is_gurmukhi_letter(u[i])) continue;
    const std::size_t length = i + 1 < u.size() && u[i + 1] == kNuktaSign ? 2 : 1;
    out.push_back({i, length});
  }
  return out;
}

Bytes lookup_form_of(std::u16string_view u) { return punjabi_lookup_word(unicode_word_to_pivot(u)).word; }

}  // namespace

bool is_gurmukhi_letter(char16_t c) {
  return (c >= 0x0A05 && c <= 0x0A14) || (c >= 0x0A15 && c <= 0x0A39) || (c >= 0x0A59 && c <= 0x0A5E) ||
         c == 0x0A72 || c == 0x0A73;
}

void for_each_letter_dropped(BytesView word, const std::function<void(BytesView)>& each) {
  const std::u16string u = GurToUnicode(word);
  std::u16string shorter;
  for (const LetterSpan& l : letters_of(u)) {
    shorter.assign(u, 0, l.start);
    shorter.append(u, l.start + l.length);
    if (!shorter.empty()) each(lookup_form_of(shorter));
  }
}

void for_each_letters_exchanged(BytesView word, const std::function<void(BytesView)>& each) {
  const std::u16string u = GurToUnicode(word);
  const std::vector<LetterSpan> letters = letters_of(u);
  for (std::size_t k = 0; k + 1 < letters.size(); ++k) {
    const LetterSpan a = letters[k], b = letters[k + 1];
    std::u16string swapped(u, 0, a.start);
    swapped.append(u, b.start, b.length);
    swapped.append(u, a.start + a.length, b.start - (a.start + a.length));
    swapped.append(u, a.start, a.length);
    swapped.append(u, b.start + b.length);
    each(lookup_form_of(swapped));
  }
}

void LetterDropIndex::add_word(BytesView word) {
  const auto id = static_cast<std::uint32_t>(words_.size());
  words_.emplace_back(word);
  for_each_letter_dropped(word, [&](BytesView key) {
    if (!key.empty()) recent_.emplace_back(Bytes(key), id);
  });
}

void LetterDropIndex::seal() {
  sorted_.insert(sorted_.end(), std::make_move_iterator(recent_.begin()), std::make_move_iterator(recent_.end()));
  recent_.clear();
  std::sort(sorted_.begin(), sorted_.end());
  sorted_.erase(std::unique(sorted_.begin(), sorted_.end()), sorted_.end());
}

void LetterDropIndex::for_each_longer(BytesView shorter, const std::function<void(BytesView)>& each) const {
  std::uint32_t last = UINT32_MAX;
  auto at = std::lower_bound(sorted_.begin(), sorted_.end(), shorter,
                             [](const std::pair<Bytes, std::uint32_t>& e, BytesView key) { return BytesView(e.first) < key; });
  for (; at != sorted_.end() && at->first == shorter; ++at) {
    if (at->second != last) each(words_[at->second]);
    last = at->second;
  }
  for (const auto& [key, id] : recent_) {
    if (key == shorter) each(words_[id]);
  }
}

}  // namespace quilm
