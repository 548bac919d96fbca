#include "spell/lexicon.h"

#include "common/file_io.h"
#include "spell/word_list_files.h"

namespace quilm {
namespace {

constexpr std::size_t kLongestDispatchedWord = 100;
constexpr int kLastSection = 21;

Status load_failure(std::string_view problem, const std::filesystem::path& file, const std::string& detail) {
  return Status::Error(std::string(problem) + ": " + file.string() + (detail.empty() ? "" : ": " + detail));
}

}  // namespace

SpellLexicon::SpellLexicon() : main_(kMainListSections), extra_(kAdditionalSections) {}

Status SpellLexicon::load_main_list(const std::filesystem::path& file) {
  forget_indexes();
  const std::optional<Bytes> text = read_file(file);
  if (!text) return load_failure(kMainListProblem, file, "cannot be read");
  if (Status st = parse_main_word_list(*text, &main_); !st) return load_failure(kMainListProblem, file, st.message());
  return Status::Ok();
}

Status SpellLexicon::LoadIgnoreList(const std::filesystem::path& file) {
  const std::optional<Bytes> text = read_file(file);
  if (!text) return load_failure(kIgnoreListProblem, file, "cannot be read");
  if (Status st = parse_ignore_list(*text, &ignore_); !st) return load_failure(kIgnoreListProblem, file, st.message());
  return Status::Ok();
}

Status SpellLexicon::LoadExtraDictionary(const std::filesystem::path& file) {
  forget_indexes();
  extra_file_ = file;
  extra_complete_ = false;
  const std::optional<Bytes> text = read_file(file);
  if (!text) {
    extra_ = WordSections(kAdditionalSections);
    return load_failure(kAdditionalDictionaryProblem, file, "cannot be read");
  }
  if (Status st = parse_additional_dictionary(*text, &extra_); !st) {
    return load_failure(kAdditionalDictionaryProblem, file, st.message());
  }
  extra_complete_ = true;
  return Status::Ok();
}

void SpellLexicon::set_additional_dictionary(WordSections words, std::filesystem::path file, bool complete) {
  forget_indexes();
  extra_ = std::move(words);
  extra_file_ = std::move(file);
  extra_complete_ = complete;
}

Status SpellLexicon::save_additional_dictionary() const {
  if (!extra_complete_) {
    return Status::Error("The additional dictionary " + extra_file_.string() +
                         " was not read whole, so it is not written back (its words would be lost)");
  }
  return write_file_atomically(extra_file_, format_additional_dictionary(extra_));
}

bool SpellLexicon::Lookup_punjabi_word_length(int, BytesView word) const {
  // Sections hold their words cut to one byte more than their length, so
  // only a record of the word's own bytes can equal it; both stores keep a
  // set of exactly those records.
  return main_.findable(word) || extra_.findable(word);
}

bool SpellLexicon::Lookup_dictionaries(BytesView word, LookupMode mode) const {
  if (mode == LookupMode::Punjabi) {
    if (Lookup_punjabi_word_ignorelist(word)) return false;
    const std::size_t length = word.size();
    if (length <= 1 || length > kLongestDispatchedWord) return true;
    return Lookup_punjabi_word_length(std::min<int>(static_cast<int>(length), kLastSection), word);
  }
  if (word.size() == 1) return true;
  return english_.holds(word);
}

bool SpellLexicon::search_hyphenlist(BytesView word, LookupMode mode) const {
  if (word.size() < 3) return false;
  word = word.substr(0, kLongestDispatchedWord);
  for (std::size_t i = 1; i + 1 < word.size(); ++i) {
    if (word[i] != '-') continue;
    if (!Lookup_dictionaries(word.substr(0, i), mode)) continue;
    if (Lookup_dictionaries(word.substr(i + 1), mode)) return true;
  }
  return false;
}

AddResult SpellLexicon::add_punjabi_word(BytesView word) {
  if (word.size() < 2 || word.size() > static_cast<std::size_t>(kLastSection)) return AddResult::NotAdded;
  if (!extra_.insert_sorted(static_cast<int>(word.size()), word)) return AddResult::SectionFull;
  if (neighbours_) neighbours_->add_word(word);
  if (letter_drops_) letter_drops_->add_word(word);
  return AddResult::Added;
}

void SpellLexicon::for_each_findable_word(const std::function<void(BytesView)>& each) const {
  for (const WordSections* store : {&main_, &extra_}) {
    for (int s = 1; s <= store->section_count(); ++s) {
      for (const Bytes& w : store->section(s)) {
        if (store->findable(w)) each(w);
      }
    }
  }
}

const NeighbourIndex& SpellLexicon::punjabi_neighbours() const {
  if (!neighbours_) {
    neighbours_.emplace();
    for_each_findable_word([this](BytesView w) { neighbours_->add_word(w); });
  }
  return *neighbours_;
}

const LetterDropIndex& SpellLexicon::punjabi_letter_drops() const {
  if (!letter_drops_) {
    letter_drops_.emplace();
    for_each_findable_word([this](BytesView w) { letter_drops_->add_word(w); });
    letter_drops_->seal();
  }
  return *letter_drops_;
}

bool WordPresent(BytesView word, int n, const std::array<Bytes, 16>& list) {
  for (int i = 0; i <= n && i < static_cast<int>(list.size()); ++i) {
    if (list[static_cast<std::size_t>(i)] == word) return true;
  }
  return false;
}

}  // namespace quilm
