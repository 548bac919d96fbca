// The lookup normalisation (convert_for_gurmukhi) on any pivot word.
#include "encoding/lookup_normalisation.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::convert_for_gurmukhi(quilm::fuzz::as_bytes(data, size));
  return 0;
}
