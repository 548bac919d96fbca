// Find and replace in the document, for the "Find -Replace" window and for
// quilm-cli find and replace, written once against the editor interface.
//
// Punjabi searches look in the text of every Gurmukhi font of the document
// (and in Unicode text) for the word, written in each font's own encoding,
// and with "Search all similar words" for its spelling variants too;
// English searches look in text of the other fonts for the text itself.
//
// A search goes on from where the last one stopped: going forward, after
// the occurrence found or after the text that replaced it; going up,
// before it. The texts are searched whole, however long; Replace All finds
// every occurrence (also several in a row) and never searches text it has
// put in, so it always ends.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dict/document_matches.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"

namespace quilm {

inline constexpr std::string_view kFinishedSearching = "Finished searching the document";
inline constexpr std::string_view kSameFindReplace = "Find and replace text are same";
inline constexpr std::string_view kReplaceAllQuestion = "Are you sure you want to replace all the occurrences?";

enum class SearchLanguage { English, Punjabi };
enum class SearchDirection { All, Up, Down };

struct FindOptions {
  SearchLanguage language = SearchLanguage::Punjabi;
  SearchDirection direction = SearchDirection::All;
  bool similar_words = false;  // "Search all similar words" (Punjabi)
  bool whole_words = false;    // "Find whole words only"
  bool match_case = false;     // "Match  Case" (English; Gurmukhi glyphs always match exactly)
  bool operator==(const FindOptions&) const = default;
};

// Text as a box holds it: its characters and the font they are written in
// (glyph bytes of a Gurmukhi font; Unicode for any other font name).
struct SearchText {
  std::u16string text;
  std::string font_name;
  bool operator==(const SearchText&) const = default;
};

enum class FindResult { Found, Finished };

struct ReplaceResult {
  bool same_texts = false;  // nothing done: "Find and replace text are same"
  bool replaced = false;
  FindResult next = FindResult::Finished;
};

class FindReplace {
 public:
  FindReplace(Editor& editor, const FontRegistry& registry, const FontConverter& converter)
      : editor_(editor), registry_(registry), converter_(converter) {}

  // The texts and options of the next searches; a change starts a new search.
  void SetSearch(const SearchText& find, const SearchText& replace, const FindOptions& options);
  // The next search starts afresh (from the caret, or the top for "All").
  void Reset();
  bool Initialised() const { return start_ >= 0; }

  // Selects the next occurrence. When there is none the search ends: the
  // next one starts afresh.
  FindResult FindNext();
  // Puts the replace text in place of the occurrence found last (when it is
  // still selected), then finds the next one.
  ReplaceResult Replace();
  // Replaces every occurrence as one undo step: in the whole document for
  // "All", else from where the search stands (the occurrence selected last
  // included) to the end or the top. Gives how many were replaced.
  int ReplaceAll();

  // Every occurrence in the document, top to bottom, without selecting any.
  std::vector<TextMatch> FindAll() const;

  // True when Replace would refuse: the same text with nothing else to find.
  bool SameTexts() const;

  // The texts looked for in text of `font_name`; empty when such text is
  // not searched.
  std::vector<std::u16string> TextsFor(const std::string& font_name) const;

 private:
  std::optional<FontPatterns> patterns_for(const std::string& font_name) const;
  std::u16string replacement_for(const std::string& font_name) const;
  bool forward() const { return options_.direction != SearchDirection::Up; }
  void initialise();
  std::optional<TextMatch> next_match(const DocumentMatches& matches) const;
  bool found_is_selected() const;

  Editor& editor_;
  const FontRegistry& registry_;
  const FontConverter& converter_;
  SearchText find_, replace_;
  FindOptions options_;
  int start_ = -1;                   // where the next search starts; -1: not started
  std::optional<TextMatch> found_;   // the occurrence selected last
  std::u16string found_text_;
};

}  // namespace quilm
