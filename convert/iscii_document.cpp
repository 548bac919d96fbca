// ISCII export and import of the document.
#include "convert/iscii_document.h"

#include "convert/document_files.h"
#include "convert/document_walk.h"
#include "fonts/text_conversion.h"
#include "convert/unicode_pieces.h"
#include "encoding/iscii.h"
#include "encoding/iscii_runs.h"
#include "encoding/tippi_bindi.h"

namespace quilm {
namespace {

constexpr long kProgressEvery = 4096;

std::u16string as_text(BytesView bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char c : bytes) out.push_back(static_cast<unsigned char>(c));
  return out;
}

}  // namespace

Bytes document_as_iscii(const DocumentContext& context, long* unwritable) {
  Bytes out;
  long lost = 0;
  walk_document(context, "Exporting to ISCII...",
                {[&](BytesView word, int font) { append_legacy_word_as_iscii(word, font, context.converter, out); },
                 [&](char16_t c) {
                   if (c > 0xFF) ++lost;
                   out.push_back(c > 0xFF ? '?' : static_cast<char>(c));
                 }});
  if (unwritable) *unwritable = lost;
  return out;
}

Status SaveISCIIFile(const DocumentContext& context, const std::filesystem::path& path) {
  long lost = 0;
  const Bytes bytes = document_as_iscii(context, &lost);
  const Status status = write_export_file(path, bytes, "Error Creating ISCII File");
  if (!status) {
    context.prompter.error(status.message());
    return status;
  }
  if (lost > 0)
    context.prompter.message(std::to_string(lost) + " characters have no ISCII form and were written as '?'.");
  return status;
}

Status ImportISCIIFile(const DocumentContext& context, const std::filesystem::path& path) {
  Bytes bytes;
  if (Status read = read_import_file(path, "Cannot import the ISCII file", bytes); !read) return read;
  Editor& editor = context.editor;
  const DefaultFonts& d = context.defaults;
  const int punjabi = context.fonts.get_font_index(d.punjabi);
  editor.Clear();
  context.prompter.status_caption("Importing from ISCII...");
  context.prompter.progress_start(static_cast<long>(bytes.size()));
  long done = 0;
  for (const IsciiPiece& piece : split_iscii_runs(bytes)) {
    if (piece.kind == IsciiPiece::Kind::Gurmukhi) {
      const Bytes pivot = convert_tippi_bindi(ISCIItoGur(piece.bytes));
      insert_in_font(editor, as_text(context.converter.from_pivot(pivot, punjabi)), d.punjabi, d.punjabi_size);
    } else if (piece.kind == IsciiPiece::Kind::Separator && byte_at(piece.bytes, 0) < 0x21) {
      insert_in_font(editor, as_text(piece.bytes), d.punjabi, d.punjabi_size);
    } else {
      insert_in_font(editor, as_text(piece.bytes), d.english, d.english_size);
    }
    const long before = done;
    done += static_cast<long>(piece.bytes.size());
    if (done / kProgressEvery != before / kProgressEvery) context.prompter.progress_step(done);
  }
  context.prompter.progress_end();
  context.prompter.status_caption("");
  editor.SetSelStart(0);
  if (const std::size_t undefined = undefined_iscii_bytes(bytes); undefined > 0)
    context.prompter.message(std::to_string(undefined) +
                             " bytes of the file are not ISCII characters and were imported as '?'.");
  return Status::Ok();
}

}  // namespace quilm
