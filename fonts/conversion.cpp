// The conversion driver.
#include "fonts/conversion.h"

#include "fonts/font_index.h"
#include "fonts/format_for_gurmukhi.h"
#include "fonts/reader.h"
#include "fonts/writer.h"

namespace quilm {
namespace {

bool needs_no_converting(int font_index) {
  return font_index == font_index::kIdentity || font_index == font_index::kPivot;
}

}  // namespace

ConversionSupport conversion_support(int font_index) {
  if (needs_no_converting(font_index)) return {true, true};
  return {reader_for_font(font_index) != nullptr, writer_for_font(font_index) != nullptr};
}

bool convertible(int font_index) {
  const ConversionSupport support = conversion_support(font_index);
  return support.reads && support.writes;
}

Bytes FontConverter::conversion(BytesView text, int source, int destination, bool format) const {
  if (source == destination && !format) return Bytes(text);
  Bytes pivot = to_pivot(text, source);
  if (format && source != font_index::kNotSupported) Format_for_Gurmukhi_in_place(pivot);
  return from_pivot(pivot, destination);
}

Bytes FontConverter::to_pivot(BytesView text, int source) const {
  const ReaderTable* reader = reader_for_font(source);
  return reader ? read_into_pivot(*reader, text) : Bytes(text);
}

Bytes FontConverter::from_pivot(BytesView pivot, int destination) const {
  context_.erase_before_caret = 0;  // also when no writer runs
  const WriterTable* writer = writer_for_font(destination);
  return writer ? write_from_pivot(*writer, pivot, context_) : Bytes(pivot);
}

bool FontConverter::convert_with(std::string_view converter, BytesView text, Bytes& out) const {
  if (const ReaderTable* reader = find_reader(converter)) {
    out = read_into_pivot(*reader, text);
    return true;
  }
  if (const WriterTable* writer = find_writer(converter)) {
    out = write_from_pivot(*writer, text, context_);
    return true;
  }
  return false;
}

}  // namespace quilm
