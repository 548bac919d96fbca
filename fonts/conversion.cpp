// The conversion driver.
#include "fonts/conversion.h"

#include "fonts/font_index.h"
#include "fonts/format_for_gurmukhi.h"

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
  WordReader reader = word_reader(source, text.size());
  BytesView pivot = reader.read(text);
  Bytes formatted;
  if (format && source != font_index::kNotSupported) {
    formatted = pivot;
    Format_for_Gurmukhi_in_place(formatted);
    pivot = formatted;
  }
  return Bytes(word_writer(destination, pivot.size()).write(pivot));
}

Bytes FontConverter::to_pivot(BytesView text, int source) const {
  return Bytes(word_reader(source, text.size()).read(text));
}

Bytes FontConverter::from_pivot(BytesView pivot, int destination) const {
  return Bytes(word_writer(destination, pivot.size()).write(pivot));
}

WordReader FontConverter::word_reader(int source, std::size_t longest) const {
  return WordReader(reader_for_font(source), longest);
}

WordWriter FontConverter::word_writer(int destination, std::size_t longest) const {
  return WordWriter(writer_for_font(destination), context_, longest);
}

bool FontConverter::convert_with(std::string_view converter, BytesView text, Bytes& out) const {
  if (const ReaderTable* reader = find_reader(converter)) {
    out = WordReader(reader, text.size()).read(text);
    return true;
  }
  if (const WriterTable* writer = find_writer(converter)) {
    out = WordWriter(writer, context_, text.size()).write(text);
    return true;
  }
  return false;
}

}  // namespace quilm
