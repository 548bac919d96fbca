#include "formats/plain_text.h"

#include <cstdio>

#include "editor/line_ends.h"

namespace quilm {
namespace {

std::string code_point_name(char16_t c) {
  char name[8];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

Status no_byte_for(char16_t c, int position) {
  return Status::Error("The text cannot be saved as 8-bit text: the character " + code_point_name(c) +
                       " at position " + std::to_string(position) +
                       " has no 8-bit code. Save it as Unicode text instead.");
}

}  // namespace

Document read_plain_text(BytesView bytes, const CharFormat& format) {
  std::u16string text(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = byte_at(bytes, i);
  return document_from_text(with_paragraph_breaks(text), format);
}

Status write_plain_text(const Document& doc, Bytes& out) {
  Bytes bytes;
  int position = 0;
  for (const TextRun& run : doc.runs) {
    for (const char16_t c : run.text) {
      if (c == kParagraphBreak) {
        bytes += "\r\n";
      } else if (c > 0xFF) {
        return no_byte_for(c, position);
      } else {
        bytes.push_back(static_cast<char>(c));
      }
      ++position;
    }
  }
  out = std::move(bytes);
  return Status::Ok();
}

}  // namespace quilm
