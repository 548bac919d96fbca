#include "analysis/count_sources.h"

#include <charconv>
#include <map>

#include "analysis/word_length.h"
#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "sort/sort_key.h"
#include "sort/text_lines.h"

namespace quilm {
namespace {

struct PivotWord {
  Bytes pivot, key;
};

class PivotWords {
 public:
  const PivotWord& of(const Bytes& utf8) {
    auto [it, added] = words_.try_emplace(utf8);
    if (added) {
      if (const std::optional<std::u16string> units = from_utf8(utf8)) UniCodetoGur(*units, it->second.pivot);
      append_gurmukhi_sort_key(it->second.pivot, work_, it->second.key);
    }
    return it->second;
  }

 private:
  std::map<Bytes, PivotWord> words_;
  Bytes work_;
};

std::vector<Bytes> split_words(BytesView text) {
  std::vector<Bytes> words;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == ' ') {
      if (i > start) words.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  return words;
}

}  // namespace

Status read_counts(BytesView text, std::size_t words_per_line, std::vector<CountedWords>& out) {
  std::size_t number = 0;
  for (const TextLine& line : split_lines(text)) {
    ++number;
    const std::size_t tab = line.text.rfind('\t');
    CountedWords row;
    if (tab != BytesView::npos) {
      row.words = split_words(line.text.substr(0, tab));
      const BytesView count = line.text.substr(tab + 1);
      const auto parsed = std::from_chars(count.data(), count.data() + count.size(), row.count);
      if (parsed.ec != std::errc() || parsed.ptr != count.data() + count.size()) row.count = -1;
    }
    if (tab == BytesView::npos || row.words.size() != words_per_line || row.count < 0)
      return Status::Error("line " + std::to_string(number) + ": expected " + std::to_string(words_per_line) +
                           " word(s), a tab and a count");
    out.push_back(std::move(row));
  }
  return Status::Ok();
}

// Two UTF-8 spellings may read as one pivot word (composed and decomposed
// nukta letters): their counts are added, as an analysis of the pivot text
// would have counted them.
FrequencyResults results_from_counts(const std::vector<CountedWords>& words, const std::vector<CountedWords>& pairs,
                                     const std::vector<CountedWords>& triples) {
  PivotWords pivot;
  FrequencyResults r;
  std::map<Bytes, WordCount> by_key;
  for (const CountedWords& w : words) {
    r.total_words += w.count;
    const PivotWord& p = pivot.of(w.words[0]);
    auto [it, added] = by_key.try_emplace(p.key);
    if (added) it->second = {p.pivot, p.key, word_length(p.pivot.size(), p.pivot), 0,
                             static_cast<std::int64_t>(by_key.size())};
    it->second.count += w.count;
  }
  for (auto& [key, row] : by_key) r.words.push_back(std::move(row));
  std::map<std::pair<Bytes, Bytes>, PairCount> pair_rows;
  for (const CountedWords& c : pairs) {
    const PivotWord &p = pivot.of(c.words[0]), &w = pivot.of(c.words[1]);
    auto [it, added] = pair_rows.try_emplace({p.pivot, w.pivot}, PairCount{0, w.pivot, p.pivot, w.key, p.key});
    it->second.count += c.count;
  }
  for (auto& [order, row] : pair_rows) r.pairs.push_back(std::move(row));
  std::map<std::vector<Bytes>, TripleCount> triple_rows;
  for (const CountedWords& c : triples) {
    const PivotWord &pp = pivot.of(c.words[0]), &p = pivot.of(c.words[1]), &w = pivot.of(c.words[2]);
    auto [it, added] = triple_rows.try_emplace({pp.pivot, p.pivot, w.pivot},
                                               TripleCount{0, w.pivot, p.pivot, pp.pivot, w.key, p.key, pp.key});
    it->second.count += c.count;
  }
  for (auto& [order, row] : triple_rows) r.triples.push_back(std::move(row));
  return r;
}

}  // namespace quilm
