#include "spell/word_list_build.h"

#include <algorithm>
#include <charconv>

#include "encoding/utf16.h"
#include "spell/lookup_form.h"
#include "spell/unicode_words.h"
#include "spell/word_list_files.h"

namespace quilm {

Bytes lookup_form_of_unicode(std::u16string_view word) {
  return punjabi_lookup_word(unicode_word_to_pivot(word)).word;
}

namespace {

bool all_gurmukhi(std::u16string_view w) {
  if (w.empty()) return false;
  for (char16_t c : w) {
    if (!is_gurmukhi_word_char(c) && c != u'-') return false;
  }
  return true;
}

Status bad_line(std::size_t number, const std::string& what) {
  return Status::Error("line " + std::to_string(number) + ": " + what);
}

}  // namespace

Status build_word_list(BytesView source, BuiltWordList* out) {
  *out = BuiltWordList{};
  out->words = WordSections(kMainListSections);
  std::vector<std::vector<Bytes>> by_length(kMainListFileSections + 1);
  std::size_t number = 0;
  for (std::size_t pos = 0; pos < source.size();) {
    const std::size_t lf = source.find('\n', pos);
    BytesView line = source.substr(pos, (lf == BytesView::npos ? source.size() : lf) - pos);
    pos = lf == BytesView::npos ? source.size() : lf + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const std::size_t tab = line.find('\t');
    if (tab == BytesView::npos) return bad_line(number, "no TAB after the word");
    const BytesView count_field = line.substr(tab + 1, line.find('\t', tab + 1) - (tab + 1));
    std::int64_t count = 0;
    const auto [end, error] = std::from_chars(count_field.data(), count_field.data() + count_field.size(), count);
    if (error != std::errc() || end != count_field.data() + count_field.size()) return bad_line(number, "the count is not a number");
    const std::optional<std::u16string> word = from_utf8(line.substr(0, tab));
    if (!word) return bad_line(number, "the word is not UTF-8");
    ++out->read;
    if (!all_gurmukhi(*word)) {
      ++out->not_gurmukhi;
      continue;
    }
    Bytes form = lookup_form_of_unicode(*word);
    if (form.empty() || form.size() > kMainListFileSections) {
      ++out->too_long;
      continue;
    }
    out->counts.emplace_back(form, count);
    by_length[form.size()].push_back(std::move(form));
  }
  for (int s = 1; s <= kMainListFileSections; ++s) {
    std::vector<Bytes>& words = by_length[static_cast<std::size_t>(s)];
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    for (Bytes& w : words) out->words.append_loaded(s, std::move(w));
  }
  return Status::Ok();
}

}  // namespace quilm
