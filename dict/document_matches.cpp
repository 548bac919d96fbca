#include "dict/document_matches.h"

#include <algorithm>

#include "editor/text_search.h"
#include "spell/unicode_words.h"
#include "spell/word_bytes.h"

namespace quilm {
namespace {

std::u16string folded(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = folded_case(c);
  return out;
}

bool is_letter_or_digit(char16_t c) {
  const bool ascii = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
  const bool latin1 = c >= u'\u00C0' && c <= u'\u00FF' && c != u'\u00D7' && c != u'\u00F7';
  return ascii || latin1;
}

// Whether `c` forms words in text of `encoding`.
bool forms_words(char16_t c, const FontText& encoding) {
  if (encoding.is_glyphs()) return c <= 0xFF && is_spell_word_byte(encoding.font_index(), static_cast<std::uint8_t>(c));
  return is_gurmukhi_word_char(c) || is_letter_or_digit(c);
}

}  // namespace

DocumentMatches::Compiled DocumentMatches::compile(std::optional<FontPatterns> patterns) {
  Compiled c;
  if (!patterns) return c;
  c.patterns = std::move(*patterns);
  for (const std::u16string& t : c.patterns.texts) {
    if (t.empty()) continue;
    c.texts.push_back(c.patterns.match_case ? t : folded(t));
    if (c.first_chars.find(c.texts.back()[0]) == std::u16string::npos) c.first_chars += c.texts.back()[0];
  }
  std::stable_sort(c.texts.begin(), c.texts.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
  return c;
}

DocumentMatches::DocumentMatches(const std::vector<TextRun>& runs, const PatternsForFont& patterns_for) {
  int position = 0;
  for (const TextRun& run : runs) {
    add_run(run, position, patterns_for);
    position += static_cast<int>(run.text.size());
  }
  for (Stretch& s : stretches_) {
    if (s.patterns >= 0 && !patterns_[static_cast<std::size_t>(s.patterns)].patterns.match_case) s.folded = folded(s.text);
  }
}

void DocumentMatches::add_run(const TextRun& run, int start, const PatternsForFont& patterns_for) {
  if (run.text.empty()) return;
  if (!stretches_.empty() && stretches_.back().font_name == run.format.font_name) {
    stretches_.back().text += run.text;
    return;
  }
  Stretch s;
  s.start = start;
  s.text = run.text;
  s.font_name = run.format.font_name;
  auto known = std::find(pattern_fonts_.begin(), pattern_fonts_.end(), s.font_name);
  if (known == pattern_fonts_.end()) {
    patterns_.push_back(compile(patterns_for(s.font_name)));
    pattern_fonts_.push_back(s.font_name);
    known = std::prev(pattern_fonts_.end());
  }
  const std::size_t index = static_cast<std::size_t>(known - pattern_fonts_.begin());
  s.patterns = patterns_[index].texts.empty() ? -1 : static_cast<int>(index);
  stretches_.push_back(std::move(s));
}

// A character beside a match ends the word when it lies outside the
// stretch (beyond the text or in another font) or does not form words.
bool DocumentMatches::is_boundary(const Stretch& s, const Compiled& c, std::ptrdiff_t p) const {
  if (p < 0 || p >= static_cast<std::ptrdiff_t>(s.text.size())) return true;
  return !forms_words(s.text[static_cast<std::size_t>(p)], c.patterns.encoding);
}

// The length of the longest text that matches at `p` within `room`
// characters, with its boundaries when whole words are asked for.
std::optional<int> DocumentMatches::longest_at(const Stretch& s, std::size_t p, std::size_t room) const {
  const Compiled& c = patterns_[static_cast<std::size_t>(s.patterns)];
  const std::u16string& text = c.patterns.match_case ? s.text : s.folded;
  if (c.first_chars.find(text[p]) == std::u16string::npos) return std::nullopt;
  for (const std::u16string& t : c.texts) {
    if (t.size() > room || text.compare(p, t.size(), t) != 0) continue;
    if (c.patterns.whole_words && (!is_boundary(s, c, static_cast<std::ptrdiff_t>(p) - 1) ||
                                   !is_boundary(s, c, static_cast<std::ptrdiff_t>(p + t.size()))))
      continue;
    return static_cast<int>(t.size());
  }
  return std::nullopt;
}

std::optional<TextMatch> DocumentMatches::first_from(int from) const {
  // From the stretch that holds `from`: the ones before it end before it.
  auto first = std::upper_bound(stretches_.begin(), stretches_.end(), from,
                                [](int p, const Stretch& s) { return p < s.start; });
  if (first != stretches_.begin()) --first;
  for (auto it = first; it != stretches_.end(); ++it) {
    const Stretch& s = *it;
    const int end = s.start + static_cast<int>(s.text.size());
    if (s.patterns < 0 || end <= from) continue;
    for (std::size_t p = static_cast<std::size_t>(std::max(from - s.start, 0)); p < s.text.size(); ++p) {
      if (const std::optional<int> length = longest_at(s, p, s.text.size() - p))
        return TextMatch{s.start + static_cast<int>(p), *length};
    }
  }
  return std::nullopt;
}

std::optional<TextMatch> DocumentMatches::last_before(int limit) const {
  // From the stretch that holds `limit`: the ones after it start after it.
  const auto past = std::upper_bound(stretches_.begin(), stretches_.end(), limit,
                                     [](int p, const Stretch& s) { return p < s.start; });
  for (auto it = std::make_reverse_iterator(past); it != stretches_.rend(); ++it) {
    const Stretch& s = *it;
    if (s.patterns < 0 || s.start >= limit) continue;
    const std::size_t stop = std::min(s.text.size(), static_cast<std::size_t>(limit - s.start));
    for (std::size_t p = stop; p-- > 0;) {
      if (const std::optional<int> length = longest_at(s, p, stop - p))
        return TextMatch{s.start + static_cast<int>(p), *length};
    }
  }
  return std::nullopt;
}

std::vector<TextMatch> DocumentMatches::all_from(int from) const {
  std::vector<TextMatch> out;
  while (const std::optional<TextMatch> m = first_from(from)) {
    out.push_back(*m);
    from = m->end();
  }
  return out;
}

std::vector<TextMatch> DocumentMatches::all_before(int limit) const {
  std::vector<TextMatch> out;
  while (const std::optional<TextMatch> m = last_before(limit)) {
    out.push_back(*m);
    limit = m->start;
  }
  return out;
}

const DocumentMatches::Stretch& DocumentMatches::stretch_of(int position) const {
  auto it = std::upper_bound(stretches_.begin(), stretches_.end(), position,
                             [](int p, const Stretch& s) { return p < s.start; });
  return *std::prev(it);
}

std::u16string DocumentMatches::text_of(const TextMatch& m) const {
  const Stretch& s = stretch_of(m.start);
  return s.text.substr(static_cast<std::size_t>(m.start - s.start), static_cast<std::size_t>(m.length));
}

const std::string& DocumentMatches::font_of(const TextMatch& m) const { return stretch_of(m.start).font_name; }

}  // namespace quilm
