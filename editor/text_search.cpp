#include "editor/text_search.h"

#include <algorithm>

namespace quilm {

char16_t folded_case(char16_t c) {
  const bool ascii_capital = c >= u'A' && c <= u'Z';
  const bool latin1_capital = c >= u'\u00C0' && c <= u'\u00DE' && c != u'\u00D7';
  return ascii_capital || latin1_capital ? static_cast<char16_t>(c + 0x20) : c;
}

namespace {

bool same_folded(char16_t a, char16_t b) { return folded_case(a) == folded_case(b); }

}  // namespace

int find_text(std::u16string_view text, std::u16string_view needle, int from, bool match_case) {
  if (needle.empty() || from > static_cast<int>(text.size())) return -1;
  const auto start = text.begin() + std::max(from, 0);
  const auto hit = match_case ? std::search(start, text.end(), needle.begin(), needle.end())
                              : std::search(start, text.end(), needle.begin(), needle.end(), same_folded);
  return hit == text.end() ? -1 : static_cast<int>(hit - text.begin());
}

}  // namespace quilm
