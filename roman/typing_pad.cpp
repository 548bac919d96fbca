#include "roman/typing_pad.h"

#include <algorithm>
#include <set>

#include "encoding/unicode_output.h"
#include "roman/roman_dictionary.h"

namespace quilm {
namespace {

constexpr char16_t kFullStop = u'.';
constexpr std::string_view kPivotDanda = ".";

bool is_surrogate_tail(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Splits `text` into its leading separators and its words.
void tokenise(std::u16string_view text, std::u16string& leading, std::vector<PadWord>& words) {
  std::size_t i = 0;
  while (i < text.size() && !is_pad_letter(text[i])) ++i;
  leading.assign(text.substr(0, i));
  while (i < text.size()) {
    PadWord word;
    for (; i < text.size() && is_pad_letter(text[i]); ++i) word.roman += static_cast<char>(text[i]);
    const std::size_t separators = i;
    while (i < text.size() && !is_pad_letter(text[i])) ++i;
    word.separators.assign(text.substr(separators, i - separators));
    words.push_back(std::move(word));
  }
}

std::size_t count_words(std::u16string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (is_pad_letter(text[i]) && (i == 0 || !is_pad_letter(text[i - 1]))) ++n;
  return n;
}

// A full stop first among a word's separators is a danda, unless the word
// is an abbreviation.
bool danda_first(const PadWord& word) {
  return !word.separators.empty() && word.separators.front() == kFullStop && !word.is_abbreviation();
}

std::u16string shown_separators(const PadWord& word) {
  if (!danda_first(word)) return word.separators;
  return GurToUnicode(BytesView(kPivotDanda)) + word.separators.substr(1);
}

std::set<Bytes> alternative_set(const PadWord& word) {
  std::set<Bytes> out;
  for (std::size_t i = 1; i < word.candidates.size(); ++i) out.insert(word.candidates[i].pivot);
  return out;
}

const Bytes& top_of(const PadWord& word) {
  static const Bytes none;
  return word.candidates.empty() ? none : word.candidates.front().pivot;
}

}  // namespace

bool TypingPad::would_exceed_limit(std::size_t from, std::size_t to, std::u16string_view text) const {
  if (words_.size() + text.size() + 1 <= kMostWords) return false;
  std::u16string after = roman_;
  after.replace(from, to - from, text);
  const std::size_t words = count_words(after);
  return words > kMostWords && words > words_.size();
}

Status TypingPad::replace(std::size_t from, std::size_t to, std::u16string_view text) {
  from = std::min(from, roman_.size());
  to = std::min(std::max(from, to), roman_.size());
  if (would_exceed_limit(from, to, text)) return Status::Error(kTooManyWordsMessage);
  const bool one_character = (to == from && text.size() == 1) || (to == from + 1 && text.empty());
  const std::vector<std::size_t> starts = word_starts();
  roman_.replace(from, to - from, text);
  const Span span = one_character && !words_.empty() ? touched_span(starts, from, to - from, text.size())
                                                     : Span{0, words_.size(), 0, roman_.size(), true};
  caret_ = anchor_ = from + text.size();
  retokenise(span);
  if (caret_ > 0 && is_pad_letter(roman_[caret_ - 1])) current_ = word_at_roman(caret_ - 1);
  else if (caret_ < roman_.size() && is_pad_letter(roman_[caret_])) current_ = word_at_roman(caret_);
  else current_.reset();
  return Status::Ok();
}

Status TypingPad::set_text(std::u16string_view text, std::size_t caret) {
  std::size_t prefix = 0;
  const std::size_t shorter = std::min(text.size(), roman_.size());
  // The change ends at the caret when it can: the common part after the
  // caret is taken as the unchanged tail.
  const std::size_t tail_limit = std::min(shorter, text.size() - std::min(caret, text.size()));
  std::size_t suffix = 0;
  while (suffix < tail_limit && text[text.size() - 1 - suffix] == roman_[roman_.size() - 1 - suffix]) ++suffix;
  while (prefix < shorter - suffix && text[prefix] == roman_[prefix]) ++prefix;
  if (prefix == roman_.size() && prefix == text.size()) {
    select(caret, caret);
    return Status::Ok();
  }
  Status s = replace(prefix, roman_.size() - suffix, text.substr(prefix, text.size() - suffix - prefix));
  if (s) caret_ = anchor_ = std::min(caret, roman_.size());
  return s;
}

Status TypingPad::backspace() {
  if (selection_start() != selection_end()) return replace(selection_start(), selection_end(), {});
  if (caret_ == 0) return Status::Ok();
  const std::size_t from = caret_ >= 2 && is_surrogate_tail(roman_[caret_ - 1]) ? caret_ - 2 : caret_ - 1;
  return replace(from, caret_, {});
}

Status TypingPad::delete_forward() {
  if (selection_start() != selection_end()) return replace(selection_start(), selection_end(), {});
  if (caret_ >= roman_.size()) return Status::Ok();
  const std::size_t to = caret_ + 1 < roman_.size() && is_surrogate_tail(roman_[caret_ + 1]) ? caret_ + 2 : caret_ + 1;
  return replace(caret_, to, {});
}

void TypingPad::retransliterate() {
  retokenise({0, words_.size(), 0, roman_.size(), true});
  current_ = current_ && *current_ < words_.size() ? current_ : std::nullopt;
}

void TypingPad::clear() {
  roman_.clear();
  leading_.clear();
  words_.clear();
  caret_ = anchor_ = 0;
  current_.reset();
}

// The words a one-character change at `at` can touch: those holding the
// characters on either side of it, and the next ones while the new text
// joins them (a deleted separator). Positions are those of the new text.
std::vector<std::size_t> TypingPad::word_starts() const {
  std::vector<std::size_t> starts;
  starts.reserve(words_.size() + 1);
  std::size_t position = leading_.size();
  for (const PadWord& w : words_) {
    starts.push_back(position);
    position += w.roman.size() + w.separators.size();
  }
  starts.push_back(position);
  return starts;
}

TypingPad::Span TypingPad::touched_span(const std::vector<std::size_t>& starts, std::size_t at, std::size_t removed,
                                        std::size_t inserted) const {
  const std::size_t old_size = starts.back();
  const auto word_holding = [&](std::size_t p) -> std::optional<std::size_t> {
    const auto it = std::upper_bound(starts.begin(), starts.end() - 1, p);
    if (it == starts.begin()) return std::nullopt;
    return static_cast<std::size_t>(it - starts.begin()) - 1;
  };
  const std::size_t a = at > 0 ? at - 1 : 0;
  const std::size_t b = std::min(old_size, at + removed + 1);
  const std::optional<std::size_t> first = word_holding(a);
  const std::optional<std::size_t> last = word_holding(std::max(a, b > 0 ? b - 1 : 0));
  Span span;
  span.with_leading = !first;
  span.first_word = first.value_or(0);
  span.end_word = last ? *last + 1 : 0;
  span.from = span.with_leading ? 0 : starts[span.first_word];
  std::size_t to = starts[span.end_word] + inserted - removed;
  while (to < roman_.size() && to > span.from && is_pad_letter(roman_[to]) && is_pad_letter(roman_[to - 1]) &&
         span.end_word < words_.size()) {
    ++span.end_word;
    to = starts[span.end_word] + inserted - removed;
  }
  span.to = to;
  return span;
}

void TypingPad::retokenise(const Span& span) {
  std::u16string leading;
  std::vector<PadWord> fresh;
  tokenise(std::u16string_view(roman_).substr(span.from, span.to - span.from), leading, fresh);
  if (span.with_leading) {
    leading_ = std::move(leading);
  } else if (!leading.empty()) {  // cannot happen for a span that starts at a word; be safe
    words_.clear();
    leading_.clear();
    tokenise(roman_, leading_, words_);
    update_from(0, words_.size());
    return;
  }
  const std::size_t count = fresh.size();
  words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(span.first_word),
               words_.begin() + static_cast<std::ptrdiff_t>(span.end_word));
  words_.insert(words_.begin() + static_cast<std::ptrdiff_t>(span.first_word), std::make_move_iterator(fresh.begin()),
                std::make_move_iterator(fresh.end()));
  update_from(span.first_word, span.first_word + count);
}

// Transliterates the words [first, end) and then each later word while one
// of the two words before it changed its shown spelling.
void TypingPad::update_from(std::size_t first, std::size_t end, bool previous_changed) {
  bool changed_1 = previous_changed, changed_2 = false;  // the words one and two back
  for (std::size_t j = first; j < words_.size(); ++j) {
    if (j >= end && !changed_1 && !changed_2) break;
    const Bytes before = top_of(words_[j]);
    transliterate_word(j);
    changed_2 = changed_1;
    changed_1 = j < end || top_of(words_[j]) != before;
  }
}

void TypingPad::transliterate_word(std::size_t index) {
  PadWord& word = words_[index];
  RomanWordContext context;
  if (index >= 1) context.previous = top_of(words_[index - 1]);
  if (index >= 2) context.before_previous = top_of(words_[index - 2]);
  context.before_full_stop = !word.separators.empty() && word.separators.front() == kFullStop;
  word.candidates = transliterator_.candidates(word.roman, context, ignore_case_);
  word.shown = GurToUnicode(top_of(word));
}

void TypingPad::select(std::size_t from, std::size_t to) {
  anchor_ = std::min(from, roman_.size());
  caret_ = std::min(to, roman_.size());
  current_ = word_at_roman(selection_start());
}

void TypingPad::set_current_word(std::optional<std::size_t> index) {
  current_ = index && *index < words_.size() ? index : std::nullopt;
}

std::optional<std::size_t> TypingPad::word_at_roman(std::size_t position) const {
  if (words_.empty()) return std::nullopt;
  const std::vector<std::size_t> starts = word_starts();
  const auto it = std::upper_bound(starts.begin(), starts.end() - 1, position);
  return it == starts.begin() ? 0 : static_cast<std::size_t>(it - starts.begin()) - 1;
}

std::optional<std::size_t> TypingPad::word_at_gurmukhi(std::size_t position) const {
  if (words_.empty()) return std::nullopt;
  const std::vector<PadWordPlace> all = places();
  std::size_t found = 0;
  for (std::size_t k = 0; k < all.size() && all[k].gurmukhi_start <= position; ++k) found = k;
  return found;
}

std::vector<std::u16string> TypingPad::alternatives() const {
  return current_ ? alternatives_of(*current_) : std::vector<std::u16string>();
}

std::vector<std::u16string> TypingPad::alternatives_of(std::size_t index) const {
  std::vector<std::u16string> out;
  if (index >= words_.size()) return out;
  const PadWord& word = words_[index];
  for (std::size_t i = 1; i < word.candidates.size() && out.size() < kMostAlternatives; ++i)
    out.push_back(GurToUnicode(word.candidates[i].pivot));
  return out;
}

bool TypingPad::choose(std::size_t number) {
  if (!current_ || number < 1 || number > alternatives().size()) return false;
  const std::size_t index = *current_;
  PadWord& word = words_[index];
  std::swap(word.candidates[0], word.candidates[number]);
  word.shown = GurToUnicode(top_of(word));
  const std::string key = lower_roman(word.roman);
  transliterator_.data().recent.add(key, top_of(word));
  // The choice holds wherever the word is written; the words after each
  // changed one follow their new context.
  std::vector<std::size_t> same;
  for (std::size_t k = 0; k < words_.size(); ++k)
    if (k != index && lower_roman(words_[k].roman) == key) same.push_back(k);
  update_from(index + 1, index + 1, true);
  for (std::size_t k : same)
    if (k < words_.size()) update_from(k, k + 1);
  return true;
}

std::vector<TypingPad::Piece> TypingPad::gurmukhi_pieces() const {
  std::vector<Piece> out;
  if (!leading_.empty()) out.push_back({{}, leading_});
  for (const PadWord& w : words_) {
    out.push_back({top_of(w), {}});
    if (danda_first(w)) {
      out.push_back({Bytes(kPivotDanda), {}});
      if (w.separators.size() > 1) out.push_back({{}, w.separators.substr(1)});
    } else if (!w.separators.empty()) {
      out.push_back({{}, w.separators});
    }
  }
  return out;
}

std::u16string TypingPad::gurmukhi() const {
  std::u16string out = leading_;
  for (const PadWord& w : words_) {
    out += w.shown;
    out += shown_separators(w);
  }
  return out;
}

std::vector<PadWordPlace> TypingPad::places() const {
  std::vector<PadWordPlace> out;
  out.reserve(words_.size());
  std::size_t roman = leading_.size(), gurmukhi = leading_.size();
  for (const PadWord& w : words_) {
    out.push_back({roman, w.roman.size(), gurmukhi, w.shown.size()});
    roman += w.roman.size() + w.separators.size();
    gurmukhi += w.shown.size() + w.separators.size();  // a danda takes the full stop's place
  }
  return out;
}

void TypingPad::set_ignore_case(bool on) {
  if (on == ignore_case_) return;
  ignore_case_ = on;
  retransliterate();
}

void TypingPad::dictionaries_changed() {
  transliterator_.clear();
  retransliterate();
}

PaneChange pane_change(std::u16string_view before, std::u16string_view after) {
  const std::size_t shorter = std::min(before.size(), after.size());
  std::size_t prefix = 0;
  while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
  return {prefix, before.size() - prefix - suffix, std::u16string(after.substr(prefix, after.size() - prefix - suffix))};
}

bool same_word_table(const TypingPad& a, const TypingPad& b) {
  if (a.roman() != b.roman() || a.leading_separators() != b.leading_separators()) return false;
  if (a.words().size() != b.words().size()) return false;
  for (std::size_t k = 0; k < a.words().size(); ++k) {
    const PadWord& x = a.words()[k];
    const PadWord& y = b.words()[k];
    if (x.roman != y.roman || x.separators != y.separators || top_of(x) != top_of(y) || x.shown != y.shown ||
        alternative_set(x) != alternative_set(y))
      return false;
  }
  return a.gurmukhi() == b.gurmukhi();
}

}  // namespace quilm
