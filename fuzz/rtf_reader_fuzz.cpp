// The RTF reader on any bytes; a document it accepts is written as RTF again
// and must read back.
#include "formats/document_format.h"
#include "formats/rtf_reader.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const quilm::CharFormat format{.font_name = "AnmolLipi"};
  quilm::Document doc;
  if (!quilm::read_rtf(quilm::fuzz::as_bytes(data, size), format, doc)) return 0;
  quilm::Bytes written;
  if (!quilm::write_document(quilm::FormatCode::Rtf, doc, written)) return 0;
  quilm::Document again;
  if (!quilm::read_rtf(written, format, again)) __builtin_trap();
  return 0;
}
