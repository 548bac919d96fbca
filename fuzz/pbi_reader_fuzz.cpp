// The .pbi reader on any bytes; a document it accepts must be written and
// read back unchanged, since .pbi keeps everything the editor holds.
#include "formats/document_xml.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::Document doc;
  if (!quilm::read_document_xml(quilm::fuzz::as_bytes(data, size), doc)) return 0;
  quilm::Document again;
  if (!quilm::read_document_xml(quilm::write_document_xml(doc), again) || !(again == doc)) __builtin_trap();
  return 0;
}
