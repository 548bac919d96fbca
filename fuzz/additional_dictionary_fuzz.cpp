// The additional dictionary reader (Dict/*.dic) on any file: a file it
// accepts is written back byte for byte as it reads again, and words added
// keep every section in order.
#include <algorithm>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "spell/word_list_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput input(data, size);
  const std::uint8_t added = input.take_byte();
  quilm::WordSections words;
  if (!quilm::parse_additional_dictionary(input.rest(), &words)) return 0;
  const int s = 2 + added % 20;
  words.insert_sorted(s, quilm::Bytes(static_cast<std::size_t>(s), static_cast<char>(0x20 + added % 0xE0)));
  const quilm::Bytes text = quilm::format_additional_dictionary(words);
  quilm::WordSections again;
  if (!quilm::parse_additional_dictionary(text, &again)) std::abort();
  if (quilm::format_additional_dictionary(again) != text) std::abort();
  for (int k = 1; k <= again.section_count(); ++k) {
    if (!std::is_sorted(again.section(k).begin(), again.section(k).end())) std::abort();
  }
  return 0;
}
