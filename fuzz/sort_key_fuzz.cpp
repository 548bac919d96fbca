// The collation key on any pivot text: it never reads or writes outside
// the text, a text has one key, and a key never outgrows three weights per
// byte of the text with its 'W' glyphs spelt out.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "sort/sort_key.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const quilm::BytesView text = quilm::fuzz::as_bytes(data, size);
  const quilm::Bytes key = quilm::ConvertGurmukhiToSort(text);
  quilm::Bytes work, again = "prefix";
  quilm::append_gurmukhi_sort_key(text, work, again);
  if (again.substr(6) != key) std::abort();
  if (key.size() > 3 * 2 * size) std::abort();
  return 0;
}
