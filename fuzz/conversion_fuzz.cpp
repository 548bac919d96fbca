// Every reader and writer through the conversion driver: the first two bytes
// choose the source and destination font index, the third whether the pivot
// text is tidied, and the rest is the text.
#include "fonts/conversion.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput in(data, size);
  const int source = in.take_byte() % quilm::kFontIndexSlots;
  const int destination = in.take_byte() % quilm::kFontIndexSlots;
  const std::uint8_t options = in.take_byte();
  quilm::ConversionContext context;
  context.typing = (options & 2) != 0;
  const quilm::FontConverter converter(context);
  converter.conversion(in.rest(), source, destination, (options & 1) != 0);
  converter.from_pivot(converter.to_pivot(in.rest(), source), destination);
  return 0;
}
