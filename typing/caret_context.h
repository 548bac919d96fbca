// The characters around the caret that the typing rules read: P1 just before
// the caret, then P2, P3 and P4 further back; N1 and N2 after it. A position
// outside the text reads 0.
#pragma once

#include <array>
#include <cstdint>

#include "editor/editor.h"
#include "encoding/byte_set.h"
#include "typing/key_tables.h"

namespace quilm::typing {

struct CaretContext {
  int caret = 0;  // the selection start: characters before the caret
  std::array<char16_t, 4> before{};  // P1..P4
  std::array<char16_t, 2> after{};   // N1, N2

  char16_t p1() const { return before[0]; }
  char16_t p2() const { return before[1]; }
  char16_t p3() const { return before[2]; }
  char16_t p4() const { return before[3]; }
  char16_t n1() const { return after[0]; }
  char16_t n2() const { return after[1]; }
  char16_t at(Slot slot) const;
};

// N1 is read only when at least two characters follow the caret, N2 only
// when at least three do, as the hook has always read them.
CaretContext read_caret_context(const Editor& editor);

// A character of the editor in a byte set: characters above 0xFF are in none.
inline bool in_set(const ByteSet& set, char16_t c) { return c <= 0xFF && set.contains(static_cast<std::uint8_t>(c)); }

}  // namespace quilm::typing
