// "File Statistics": the characters with and without spaces, the words, the
// lines and the pages of the document, counted over its plain 8-bit text.
// Space bytes are LF, FF, CR and the blank (ISspace); a word begins at a
// byte of 0x20 or more that is no space byte, at the start of the text or
// after a space byte. Every byte is counted from the first, so an empty
// document has no characters and no words. A zero byte ends the text.
#pragma once

#include <cstdint>

#include "common/bytes.h"
#include "editor/editor.h"

namespace quilm {

bool ISspace(std::uint8_t byte);

struct TextCounts {
  std::int64_t characters = 0;             // "Characters (Including spaces)"
  std::int64_t characters_no_spaces = 0;   // "Characters (Excluding spaces)"
  std::int64_t words = 0;                  // "Words"
};
TextCounts count_text(BytesView text);

struct FileStatistics {
  TextCounts text;
  int lines = 0;  // "Lines"
  int pages = 0;  // "Pages"
};

// The counts of the document in `editor` (saved to memory as plain text).
FileStatistics count_file_statistics(const Editor& editor);

}  // namespace quilm
