// The word collections of the spelling checker and every lookup in them:
// the main word list (WList.txt), the additional dictionary (Dict/*.dic),
// the ignore list (Ignore.txt), this run's ignore-all list and the English
// words (ed.db). Punjabi words are pivot bytes in lookup form
// (convert_dic_format, then convert_for_gurmukhi); their length is their
// length in bytes.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/bytes.h"
#include "common/status.h"
#include "spell/english_words.h"
#include "spell/ignore_all_list.h"
#include "spell/ignore_list.h"
#include "spell/letter_slips.h"
#include "spell/lookup_mode.h"
#include "spell/neighbour_index.h"
#include "spell/word_sections.h"

namespace quilm {

inline constexpr std::string_view kMainListFile = "WList.txt";
inline constexpr std::string_view kIgnoreListFile = "Ignore.txt";
inline constexpr std::string_view kDictionaryFolder = "Dict";
// Messages of the failed loads; the detail of what is wrong follows them.
inline constexpr std::string_view kIgnoreListProblem = "Problem in reading ignore list";
inline constexpr std::string_view kAdditionalDictionaryProblem = "Problem in additional dictionary";
inline constexpr std::string_view kMainListProblem = "Problem in reading the word list";

enum class AddResult { Added, SectionFull, NotAdded };

class SpellLexicon {
 public:
  SpellLexicon();

  // --- loading ---------------------------------------------------------------
  Status load_main_list(const std::filesystem::path& file);
  Status LoadIgnoreList(const std::filesystem::path& file);
  // Replaces the additional dictionary by the one in `file`. When the file
  // cannot be read whole, the words read before the fault stay in use but
  // the dictionary is never written back over the file.
  Status LoadExtraDictionary(const std::filesystem::path& file);
  // Writes the additional dictionary back to its file, atomically; refused
  // after a partial load (the file holds words memory lacks).
  Status save_additional_dictionary() const;
  bool additional_dictionary_complete() const { return extra_complete_; }
  const std::filesystem::path& additional_dictionary_file() const { return extra_file_; }

  // Direct access for building and tests.
  void set_main_list(WordSections words) {
    main_ = std::move(words);
    forget_indexes();
  }
  void set_additional_dictionary(WordSections words, std::filesystem::path file, bool complete);
  void set_ignore_list(IgnoreList list) { ignore_ = std::move(list); }
  const WordSections& main_list() const { return main_; }
  const WordSections& additional_dictionary() const { return extra_; }
  EnglishWords& english() { return english_; }
  const EnglishWords& english() const { return english_; }
  IgnoreAllList& ignore_all() { return ignore_all_; }
  const IgnoreAllList& ignore_all() const { return ignore_all_; }

  // --- lookups -----------------------------------------------------------------
  // True when the word counts as correctly spelt.
  bool Lookup_dictionaries(BytesView word, LookupMode mode) const;
  // The length-L lookup (L = 2 .. 21): main section L, then additional
  // section L; words of 22 .. 100 bytes go to L = 21.
  bool Lookup_punjabi_word_length(int length, BytesView word) const;
  bool Lookup_punjabi_word_ignorelist(BytesView word) const { return ignore_.holds(word); }
  bool search_ignorelist(BytesView word, LookupMode mode) const { return ignore_all_.holds(word, mode); }
  // Two known words joined by a hyphen.
  bool search_hyphenlist(BytesView word, LookupMode mode) const;

  // "&Add": a Punjabi word of 2 to 21 bytes goes in order into its section
  // of the additional dictionary (SectionFull when it has no room, NotAdded
  // for other lengths); an English word into ed.db.
  AddResult add_punjabi_word(BytesView word);

  // The one-byte neighbours of the Punjabi words (built on first use).
  const NeighbourIndex& punjabi_neighbours() const;
  // The Punjabi words by what they become with one letter left out (built
  // on first use).
  const LetterDropIndex& punjabi_letter_drops() const;

 private:
  WordSections main_;
  WordSections extra_;
  std::filesystem::path extra_file_;
  bool extra_complete_ = false;
  IgnoreList ignore_;
  IgnoreAllList ignore_all_;
  EnglishWords english_;
  void for_each_findable_word(const std::function<void(BytesView)>& each) const;
  void forget_indexes() {
    neighbours_.reset();
    letter_drops_.reset();
  }
  mutable std::optional<NeighbourIndex> neighbours_;
  mutable std::optional<LetterDropIndex> letter_drops_;
};

// True when `word` equals one of list[0] .. list[n] (exact bytes).
bool WordPresent(BytesView word, int n, const std::array<Bytes, 16>& list);

}  // namespace quilm
