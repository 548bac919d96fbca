// ISCIItoGur on any bytes, those ISCII leaves undefined included.
#include "encoding/iscii.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::ISCIItoGur(quilm::fuzz::as_bytes(data, size));
  return 0;
}
