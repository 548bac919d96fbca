// Format_for_Gurmukhi on any pivot text, whole and in place.
#include "fonts/format_for_gurmukhi.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::Bytes text(quilm::fuzz::as_bytes(data, size));
  const quilm::Bytes tidied = quilm::Format_for_Gurmukhi(text);
  quilm::Format_for_Gurmukhi_in_place(text);
  if (text != tidied) __builtin_trap();  // both forms must agree
  return 0;
}
