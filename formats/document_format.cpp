#include "formats/document_format.h"

#include <system_error>

#include "formats/byte_image.h"
#include "formats/document_xml.h"
#include "formats/html_reader.h"
#include "formats/html_writer.h"
#include "formats/legacy_bytes.h"
#include "formats/office_conversion.h"
#include "formats/plain_text.h"
#include "formats/rtf_reader.h"
#include "formats/rtf_writer.h"
#include "formats/unicode_text.h"
#include "common/file_io.h"

namespace quilm {
namespace {

const char* plain_name(FormatCode format) {
  switch (format) {
    case FormatCode::PlainText: return "plain text";
    case FormatCode::Pbi: return "Quilm document";
    case FormatCode::Html: return "HTML";
    case FormatCode::Rtf: return "RTF";
    case FormatCode::Unicode: return "Unicode text";
    case FormatCode::Bytes: return "byte image";
    case FormatCode::Word: return "Word document";
    case FormatCode::Xml: return "XML";
    case FormatCode::Css: return "CSS";
    case FormatCode::Pdf: return "PDF";
  }
  return nullptr;
}

bool is_known(FormatCode format) { return plain_name(format) != nullptr; }

Status unusable(FormatCode format, const char* what) {
  if (!is_known(format)) {
    return Status::Error("Unknown document format code " + std::to_string(static_cast<int>(format)) + ".");
  }
  return Status::Error("The format " + format_name(format) + " " + what + ".");
}

std::string quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

Status about_file(const char* verb, const std::filesystem::path& path, const Status& status) {
  return Status::Error(std::string("Cannot ") + verb + " " + quoted(path) + ": " + status.message());
}

Status unreadable(const std::filesystem::path& path) {
  std::error_code ignored;
  const bool exists = std::filesystem::exists(path, ignored);
  const char* why = !exists                                         ? "the file does not exist."
                    : std::filesystem::is_directory(path, ignored) ? "it is a folder, not a file."
                                                                    : "the file cannot be read.";
  return Status::Error("Cannot open " + quoted(path) + ": " + why);
}

}  // namespace

std::string format_name(FormatCode format) {
  const int code = static_cast<int>(format);
  if (!is_known(format)) return "code " + std::to_string(code);
  return std::string(plain_name(format)) + " (" + std::to_string(code) + ")";
}

namespace {

// Documents that other programs write: their legacy-font runs get their
// bytes back. On failure `out` is left alone.
Status read_foreign(Status (*reader)(BytesView, const CharFormat&, Document&), BytesView bytes,
                    const CharFormat& text_format, Document& out, const LegacyFontTest& legacy) {
  Document doc;
  if (Status s = reader(bytes, text_format, doc); !s) return s;
  restore_legacy_bytes(doc, legacy);
  out = std::move(doc);
  return Status::Ok();
}

// What a Word document starts with: the compound file of Word 97 to 2003,
// the zip of .docx, or RTF saved under a .doc name. LibreOffice opens any
// other bytes as plain text in some guessed encoding (a screen of CJK
// characters for legacy glyph bytes), so they are refused before it sees them.
bool looks_like_word_document(BytesView bytes) {
  constexpr BytesView kSignatures[] = {"\xD0\xCF\x11\xE0", "PK\x03\x04", "{\\rtf"};
  for (BytesView signature : kSignatures)
    if (bytes.substr(0, signature.size()) == signature) return true;
  return false;
}

Status read_word(BytesView bytes, const CharFormat& text_format, Document& out, const LegacyFontTest& legacy) {
  if (!looks_like_word_document(bytes))
    return Status::Error("This file is not a Word document that LibreOffice can read (it does not start "
                         "as a Word, .docx or RTF file does).");
  Bytes rtf;
  if (Status s = office_to_rtf(bytes, "doc", rtf); !s) return s;
  return read_foreign(read_rtf, rtf, text_format, out, legacy);
}

Status read_own_xml(BytesView bytes, Document& out) {
  Document doc;
  if (Status s = read_document_xml(bytes, doc); !s) return s;
  out = std::move(doc);
  return Status::Ok();
}

}  // namespace

Status read_document(FormatCode format, BytesView bytes, const CharFormat& text_format, Document& out,
                     const LegacyFontTest& legacy) {
  switch (format) {
    case FormatCode::PlainText:
      out = read_plain_text(bytes, text_format);
      return Status::Ok();
    case FormatCode::Unicode:
      return read_unicode_text(bytes, text_format, out);
    case FormatCode::Pbi:
    case FormatCode::Xml:
      return read_own_xml(bytes, out);
    case FormatCode::Rtf:
      return read_foreign(read_rtf, bytes, text_format, out, legacy);
    case FormatCode::Html:
    case FormatCode::Css:
      return read_foreign(read_html, bytes, text_format, out, legacy);
    case FormatCode::Word:
      return read_word(bytes, text_format, out, legacy);
    case FormatCode::Bytes:
    case FormatCode::Pdf:
      return unusable(format, "can be saved only, not loaded");
  }
  return unusable(format, "cannot be loaded");
}

Status write_document(FormatCode format, const Document& doc, Bytes& out, const LegacyFontTest& legacy) {
  switch (format) {
    case FormatCode::PlainText:
      return write_plain_text(doc, out);
    case FormatCode::Unicode:
      out = write_unicode_text(doc);
      return Status::Ok();
    case FormatCode::Bytes:
      out = write_byte_image(doc);
      return Status::Ok();
    case FormatCode::Pbi:
    case FormatCode::Xml:
      out = write_document_xml(doc);
      return Status::Ok();
    case FormatCode::Rtf:
      out = write_rtf(doc, legacy);
      return Status::Ok();
    case FormatCode::Html:
      out = write_html(doc, HtmlStyles::Inline);
      return Status::Ok();
    case FormatCode::Css:
      out = write_html(doc, HtmlStyles::StyleSheet);
      return Status::Ok();
    case FormatCode::Word:
      return office_from_rtf(write_rtf(doc, legacy), "doc:MS Word 97", "doc", out);
    case FormatCode::Pdf:
      return office_from_rtf(write_rtf(doc, legacy), "pdf:writer_pdf_Export", "pdf", out);
  }
  return unusable(format, "cannot be saved");
}

Status load_document_file(const std::filesystem::path& path, FormatCode format, const CharFormat& text_format,
                          Document& out, const LegacyFontTest& legacy) {
  if (format == FormatCode::Bytes) return about_file("load", path, unusable(format, "is not a file format"));
  const std::optional<Bytes> bytes = read_file(path);
  if (!bytes) return unreadable(path);
  const Status read = read_document(format, *bytes, text_format, out, legacy);
  return read ? read : about_file("load", path, read);
}

Status save_document_file(const std::filesystem::path& path, FormatCode format, const Document& doc,
                          const LegacyFontTest& legacy) {
  if (format == FormatCode::Bytes) return about_file("save", path, unusable(format, "is saved to memory only"));
  Bytes bytes;
  const Status written = write_document(format, doc, bytes, legacy);
  if (!written) return about_file("save", path, written);
  return write_file_atomically(path, bytes);
}

}  // namespace quilm
