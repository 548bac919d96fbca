// Line ends as the editor holds them. Text arrives with CR LF (files written
// on Windows), LF (Unix), CR alone (old Macintosh files, rich-text controls)
// or U+2029; inside the editor each of them is one kParagraphBreak.
#pragma once

#include <string>
#include <string_view>

namespace quilm {

std::u16string with_paragraph_breaks(std::u16string_view text);

}  // namespace quilm
