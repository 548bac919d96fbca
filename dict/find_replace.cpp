#include "dict/find_replace.h"

#include <algorithm>

#include "dict/font_text.h"
#include "dict/word_variants.h"
#include "editor/update_lock.h"

namespace quilm {

void FindReplace::SetSearch(const SearchText& find, const SearchText& replace, const FindOptions& options) {
  if (find == find_ && replace == replace_ && options == options_) return;
  find_ = find;
  replace_ = replace;
  options_ = options;
  Reset();
}

void FindReplace::Reset() {
  start_ = -1;
  found_.reset();
  found_text_.clear();
}

std::optional<FontPatterns> FindReplace::patterns_for(const std::string& font_name) const {
  if (find_.text.empty()) return std::nullopt;
  const FontText target = FontText::of(font_name, registry_);
  FontPatterns p;
  p.encoding = target;
  p.whole_words = options_.whole_words;
  if (options_.language == SearchLanguage::English) {
    if (target.is_glyphs()) return std::nullopt;
    p.texts = {find_.text};
    p.match_case = options_.match_case;
    return p;
  }
  p.texts = similar_words_as_text(find_.text, FontText::of(find_.font_name, registry_), target, options_.similar_words,
                                  converter_);
  return p;
}

std::vector<std::u16string> FindReplace::TextsFor(const std::string& font_name) const {
  std::optional<FontPatterns> p = patterns_for(font_name);
  return p ? p->texts : std::vector<std::u16string>{};
}

std::u16string FindReplace::replacement_for(const std::string& font_name) const {
  if (options_.language == SearchLanguage::English) return replace_.text;
  return FontText::of(font_name, registry_)
      .converted(replace_.text, FontText::of(replace_.font_name, registry_), converter_);
}

bool FindReplace::SameTexts() const {
  return find_.text == replace_.text && !(options_.language == SearchLanguage::Punjabi && options_.similar_words);
}

void FindReplace::initialise() {
  start_ = options_.direction == SearchDirection::All ? 0 : editor_.SelStart();
}

std::optional<TextMatch> FindReplace::next_match(const DocumentMatches& matches) const {
  return forward() ? matches.first_from(start_) : matches.last_before(start_);
}

FindResult FindReplace::FindNext() {
  editor_.SetSelLength(0);
  if (!Initialised()) initialise();
  const DocumentMatches matches(editor_.Runs(), [this](const std::string& f) { return patterns_for(f); });
  found_ = next_match(matches);
  if (!found_) {
    Reset();
    return FindResult::Finished;
  }
  found_text_ = matches.text_of(*found_);
  editor_.Select(found_->start, found_->length);
  start_ = forward() ? found_->end() : found_->start;
  return FindResult::Found;
}

std::vector<TextMatch> FindReplace::FindAll() const {
  const DocumentMatches matches(editor_.Runs(), [this](const std::string& f) { return patterns_for(f); });
  return matches.all_from(0);
}

bool FindReplace::found_is_selected() const {
  return found_ && editor_.SelStart() == found_->start && editor_.SelLength() == found_->length &&
         editor_.SelText() == found_text_;
}

ReplaceResult FindReplace::Replace() {
  ReplaceResult result;
  if (SameTexts()) {
    result.same_texts = true;
    return result;
  }
  if (found_is_selected()) {
    const std::u16string replacement = replacement_for(editor_.FontName());
    if (replacement != found_text_) {
      editor_.SetSelText(replacement);
      result.replaced = true;
    }
    start_ = forward() ? found_->start + static_cast<int>(replacement.size()) : found_->start;
    found_.reset();
  }
  result.next = FindNext();
  return result;
}

int FindReplace::ReplaceAll() {
  if (SameTexts()) return 0;
  if (!Initialised()) initialise();
  // "All" covers the whole document; otherwise the occurrence selected last
  // is the first to go.
  int from = found_is_selected() ? (forward() ? found_->start : found_->end()) : start_;
  if (options_.direction == SearchDirection::All) from = 0;
  const DocumentMatches matches(editor_.Runs(), [this](const std::string& f) { return patterns_for(f); });
  std::vector<TextMatch> all = forward() ? matches.all_from(from) : matches.all_before(from);
  struct Change {
    TextMatch at;
    std::u16string text;
  };
  std::vector<Change> changes;
  for (const TextMatch& m : all) {
    std::u16string text = replacement_for(matches.font_of(m));
    if (text != matches.text_of(m)) changes.push_back({m, std::move(text)});
  }
  if (forward()) std::reverse(changes.begin(), changes.end());
  // Last occurrence first, so that the places of the others stay as found.
  const UpdateLock lock(editor_);
  int caret = editor_.SelStart();
  {
    EditGroup group(editor_);
    int shift = 0;
    for (const Change& c : changes) {
      editor_.Select(c.at.start, c.at.length);
      editor_.SetSelText(c.text);
      shift += static_cast<int>(c.text.size()) - c.at.length;
    }
    if (!changes.empty()) {
      const Change& last_in_reading = forward() ? changes.front() : changes.back();
      caret = forward() ? last_in_reading.at.end() + shift : last_in_reading.at.start;
    }
  }
  editor_.SetSelStart(caret);
  Reset();
  return static_cast<int>(changes.size());
}

}  // namespace quilm
