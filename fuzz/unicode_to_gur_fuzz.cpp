// UniCodetoGur on any UTF-16 text, unpaired surrogates included: the input
// is read as little-endian code units.
#include <string>

#include "encoding/unicode_input.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  quilm::UniCodetoGur(text);
  return 0;
}
