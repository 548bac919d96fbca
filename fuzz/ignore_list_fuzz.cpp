// The ignore list reader (Ignore.txt) on any file: an accepted file holds
// every word it lists, and writes back to the same words.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "spell/word_list_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::IgnoreList list;
  if (!quilm::parse_ignore_list(quilm::fuzz::as_bytes(data, size), &list)) return 0;
  for (const quilm::Bytes& w : list.words()) {
    if (!list.holds(w)) std::abort();
  }
  quilm::IgnoreList again;
  if (!quilm::parse_ignore_list(quilm::format_ignore_list(list), &again) || again.words() != list.words()) std::abort();
  return 0;
}
