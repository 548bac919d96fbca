// The Gurmukhi-to-Roman rules on any pivot word, and kruti_to_chankya on any
// Kruti Dev bytes: the first byte chooses which.
#include "fuzz/fuzz_input.h"
#include "translit/gurmukhi_to_roman.h"
#include "translit/kruti_to_chankya.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput input(data, size);
  if (input.take_byte() & 1) {
    quilm::kruti_to_chankya(input.rest());
  } else {
    quilm::transliterate_word(input.rest(), nullptr);
  }
  return 0;
}
