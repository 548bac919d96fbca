// The spelling check of the document in the editor (F7): from the caret to
// the end, every word is looked up; a word whose only fault is the order of
// its glyphs is repaired in place; at every unknown word, coloured red, the
// caller is asked what to do ("Ignore", "Igno&re All", "&Change",
// "Change A&ll", "&Add", "Cancel") with the word's suggestions in its own
// font. The text is read once; replacements move the places of the words
// after them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "editor/editor.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "spell/document_words.h"
#include "spell/spell_data.h"
#include "spell/word_checker.h"

namespace quilm {

inline constexpr Color kMisspeltColor = 0x0000FF;  // red, as the editor's colour value 255
inline constexpr std::string_view kCheckingCaption = "Checking the spellings...";
inline constexpr std::string_view kCheckComplete = "Spell check complete";
inline constexpr std::string_view kBufferFull = "Buffer Full, cannot add more words\rRun Quilm again to add more words";

struct SpellQuestion {
  std::u16string word;        // as it stands in the document
  std::string font_name;      // its font
  int start = 0;              // where it stands now
  std::vector<std::u16string> suggestions;  // best first, in the word's font
};

struct SpellAnswer {
  enum class Kind { Ignore, IgnoreAll, Change, ChangeAll, Add, Cancel };
  Kind kind = Kind::Ignore;
  std::u16string replacement;  // for Change and Change All
  bool typed = false;          // the replacement was typed, not chosen from the list
};

struct SpellRunResult {
  bool cancelled = false;
  int reported = 0;
  int repaired = 0;
  int unchecked = 0;  // words in fonts the checker cannot read
};

class SpellCheckRun {
 public:
  using Ask = std::function<SpellAnswer(const SpellQuestion&)>;

  SpellCheckRun(Editor& editor, SpellData& data, const FontRegistry& registry, const FontConverter& converter,
                Prompter& prompter)
      : editor_(editor), data_(data), registry_(registry), converter_(converter), prompter_(prompter),
        checker_(data.lexicon, converter) {}

  // CheckSpelling: from the caret to the end of the document.
  SpellRunResult CheckSpelling(const Ask& ask);

 private:
  struct Verdict {
    bool known;
    Bytes lookup;
    LookupMode mode;
    bool repairable;
  };
  Verdict check(const DocumentWord& w);
  bool repair(std::size_t k);
  bool handle_unknown(std::size_t k, const Verdict& v, const Ask& ask);
  std::vector<std::u16string> suggestions_for(const DocumentWord& w, const Verdict& v) const;
  void replace_word(std::size_t k, const std::u16string& text);
  void change_all(std::size_t k, const std::u16string& replacement);
  void add_word(const DocumentWord& w, const Verdict& v);
  std::u16string adapt_case(const DocumentWord& w, const std::u16string& replacement) const;
  void remember_typed(const DocumentWord& w, const std::u16string& replacement);

  Editor& editor_;
  SpellData& data_;
  const FontRegistry& registry_;
  const FontConverter& converter_;
  Prompter& prompter_;
  WordChecker checker_;
  std::vector<DocumentWord> words_;
  std::vector<bool> replaced_;  // by Change All: the new text is not checked again
  SpellRunResult result_;
};

// Glyph bytes as the editor holds them (one character each) and back.
std::u16string bytes_as_chars(BytesView bytes);
Bytes chars_as_bytes(std::u16string_view chars);

}  // namespace quilm
