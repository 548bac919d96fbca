// A text written through a cursor: UTF-16 units, or bytes (UTF-8, glyph
// bytes). Writers that know the most they can write ask for that much room,
// write, and move the cursor to where they stopped; the room grows in large
// steps, so short pieces cost no copying of their own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace quilm {

template <typename Unit>
class TextBuilder {
 public:
  using Text = std::basic_string<Unit>;

  explicit TextBuilder(std::size_t expected_size = 0) { text_.resize(expected_size); }
  // Writes on after the end of `text`, whose room it takes over (a caller
  // that converts many pieces in turn keeps one buffer for all of them).
  explicit TextBuilder(Text&& text) : text_(std::move(text)), used_(text_.size()) {}

  // The cursor, with room for at least `n` units after it.
  Unit* room(std::size_t n) {
    if (used_ + n > text_.size()) text_.resize(std::max(text_.size() * 2, used_ + n));
    return text_.data() + used_;
  }
  // Keeps what was written at room() up to `end`.
  void advance_to(const Unit* end) { used_ = static_cast<std::size_t>(end - text_.data()); }

  void push(Unit c) {
    *room(1) = c;
    ++used_;
  }
  void append(std::basic_string_view<Unit> s) {
    std::copy(s.begin(), s.end(), room(s.size()));
    used_ += s.size();
  }

  // What is written so far.
  std::basic_string_view<Unit> view() const { return {text_.data(), used_}; }
  // Starts again at the beginning, keeping the room for the next text (a
  // caller that writes out block after block thus reuses one buffer).
  void clear() { used_ = 0; }

  // The text written; the builder is left empty.
  Text take() {
    text_.resize(used_);
    Text text = std::move(text_);
    text_.clear();
    used_ = 0;
    return text;
  }

 private:
  Text text_;  // its size is the room; the first used_ units are written
  std::size_t used_ = 0;
};

using Utf16Builder = TextBuilder<char16_t>;
using ByteBuilder = TextBuilder<char>;

}  // namespace quilm
