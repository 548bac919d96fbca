// Every document format the editors open from bytes, chosen by the first
// byte: plain text, .pbi, HTML, RTF, Unicode text, XML, CSS. Word documents
// go through LibreOffice and are left out.
#include <array>

#include "formats/document_format.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr std::array kFormats = {
    quilm::FormatCode::PlainText, quilm::FormatCode::Pbi, quilm::FormatCode::Html, quilm::FormatCode::Rtf,
    quilm::FormatCode::Unicode,   quilm::FormatCode::Xml, quilm::FormatCode::Css,
};

bool legacy_font(const std::string& name) { return name == "AnmolLipi" || name == "Satluj"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput in(data, size);
  const quilm::FormatCode format = kFormats[in.take_byte() % kFormats.size()];
  const quilm::CharFormat text_format{.font_name = "AnmolLipi"};
  quilm::Document doc;
  if (!quilm::read_document(format, in.rest(), text_format, doc, legacy_font)) return 0;
  quilm::Bytes written;
  quilm::write_document(format, doc, written, legacy_font);
  return 0;
}
