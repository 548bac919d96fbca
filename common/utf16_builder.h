// A UTF-16 text written through a cursor. Writers that know the most they
// can write ask for that much room, write, and move the cursor to where they
// stopped; the room grows in large steps, so short pieces cost no copying
// of their own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace quilm {

class Utf16Builder {
 public:
  explicit Utf16Builder(std::size_t expected_size = 0) { text_.resize(expected_size); }

  // The cursor, with room for at least `n` units after it.
  char16_t* room(std::size_t n) {
    if (used_ + n > text_.size()) text_.resize(std::max(text_.size() * 2, used_ + n));
    return text_.data() + used_;
  }
  // Keeps what was written at room() up to `end`.
  void advance_to(const char16_t* end) { used_ = static_cast<std::size_t>(end - text_.data()); }

  void push(char16_t c) {
    *room(1) = c;
    ++used_;
  }
  void append(std::u16string_view s) {
    std::copy(s.begin(), s.end(), room(s.size()));
    used_ += s.size();
  }

  // The text written; the builder is left empty.
  std::u16string take() {
    text_.resize(used_);
    std::u16string text = std::move(text_);
    text_.clear();
    used_ = 0;
    return text;
  }

 private:
  std::u16string text_;  // its size is the room; the first used_ units are written
  std::size_t used_ = 0;
};

}  // namespace quilm
