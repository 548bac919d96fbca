#include "formats/unicode_text.h"

#include <cstdio>

#include "editor/line_ends.h"

namespace quilm {
namespace {

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

struct ByteOrder {
  bool big_endian = false;
  std::size_t mark_size = 0;
};

ByteOrder byte_order_of(BytesView bytes) {
  if (bytes.size() >= 2 && byte_at(bytes, 0) == 0xFF && byte_at(bytes, 1) == 0xFE) return {false, 2};
  if (bytes.size() >= 2 && byte_at(bytes, 0) == 0xFE && byte_at(bytes, 1) == 0xFF) return {true, 2};
  return {};
}

std::u16string units_of(BytesView bytes, ByteOrder order) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = order.mark_size; i + 1 < bytes.size(); i += 2) {
    const unsigned first = byte_at(bytes, i), second = byte_at(bytes, i + 1);
    units.push_back(static_cast<char16_t>(order.big_endian ? (first << 8) | second : (second << 8) | first));
  }
  return units;
}

// Index of the first surrogate that lacks its partner, or -1.
long unpaired_surrogate(std::u16string_view units) {
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (is_high_surrogate(units[i])) {
      if (i + 1 < units.size() && is_low_surrogate(units[i + 1])) {
        ++i;
        continue;
      }
      return static_cast<long>(i);
    }
    if (is_low_surrogate(units[i])) return static_cast<long>(i);
  }
  return -1;
}

void append_unit(Bytes& bytes, char16_t unit) {
  bytes.push_back(static_cast<char>(unit & 0xFF));
  bytes.push_back(static_cast<char>(unit >> 8));
}

}  // namespace

Status check_surrogate_pairs(std::u16string_view units, std::size_t first_byte) {
  const long bad = unpaired_surrogate(units);
  if (bad < 0) return Status::Ok();
  char text[160];
  std::snprintf(text, sizeof text,
                "The file is not Unicode (UTF-16) text: the surrogate U+%04X at byte %zu has no partner.",
                static_cast<unsigned>(units[static_cast<std::size_t>(bad)]),
                first_byte + 2 * static_cast<std::size_t>(bad));
  return Status::Error(text);
}

Status read_unicode_text(BytesView bytes, const CharFormat& format, Document& out) {
  const ByteOrder order = byte_order_of(bytes);
  if ((bytes.size() - order.mark_size) % 2 != 0) {
    return Status::Error("The file is not Unicode (UTF-16) text: it has an odd number of bytes (" +
                         std::to_string(bytes.size()) + ").");
  }
  const std::u16string units = units_of(bytes, order);
  if (Status paired = check_surrogate_pairs(units, order.mark_size); !paired) return paired;
  out = document_from_text(with_paragraph_breaks(units), format);
  return Status::Ok();
}

Bytes write_unicode_text(const Document& doc) {
  Bytes bytes = "\xFF\xFE";
  bytes.reserve(2 + 2 * length_of(doc.runs));
  for (const TextRun& run : doc.runs) {
    for (const char16_t c : run.text) {
      if (c == kParagraphBreak) {
        append_unit(bytes, u'\r');
        append_unit(bytes, u'\n');
      } else {
        append_unit(bytes, c);
      }
    }
  }
  return bytes;
}

}  // namespace quilm
