#include "formats/byte_image.h"

namespace quilm {

Bytes write_byte_image(const Document& doc) {
  Bytes bytes;
  bytes.reserve(length_of(doc.runs));
  for (const TextRun& run : doc.runs) {
    for (const char16_t c : run.text) bytes.push_back(static_cast<char>(c & 0xFF));
  }
  return bytes;
}

}  // namespace quilm
