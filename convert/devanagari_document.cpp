// Devanagari export of the document.
#include "convert/devanagari_document.h"

#include "convert/document_files.h"
#include "convert/document_walk.h"
#include "fonts/text_conversion.h"
#include "encoding/utf16.h"

namespace quilm {

std::u16string document_as_devanagari(const DocumentContext& context) {
  std::u16string out;
  walk_document(context, "Exporting to Unicode...",
                {[&](BytesView word, int font) {
                   append_legacy_word_as_unicode(word, font, context.converter, UnicodeScript::Devanagari, out);
                 },
                 [&](char16_t c) { out.push_back(c); }});
  return out;
}

Status SaveHindiUnicodeFile(const DocumentContext& context, const std::filesystem::path& path) {
  const Status status =
      write_export_file(path, to_utf16le(document_as_devanagari(context), true), "Error Creating Unicode File");
  if (!status) context.prompter.error(status.message());
  return status;
}

}  // namespace quilm
