// The typing pad: Punjabi typed in Roman letters in one pane and shown in
// Gurmukhi in the other, word by word. The Roman text is split into words
// (runs of the letters A-Z, a-z) each followed by its separators (every
// other character up to the next word); the text's leading separators are
// kept apart. Each word holds its candidate spellings, the shown one first
// and the others as its numbered alternatives.
//
// Every change of the Roman text comes through replace(). A change of one
// character (a key typed, or one character deleted) retransliterates only
// the words it touched and those whose two preceding words changed; any
// other change (a selection replaced or deleted, a paste, an undo) is met
// by a full retransliteration, which costs little because every word's
// candidates are remembered. Either way the word table is always what a
// full retransliteration of the Roman text gives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/bytes.h"
#include "common/status.h"
#include "roman/pad_transliterator.h"

namespace quilm {

struct PadWord {
  std::string roman;                        // the letters as typed
  std::u16string separators;                // the characters after the word
  std::vector<RomanCandidate> candidates;   // the shown spelling first
  std::u16string shown;                     // the shown spelling in Unicode

  bool is_abbreviation() const { return !candidates.empty() && candidates.front().origin == RomanOrigin::Abbreviation; }
};

// Where a word stands in the two panes (UTF-16 positions).
struct PadWordPlace {
  std::size_t roman_start = 0, roman_length = 0;
  std::size_t gurmukhi_start = 0, gurmukhi_length = 0;
};

class TypingPad {
 public:
  static constexpr std::size_t kMostWords = 3999;
  static constexpr std::size_t kMostAlternatives = 10;

  explicit TypingPad(RomanData& data) : transliterator_(data) {}

  // --- Changes of the Roman text ----------------------------------------
  // Replaces the characters [from, to) with `text` and leaves the caret
  // after it. Refused, changing nothing, when the text would hold more than
  // kMostWords words.
  Status replace(std::size_t from, std::size_t to, std::u16string_view text);
  // The Roman pane now holds `text` with the caret at `caret`: the change is
  // found by comparing with the text before.
  Status set_text(std::u16string_view text, std::size_t caret);
  // The editing keys: the selection is replaced or deleted when there is one.
  Status type(char16_t c) { return replace(selection_start(), selection_end(), std::u16string_view(&c, 1)); }
  Status paste(std::u16string_view text) { return replace(selection_start(), selection_end(), text); }
  Status backspace();
  Status delete_forward();
  // Retransliterates every word (the recent choices stay in force).
  void retransliterate();
  // Empties the pad.
  void clear();

  // --- Caret, selection and the current word -----------------------------
  void move(std::size_t position) { select(position, position); }
  void select(std::size_t from, std::size_t to);
  std::size_t caret() const { return caret_; }
  std::size_t selection_start() const { return std::min(anchor_, caret_); }
  std::size_t selection_end() const { return std::max(anchor_, caret_); }
  // The word whose alternatives are shown, if any.
  std::optional<std::size_t> current_word() const { return current_; }
  void set_current_word(std::optional<std::size_t> index);
  // The word at a Roman position: the last word starting at or before it
  // (the first word for a position in the leading separators).
  std::optional<std::size_t> word_at_roman(std::size_t position) const;
  std::optional<std::size_t> word_at_gurmukhi(std::size_t position) const;
  // The alternatives of the current word, in Unicode, numbered from 1.
  std::vector<std::u16string> alternatives() const;
  std::vector<std::u16string> alternatives_of(std::size_t index) const;
  // Puts alternative `number` (1-based) of the current word in its place;
  // the spelling it replaces takes the alternative's place, so choosing the
  // same number again undoes the choice. The choice is remembered in the
  // recent choices and holds for the word wherever it is written. False,
  // changing nothing, for a number out of range.
  bool choose(std::size_t number);

  // --- What the panes show -----------------------------------------------
  const std::u16string& roman() const { return roman_; }
  std::u16string gurmukhi() const;
  const std::u16string& leading_separators() const { return leading_; }
  const std::vector<PadWord>& words() const { return words_; }
  std::vector<PadWordPlace> places() const;
  // The Gurmukhi pane as pieces: pivot bytes (words and dandas) or other
  // characters, in order; for writing the pane in a font's encoding.
  struct Piece {
    Bytes pivot;
    std::u16string other;
  };
  std::vector<Piece> gurmukhi_pieces() const;

  bool ignore_case() const { return ignore_case_; }
  void set_ignore_case(bool on);
  // Forgets the remembered transliterations and retransliterates (after a
  // word was added to the dictionaries).
  void dictionaries_changed();
  PadTransliterator& transliterator() { return transliterator_; }

 private:
  struct Span {
    std::size_t first_word, end_word;  // the words replaced
    std::size_t from, to;              // their characters in the new text
    bool with_leading;
  };
  void retokenise(const Span& span);
  std::vector<std::size_t> word_starts() const;  // and the text's end
  Span touched_span(const std::vector<std::size_t>& starts, std::size_t at, std::size_t removed,
                    std::size_t inserted) const;
  void update_from(std::size_t first, std::size_t end, bool previous_changed = false);
  void transliterate_word(std::size_t index);
  bool would_exceed_limit(std::size_t from, std::size_t to, std::u16string_view text) const;

  PadTransliterator transliterator_;
  std::u16string roman_;
  std::u16string leading_;
  std::vector<PadWord> words_;
  std::size_t caret_ = 0, anchor_ = 0;
  std::optional<std::size_t> current_;
  bool ignore_case_ = true;
};

// True for the letters that make Roman words.
inline bool is_pad_letter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// Whether two pads hold the same words, separators and shown spellings, and
// the same alternatives (in any order).
bool same_word_table(const TypingPad& a, const TypingPad& b);

// How a pane's text changed: `removed` characters at `at` gave way to
// `inserted` (the common start and end of the two texts kept).
struct PaneChange {
  std::size_t at = 0, removed = 0;
  std::u16string inserted;
};
PaneChange pane_change(std::u16string_view before, std::u16string_view after);

// The message of a refused word.
inline constexpr char kTooManyWordsMessage[] = "Cannot add more words\nMaximum words allowed : 4000";

}  // namespace quilm
