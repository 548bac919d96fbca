// The editor's Find, written once over the document text so that both editors
// find exactly the same places.
#pragma once

#include <string_view>

namespace quilm {

// The lower case of the capitals A-Z and U+00C0..U+00DE (but U+00D7, the
// multiplication sign); every other character is its own fold.
char16_t folded_case(char16_t c);

// First position at or after `from` where `needle` occurs in `text`, or -1;
// -1 too for an empty needle, so that a loop of finds always ends. Without
// match_case, letters of ASCII and Latin-1 match in either case; nothing else
// folds (Gurmukhi has no case, and a legacy font's bytes are glyphs).
int find_text(std::u16string_view text, std::u16string_view needle, int from, bool match_case);

}  // namespace quilm
