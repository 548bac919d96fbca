// GurToUnicode on any pivot text.
#include "encoding/unicode_output.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::GurToUnicode(quilm::fuzz::as_bytes(data, size));
  return 0;
}
