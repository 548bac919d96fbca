// The lookup normalisation (convert_for_gurmukhi) on any pivot word. Its
// result must fit the word lists' capacity.
#include "encoding/lookup_normalisation.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const quilm::LookupForm form = quilm::convert_for_gurmukhi(quilm::fuzz::as_bytes(data, size));
  if (form.word.size() > quilm::kLookupWordCapacity) __builtin_trap();
  return 0;
}
