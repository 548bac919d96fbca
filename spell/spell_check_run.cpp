#include "spell/spell_check_run.h"

#include "common/progress_scope.h"
#include "editor/update_lock.h"
#include "encoding/unicode_output.h"
#include "spell/glyph_order_repair.h"
#include "spell/lookup_form.h"
#include "spell/suggestion_round.h"

namespace quilm {
namespace {

// Colours the word red while the question is open, and gives it back its
// colour however the question ends.
class RedWord {
 public:
  RedWord(Editor& editor, int start, int length) : editor_(editor), start_(start), length_(length) {
    editor.Select(start, length);
    saved_ = editor.ForeColor();
    FormatChange red;
    red.fore_color = kMisspeltColor;
    editor.ApplyFormat(red);
  }
  ~RedWord() { restore(); }
  // The word's place after its text changed (its colour was restored first).
  void restore() {
    if (restored_) return;
    restored_ = true;
    editor_.Select(start_, length_);
    FormatChange back;
    back.fore_color = saved_;
    editor_.ApplyFormat(back);
    editor_.SetSelLength(0);
  }

 private:
  Editor& editor_;
  int start_, length_;
  Color saved_ = kBlack;
  bool restored_ = false;
};

bool is_upper(char16_t c) { return c >= u'A' && c <= u'Z'; }
char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

}  // namespace

std::u16string bytes_as_chars(BytesView bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char b : bytes) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(b)));
  return out;
}

Bytes chars_as_bytes(std::u16string_view chars) {
  Bytes out;
  out.reserve(chars.size());
  for (char16_t c : chars) out.push_back(static_cast<char>(c & 0xFF));
  return out;
}

SpellCheckRun::Verdict SpellCheckRun::check(const DocumentWord& w) {
  const WordVerdict* v = nullptr;
  switch (w.kind) {
    case DocumentWord::Kind::FontGurmukhi: v = &checker_.check_font_word(chars_as_bytes(w.text), w.font_index); break;
    case DocumentWord::Kind::UnicodeGurmukhi: v = &checker_.check_unicode_word(w.text); break;
    case DocumentWord::Kind::English: v = &checker_.check_english_word(chars_as_bytes(w.text)); break;
    case DocumentWord::Kind::Unsupported: return {true, {}, LookupMode::Punjabi, false};
  }
  return {v->known, v->lookup, v->mode, v->repairable};
}

SpellRunResult SpellCheckRun::CheckSpelling(const Ask& ask) {
  result_ = {};
  const int length = editor_.TextLength();
  // The editor's state and the progress are given back on every way out.
  const UpdateLock lock(editor_);
  const ProgressScope progress(prompter_, std::string(kCheckingCaption), length);
  words_ = document_words(editor_.Runs(), editor_.SelStart(), registry_);
  replaced_.assign(words_.size(), false);
  for (std::size_t k = 0; k < words_.size(); ++k) {
    const DocumentWord& w = words_[k];
    prompter_.progress_step(w.start + 1);
    if (replaced_[k]) continue;
    if (w.kind == DocumentWord::Kind::Unsupported) {
      ++result_.unchecked;
      continue;
    }
    const Verdict v = check(w);
    if (v.known) {
      if (v.repairable && repair(k)) ++result_.repaired;
      continue;
    }
    ++result_.reported;
    if (!handle_unknown(k, v, ask)) {
      result_.cancelled = true;
      break;
    }
  }
  if (result_.unchecked > 0) {
    prompter_.message(std::to_string(result_.unchecked) +
                      " words in fonts the spelling checker cannot read were not checked");
  }
  if (!result_.cancelled) prompter_.message(std::string(kCheckComplete));
  return result_;
}

// The silent repair: only what the cleaning passes change (doubled signs,
// signs in another order) is written back; hyphens and length stay.
bool SpellCheckRun::repair(std::size_t k) {
  const DocumentWord& w = words_[k];
  if (w.kind != DocumentWord::Kind::FontGurmukhi || (!w.text.empty() && w.text[0] == u'-')) return false;
  const Bytes pivot =
      cleaned_glyph_order(convert_dic_format(chars_as_bytes(w.text), LookupMode::Punjabi, w.font_index, converter_));
  const std::u16string repaired = bytes_as_chars(converter_.from_pivot(pivot, w.font_index));
  if (repaired == w.text || repaired.empty()) return false;
  replace_word(k, repaired);
  return true;
}

std::vector<std::u16string> SpellCheckRun::suggestions_for(const DocumentWord& w, const Verdict& v) const {
  std::vector<std::u16string> out;
  if (v.mode == LookupMode::English) {
    for (const Bytes& s : english_suggestions(data_.lexicon, v.lookup)) out.push_back(bytes_as_chars(s));
    return out;
  }
  for (const Bytes& pivot : punjabi_suggestions(data_.lexicon, data_.frequencies, v.lookup)) {
    if (w.kind == DocumentWord::Kind::UnicodeGurmukhi) out.push_back(GurToUnicode(pivot));
    else out.push_back(bytes_as_chars(converter_.from_pivot(pivot, w.font_index)));
  }
  return out;
}

bool SpellCheckRun::handle_unknown(std::size_t k, const Verdict& v, const Ask& ask) {
  const DocumentWord w = words_[k];
  editor_.SetLockWindowUpdate(false);
  RedWord red(editor_, w.start, static_cast<int>(w.text.size()));
  SpellQuestion question{w.text, w.font_name, w.start, suggestions_for(w, v)};
  const SpellAnswer answer = ask(question);
  red.restore();
  editor_.SetLockWindowUpdate(true);
  switch (answer.kind) {
    case SpellAnswer::Kind::Ignore: return true;
    case SpellAnswer::Kind::IgnoreAll:
      data_.lexicon.ignore_all().add(v.lookup, v.mode);
      checker_.forget();
      return true;
    case SpellAnswer::Kind::Change:
      replace_word(k, adapt_case(w, answer.replacement));
      return true;
    case SpellAnswer::Kind::ChangeAll:
      change_all(k, adapt_case(w, answer.replacement));
      if (answer.typed) remember_typed(w, answer.replacement);
      return true;
    case SpellAnswer::Kind::Add:
      add_word(w, v);
      return true;
    case SpellAnswer::Kind::Cancel: return false;
  }
  return true;
}

// Writes `text` over word k in its font and moves the words after it.
void SpellCheckRun::replace_word(std::size_t k, const std::u16string& text) {
  DocumentWord& w = words_[k];
  editor_.Select(w.start, static_cast<int>(w.text.size()));
  editor_.SetSelText(text);
  editor_.Select(w.start, static_cast<int>(text.size()));
  FormatChange font;
  font.font_name = w.font_name;
  font.font_size = w.font_size;
  editor_.ApplyFormat(font);
  editor_.SetSelLength(0);
  const int shift = static_cast<int>(text.size()) - static_cast<int>(w.text.size());
  w.text = text;
  for (std::size_t later = k + 1; later < words_.size(); ++later) words_[later].start += shift;
}

// The word and every later occurrence of it as a whole word in the same font.
void SpellCheckRun::change_all(std::size_t k, const std::u16string& replacement) {
  const std::u16string original = words_[k].text;
  const std::string font = words_[k].font_name;
  replace_word(k, replacement);
  for (std::size_t later = k + 1; later < words_.size(); ++later) {
    if (words_[later].text != original || words_[later].font_name != font) continue;
    replace_word(later, replacement);
    replaced_[later] = true;
  }
}

// A typed replacement counts as known for the rest of the run, in the form
// the lookups use.
void SpellCheckRun::remember_typed(const DocumentWord& w, const std::u16string& replacement) {
  DocumentWord typed = w;
  typed.text = replacement;
  const Verdict v = check(typed);
  if (!v.lookup.empty()) data_.lexicon.ignore_all().add(v.lookup, v.mode);
  checker_.forget();
}

std::u16string SpellCheckRun::adapt_case(const DocumentWord& w, const std::u16string& replacement) const {
  if (w.kind != DocumentWord::Kind::English || w.text.empty() || !is_upper(w.text[0]) || replacement.empty())
    return replacement;
  std::u16string out = replacement;
  if (w.text.size() > 1 && is_upper(w.text[1])) {
    for (char16_t& c : out) c = upper(c);
  } else {
    out[0] = upper(out[0]);
  }
  return out;
}

// "&Add" stores the very form that was looked up, so the word is known from
// now on.
void SpellCheckRun::add_word(const DocumentWord& w, const Verdict& v) {
  (void)w;
  if (v.mode == LookupMode::English) {
    if (Status st = data_.lexicon.english().add(v.lookup); !st) prompter_.error(st.message());
  } else if (data_.lexicon.add_punjabi_word(v.lookup) == AddResult::SectionFull) {
    prompter_.message(std::string(kBufferFull));
  }
  checker_.forget();
}

}  // namespace quilm
