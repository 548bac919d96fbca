// The main word list reader (WList.txt) on any file: a file it accepts is
// written back by the same rules and read again to the same words.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "spell/word_list_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::WordSections words;
  if (!quilm::parse_main_word_list(quilm::fuzz::as_bytes(data, size), &words)) return 0;
  quilm::WordSections again;
  if (!quilm::parse_main_word_list(quilm::format_main_word_list(words), &again)) std::abort();
  for (int s = 1; s <= words.section_count(); ++s) {
    if (words.section(s) != again.section(s)) std::abort();
  }
  return 0;
}
