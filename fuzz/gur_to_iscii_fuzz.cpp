// GurToISCII on any pivot text.
#include "encoding/iscii.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::GurToISCII(quilm::fuzz::as_bytes(data, size));
  return 0;
}
